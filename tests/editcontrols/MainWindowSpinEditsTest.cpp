#include "editcontrols/spin/TKvSpinEdit.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/testing/Screenshot.h"
#include "tests/editcontrols/EditControlsFixture.h"

#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using namespace plat;
using namespace skelda::editcontrols;
namespace pt = plat::testing;
namespace et = skelda::editcontrols::testing;

namespace {

// The four spin edits of the main window, set up as the program does: both separators ".",
// the solar value a float with two decimals (it shows sunspot numbers such as 70.68), the power
// 5..2500 W, the minimum takeoff angle 0..90 degrees, the threshold frequency 1..30 MHz with
// three decimals.
class MainWindowSpinEditsTest : public et::EditControlsFixture {
protected:
    MainWindowSpinEditsTest()
    {
        separators.Set('.', '.');
        form->SetClientWidth(330);
        form->SetClientHeight(150);
        form->Font().SetName("Tahoma");
        form->Font().SetHeight(-11);
        flux = AddSpin("FLXSpin", "Solar flux", 10);
        flux->SetValueType(vtFloat);
        flux->SetValue(120);
        power = AddSpin("PWRSpin", "Power output (Watts)", 40);
        power->SetMinValue(5);
        power->SetMaxValue(2500);
        power->SetValue(100);
        angle = AddSpin("ANGSpin", "Minimum takeoff angle in degrees", 70);
        angle->SetMaxValue(90);
        angle->SetValue(10);
        frequency = AddSpin("FreqSpin", "Mhz", 100);
        frequency->SetValueType(vtFloat);
        frequency->SetDecimal(3);
        frequency->SetMinValue(1);
        frequency->SetMaxValue(30);
        frequency->SetValue(21);
    }

    TKvSpinEdit* AddSpin(const std::string& Name, const std::string& Caption, int Top)
    {
        auto* label = AddControl<TLabel>(*form, Bounds(10, Top + 4, 190, 13));
        label->SetCaption(Caption);
        auto* spin = AddControl<TKvSpinEdit>(*form, Bounds(200, Top, 80, 21));
        spin->SetName(Name);
        return spin;
    }

    TKvSpinEdit* flux = nullptr;
    TKvSpinEdit* power = nullptr;
    TKvSpinEdit* angle = nullptr;
    TKvSpinEdit* frequency = nullptr;
};

TEST_F(MainWindowSpinEditsTest, ShowTheirValuesAndRenderWithAndWithoutThemes)
{
    form->Show();
    EXPECT_EQ(flux->GetText(), "120.00");
    EXPECT_EQ(power->GetText(), "100");
    EXPECT_EQ(angle->GetText(), "10");
    EXPECT_EQ(frequency->GetText(), "21.000");
    frequency->SetFocus();
    const QImage themed = pt::Screenshot(*form, "main-window-spin-edits-themed.png");
    ui.Base().Themes().SetThemesEnabled(false);
    form->Perform(CM_SYSCOLORCHANGE);
    const QImage classic = pt::Screenshot(*form, "main-window-spin-edits-classic.png");
    EXPECT_NE(themed, classic);
}

TEST_F(MainWindowSpinEditsTest, ValuesTypedThereReadBackAsTyped)
{
    form->Show();
    struct Case {
        TKvSpinEdit* Spin;
        const char* Typed;
        const char* Shown;
        long double Value;
    };
    const Case cases[] = {
        {power, "100", "100", 100},
        {power, "1500", "1500", 1500},
        {power, "3", "5", 5},
        {angle, "95", "90", 90},
        {frequency, "14.1", "14.100", 14.1L},
        {flux, "1234.5", "1234.50", 1234.5L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Spin->GetName()) + " <- " + c.Typed);
        c.Spin->SetFocus();
        c.Spin->SelectAll();
        ui.Simulator().TypeText(c.Typed);
        ui.Simulator().KeyPress(VK_TAB);
        EXPECT_EQ(c.Spin->GetText(), c.Shown);
        EXPECT_DOUBLE_EQ(static_cast<double>(c.Spin->GetValue()), static_cast<double>(c.Value));
    }
}

}  // namespace
