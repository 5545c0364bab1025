// The pager stylers: defaults, the built-in looks, the change kinds their pagers hear, copying,
// the theme notifier window and following the office theme.

#include "foundation/TRegMonitorThread.h"
#include "pager/office/TNotifierWindow.h"
#include "pager/office/TVezOfficePagerOfficeStyler.h"
#include "platform/controls/core/Messages.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace skelda::pager {
namespace {

// A pager as far as its styler is concerned: it keeps what it hears.
class RecordingPager : public IPagerStylerClient {
public:
    std::vector<TStylerChange> Kinds;
    int TonesReceived = 0;
    TCustomVezOfficePagerStyler* Styler = nullptr;

    void StylerChanged(TStylerChange Kind) override { Kinds.push_back(Kind); }
    void SetColorTones(const foundation::TColorTones&) override { ++TonesReceived; }
    void StylerDestroying(TCustomVezOfficePagerStyler& Going) override
    {
        if (Styler == &Going)
            Styler = nullptr;
    }
};

class OfficeStylerTest : public ::testing::Test {
protected:
    OfficeStylerTest() { styler->AddControl(&pager); }

    // The pager outlives the styler, which tells it goodbye.
    RecordingPager pager;
    std::unique_ptr<TVezOfficePagerOfficeStyler> styler = std::make_unique<TVezOfficePagerOfficeStyler>(nullptr);
};

TEST_F(OfficeStylerTest, NewStylerWearsTheLunaLook)
{
    EXPECT_EQ(styler->GetStyle(), psOffice2007Luna);
    EXPECT_EQ(styler->GetBlendFactor(), 50);
    EXPECT_TRUE(styler->GetRoundEdges());
    EXPECT_TRUE(styler->GetShow3D());
    EXPECT_TRUE(styler->GetShowShadow());
    EXPECT_FALSE(styler->GetAutoThemeAdapt());
    EXPECT_FALSE(styler->GetMetro());
    EXPECT_EQ(styler->GetMetroStyle(), foundation::msLight);
    EXPECT_EQ(styler->GetMetroTextColor(), 0x000000u);
    EXPECT_EQ(styler->GetMetroColor(), foundation::MakeDefaultTones().Selected.BrushColor);
    EXPECT_EQ(styler->TabAppearance().BackGround().GetColor(), 0xFFDBBFu);
    EXPECT_EQ(styler->TabAppearance().BackGround().GetColorTo(), plat::clNone);
    EXPECT_EQ(styler->TabAppearance().GetTextColorDisabled(), 0x808080u);
    EXPECT_EQ(styler->GlowButtonAppearance().GetBorderColorDisabled(), 0xD3D3D3u);
    EXPECT_EQ(styler->TabAppearance().Font().GetName(), "Tahoma") << "no look sets the tab font";
}

TEST_F(OfficeStylerTest, EachLookItsDistinctiveValues)
{
    const struct {
        TOfficePagerStyle Style;
        plat::TColor StripColor;
        plat::TColor TabBorder;
        plat::TColor SelectedText;
        plat::TColor HotTab;
        TGDIPGradient HotGradient;
        plat::TColor Shadow;
        plat::TColor PageColor;
        plat::TColor PageMirror;
        bool RoundEdges;
        plat::TColor GlowHot;
        plat::TColor GlowDown;
        int BlendFactor;
    } cases[] = {
        // clang-format off
        {psOffice2003Blue, 0xE4AE88, plat::clNone, 0x000000, 0xCCF4FF, ggVertical, 0xA3673F, 0xFDEADA, 0xFADAC4, true, 0xEBFDFF, 0x76AFF1, 50},
        {psOffice2003Silver, 0xE6D8D8, plat::clNone, 0x000000, 0xCCF4FF, ggVertical, 0xBCADA7, 0xF7F3F3, 0xE6D8D8, true, 0xCCF4FF, 0x4E91FE, 50},
        {psOffice2003Olive, 0x8CC0B1, plat::clNone, 0x000000, 0xCCF4FF, ggVertical, 0x648C82, 0xCFF0EA, 0xCFF0EA, true, 0xCCF4FF, 0x4E91FE, 50},
        {psOffice2003Classic, 0xC9D1D5, plat::clNone, 0x000000, 0xCCF4FF, ggVertical, 0xA1A7AA, 0xFFFFFF, 0xC9D1D5, true, 0xEBFDFF, 0x76AFF1, 80},
        {psOffice2007Obsidian, 0x535353, plat::clNone, 0x000000, 0x5B7078, ggRadial, 0x000000, 0xCFC6C1, 0xC5BBB4, true, 0xEBFDFF, 0x76AFF1, 50},
        {psWindowsXP, plat::clBtnFace, plat::clNone, 0x000000, 0xEFD3C6, ggVertical, 0xBFA99E, plat::clBtnFace, plat::clBtnFace, false, 0xEFD3C6, 0xB59284, 50},
        {psWhidbey, 0x859D9D, plat::clNone, 0x000000, 0xCCF4FF, ggVertical, 0x648C82, 0xFFFFFF, 0xD9E9EC, true, 0xEBFDFF, 0x76AFF1, 50},
        {psOffice2007Silver, 0xDDD4D0, plat::clNone, 0x5C534C, 0xCEE1E9, ggRadial, 0xD6CDC9, 0xF9F5F3, 0xE7DCD5, true, 0xEBFDFF, 0x76AFF1, 50},
        {psWindowsVista, 0xFFFDF9, 0xFCF2DA, 0x000000, 0xFFFDF9, ggVertical, 0xFBEDD3, 0xFFFDF9, 0xFDF0D7, false, plat::clNone, 0xFCEFD5, 50},
        {psWindows7, 0xFCEBDC, 0xCEA27D, 0x000000, 0xFDFBFA, ggVertical, 0xFAE9C6, 0xFCEBDC, 0xFCDBC1, false, 0xFDFBFA, 0xFCEBDC, 50},
        {psTerminal, plat::clBtnFace, 0x808080, 0xFFFFFF, 0xC0C0C0, ggVertical, 0x808080, plat::clBtnFace, plat::clBtnFace, false, 0xC0C0C0, plat::clHighlight, 50},
        {psOffice2010Blue, 0xF0DAC7, 0xC7B29F, 0x000000, 0xF2EBE4, ggVertical, 0xC7B29F, 0xFDF6EF, 0xF0DAC7, false, 0x8AE3FD, 0x6CD0FF, 50},
        {psOffice2010Silver, 0xEDE5E0, 0xD2CDC8, 0x000000, 0xFDFBFA, ggVertical, 0xBFBAB6, 0xFFFFFF, 0xEDE5E0, false, 0x8AE3FD, 0x6CD0FF, 50},
        {psOffice2010Black, 0x919191, 0x6D6D6D, 0x000000, 0x949494, ggVertical, 0xBEBEBE, 0xBFBFBF, 0x919191, false, 0x8AE3FD, 0x6CD0FF, 50},
        {psOffice2007Luna, 0xFFDBBF, plat::clNone, 0x8B4215, 0xDDE5E4, ggRadial, 0xE8C7AE, 0xFAF1E9, 0xEDD8C7, true, 0xEBFDFF, 0x76AFF1, 50},
        // clang-format on
    };
    for (const auto& c : cases) {
        styler->SetStyle(c.Style);
        const TTabAppearance& tab = styler->TabAppearance();
        TVistaBackground& page = styler->PageAppearance();
        TGlowButtonAppearance& glow = styler->GlowButtonAppearance();
        const std::string at = "style " + std::to_string(c.Style);
        EXPECT_EQ(tab.BackGround().GetColor(), c.StripColor) << at;
        EXPECT_EQ(tab.GetBorderColor(), c.TabBorder) << at;
        EXPECT_EQ(tab.GetTextColorSelected(), c.SelectedText) << at;
        EXPECT_EQ(tab.GetColorHot(), c.HotTab) << at;
        EXPECT_EQ(tab.GetGradientHot(), c.HotGradient) << at;
        EXPECT_EQ(tab.GetShadowColor(), c.Shadow) << at;
        EXPECT_EQ(tab.GetColorMirrorDisabled(), tab.GetColorDisabled()) << at;
        EXPECT_EQ(page.GetColor(), c.PageColor) << at;
        EXPECT_EQ(page.GetColorMirror(), c.PageMirror) << at << ": the page's mirror is its ColorTo";
        EXPECT_EQ(page.GetColorTo(), c.PageMirror) << at;
        EXPECT_EQ(styler->GetRoundEdges(), c.RoundEdges) << at;
        EXPECT_EQ(glow.GetColorHot(), c.GlowHot) << at;
        EXPECT_EQ(glow.GetColorDown(), c.GlowDown) << at;
        EXPECT_EQ(glow.GetGradientMirrorChecked(), ggVertical) << at;
        EXPECT_EQ(styler->GetBlendFactor(), c.BlendFactor) << at;
    }
}

TEST_F(OfficeStylerTest, LooksLeaveWhatTheyDoNotName)
{
    styler->SetStyle(psOffice2003Classic);
    EXPECT_EQ(styler->GetBlendFactor(), 80);
    styler->SetStyle(psOffice2003Blue);
    EXPECT_EQ(styler->GetBlendFactor(), 50);

    styler->SetStyle(psOffice2007Luna);
    styler->SetStyle(psWindowsVista);
    EXPECT_EQ(styler->TabAppearance().GetHighLightColor(), 0xFFFABFu) << "Vista keeps the Luna highlight";

    styler->SetStyle(psWindows7);
    EXPECT_EQ(styler->GlowButtonAppearance().GetBorderColorChecked(), plat::clHighlight);
    styler->SetStyle(psTerminal);
    EXPECT_EQ(styler->GlowButtonAppearance().GetBorderColorChecked(), plat::clHighlight)
        << "the terminal look keeps the checked border";

    EXPECT_EQ(styler->TabAppearance().BackGround().GetDirection(), gdHorizontal);
    styler->SetStyle(psOffice2007Obsidian);
    EXPECT_EQ(styler->TabAppearance().BackGround().GetDirection(), gdVertical);

    styler->TabAppearance().SetColor(0x123456);
    styler->SetBlendFactor(7);
    styler->SetStyle(psOffice2010Blue);
    EXPECT_EQ(styler->TabAppearance().GetColor(), 0x123456u) << "no look sets the tab's own colour";

    pager.Kinds.clear();
    styler->SetStyle(psCustom);
    EXPECT_EQ(pager.Kinds, std::vector<TStylerChange>{scPageAppearance}) << "psCustom only announces";
    EXPECT_EQ(styler->PageAppearance().GetColor(), 0xFDF6EFu);
    pager.Kinds.clear();
    styler->SetStyle(psCustom);
    EXPECT_TRUE(pager.Kinds.empty()) << "the current look again does nothing";
}

TEST_F(OfficeStylerTest, EveryChangeKindReachesThePagers)
{
    const struct {
        const char* Name;
        std::function<void(TVezOfficePagerOfficeStyler&)> Action;
        TStylerChange Kind;
    } cases[] = {
        {"tab colour", [](auto& s) { s.TabAppearance().SetColorSelected(0x010101); }, scTabAppearance},
        {"strip", [](auto& s) { s.TabAppearance().BackGround().SetSteps(3); }, scTabAppearance},
        {"Show3D", [](auto& s) { s.SetShow3D(false); }, scTabAppearance},
        {"ShowShadow", [](auto& s) { s.SetShowShadow(false); }, scTabAppearance},
        {"page", [](auto& s) { s.PageAppearance().SetBorderColor(0x010101); }, scPageAppearance},
        {"round edges", [](auto& s) { s.SetRoundEdges(false); }, scRoundEdges},
        {"glow", [](auto& s) { s.GlowButtonAppearance().SetColorHot(0x010101); }, scGlowButtonAppearance},
        {"font", [](auto& s) { s.TabAppearance().Font().SetSize(11); }, scTabFont},
    };
    RecordingPager second;
    styler->AddControl(&second);
    for (const auto& c : cases) {
        pager.Kinds.clear();
        second.Kinds.clear();
        c.Action(*styler);
        EXPECT_EQ(pager.Kinds, std::vector<TStylerChange>{c.Kind}) << c.Name;
        EXPECT_EQ(second.Kinds, pager.Kinds) << c.Name;
    }
    styler->RemoveControl(&second);
    EXPECT_EQ(styler->ControlCount(), 1);
    EXPECT_THROW(styler->Control(1), plat::EListError);
}

TEST_F(OfficeStylerTest, AssignCopiesTheLookButNotTheGlowButtons)
{
    TVezOfficePagerOfficeStyler source(nullptr);
    source.SetStyle(psOffice2010Black);
    source.SetShow3D(false);
    const plat::TColor glowBefore = styler->GlowButtonAppearance().GetColorHot();
    styler->Assign(source);
    EXPECT_EQ(styler->TabAppearance().BackGround().GetColor(), 0x919191u);
    EXPECT_EQ(styler->PageAppearance().GetColor(), 0xBFBFBFu);
    EXPECT_FALSE(styler->GetRoundEdges());
    EXPECT_FALSE(styler->GetShow3D());
    EXPECT_EQ(styler->GlowButtonAppearance().GetColorHot(), glowBefore);
    EXPECT_EQ(styler->GetStyle(), psOffice2007Luna) << "the style itself is not copied";
}

TEST_F(OfficeStylerTest, PagersLetGoOfAGoneStylerAndGoneComponentsLeaveTheList)
{
    pager.Styler = styler.get();
    styler.reset();
    EXPECT_EQ(pager.Styler, nullptr);

    TVezOfficePagerOfficeStyler other(nullptr);
    auto* component = new plat::TComponent(nullptr);
    RecordingPager componentPager;
    other.AddControl(&componentPager, component);
    EXPECT_EQ(other.ControlCount(), 1);
    delete component;
    EXPECT_EQ(other.ControlCount(), 0);
}

TEST(NotifierWindowTest, ThemeMessagesFireOnThemeChange)
{
    TNotifierWindow window(nullptr);
    int fired = 0;
    window.OnThemeChange = [&](plat::TObject* Sender) {
        EXPECT_EQ(Sender, &window);
        ++fired;
    };
    window.Perform(plat::WM_THEMECHANGED);
    window.Perform(foundation::WM_OFFICETHEMECHANGED);
    EXPECT_EQ(fired, 2);
    window.Perform(plat::WM_SIZE);
    EXPECT_EQ(fired, 2);
}

TEST_F(OfficeStylerTest, AutoThemeAdaptFollowsTheDetectedOfficeTheme)
{
    foundation::TOfficeTheme theme = foundation::ot2010Black;
    int detections = 0;
    styler->DetectTheme = [&] {
        ++detections;
        return theme;
    };
    styler->NotifierWindow()->Perform(plat::WM_THEMECHANGED);
    EXPECT_EQ(detections, 0) << "nothing is asked while AutoThemeAdapt is off";

    styler->SetAutoThemeAdapt(true);
    EXPECT_EQ(styler->GetStyle(), psOffice2010Black);

    pager.Kinds.clear();
    styler->NotifierWindow()->Perform(plat::WM_THEMECHANGED);
    EXPECT_EQ(detections, 2);
    EXPECT_TRUE(pager.Kinds.empty()) << "the same theme again changes nothing";

    theme = foundation::ot2003Olive;
    styler->NotifierWindow()->Perform(foundation::WM_OFFICETHEMECHANGED);
    EXPECT_EQ(styler->GetStyle(), psOffice2003Olive);

    theme = foundation::otUnknown;
    styler->NotifierWindow()->Perform(plat::WM_THEMECHANGED);
    EXPECT_EQ(styler->GetStyle(), psCustom);
    EXPECT_EQ(styler->PageAppearance().GetColor(), 0xCFF0EAu) << "an unknown theme changes no colour";

    theme = foundation::ot2007Blue;
    styler->SetDesigning(true);
    styler->NotifierWindow()->Perform(plat::WM_THEMECHANGED);
    EXPECT_EQ(styler->GetStyle(), psCustom) << "the designer does not follow the theme";
}

TEST_F(OfficeStylerTest, MetroTonesReachThePagersOnlyInTheCustomLook)
{
    styler->SetMetro(true);
    EXPECT_EQ(pager.TonesReceived, 0);
    styler->SetStyle(psCustom);
    styler->SetMetroColor(0x00AA00);
    EXPECT_EQ(pager.TonesReceived, 1);
    styler->SetMetroStyle(foundation::msDark);
    EXPECT_EQ(pager.TonesReceived, 2);
    EXPECT_EQ(styler->Tones().Selected.BrushColor,
              foundation::MakeMetroTones(false, 0x00AA00, 0x000000).Selected.BrushColor);

    styler->SetComponentStyle(foundation::tsOffice2010Silver);
    EXPECT_EQ(styler->GetStyle(), psOffice2010Silver);
}

}  // namespace
}  // namespace skelda::pager
