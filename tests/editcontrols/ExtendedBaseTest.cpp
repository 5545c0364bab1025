#include "editcontrols/base/DialogCodeFlags.h"
#include "editcontrols/base/FlatBorder.h"
#include "editcontrols/base/IKvDenySubClassing.h"
#include "editcontrols/base/TKvExCustomMaskEdit.h"
#include "editcontrols/base/TKvExCustomPanel.h"
#include "editcontrols/base/TKvExGraphicControl.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/THintWindow.h"
#include "platform/graphics/TBitmap.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "tests/editcontrols/EditControlsFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace plat;
using namespace skelda::editcontrols;
using ::testing::ElementsAre;
namespace pt = plat::testing;
namespace et = skelda::editcontrols::testing;

namespace {

// Logs the operations the family calls and the messages its inherited handling passes on.
class TProbeEdit : public TKvExCustomMaskEdit {
public:
    TProbeEdit(TComponent* AOwner, pt::EventLog& Log) : TKvExCustomMaskEdit(AOwner), FLog(Log) {}

    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE)
            FLog.Add(std::string("inherited ") + (Message.Msg == CM_MOUSEENTER ? "enter" : "leave") +
                     (GetMouseOver() ? " over" : ""));
        if (Message.Msg == CM_CONTROLLISTCHANGE || Message.Msg == CM_CONTROLCHANGE)
            FLog.Add(std::string("inherited ") + (Message.Msg == CM_CONTROLLISTCHANGE ? "44" : "54") +
                     (Message.LParam ? " inserting" : ""));
        TKvExCustomMaskEdit::Dispatch(Message);
    }

    std::function<void(TDialogCodeFlags&)> Adjust;
    std::function<bool(TCanvas&, LPARAM)> Background;

protected:
    void AdjustDialogCodes(TDialogCodeFlags& Codes) override
    {
        if (Adjust)
            Adjust(Codes);
    }
    bool PaintBackground(TCanvas& Canvas, LPARAM Param) override
    {
        FLog.Add("PaintBackground " + std::to_string(Param));
        return Background ? Background(Canvas, Param) : TKvExCustomMaskEdit::PaintBackground(Canvas, Param);
    }
    bool AcceptDialogChar(std::uint16_t Key, TShiftState Shift, const std::string& KeyText) override
    {
        FLog.Add("AcceptDialogChar " + std::to_string(Key) + " " + KeyText + (Shift.Contains(ssAlt) ? " alt" : ""));
        return TKvExCustomMaskEdit::AcceptDialogChar(Key, Shift, KeyText);
    }
    bool HitTestAt(int X, int Y) override
    {
        FLog.Add("HitTestAt " + std::to_string(X) + " " + std::to_string(Y));
        return TKvExCustomMaskEdit::HitTestAt(X, Y);
    }
    void NotifyFocusSet(TWinControl* PreviousWnd) override
    {
        FLog.Add(std::string("FocusSet") + (PreviousWnd ? " from control" : ""));
        TKvExCustomMaskEdit::NotifyFocusSet(PreviousWnd);
    }
    void NotifyBoundsChanged() override { FLog.Add("BoundsChanged " + std::to_string(GetWidth())); }
    void NotifyControlsListChanging(TControl* Control, bool Inserting) override
    {
        FLog.Add(std::string("Changing") + (Control == this ? " self" : "") + (Inserting ? " inserting" : ""));
        TKvExCustomMaskEdit::NotifyControlsListChanging(Control, Inserting);
    }
    void NotifyControlsListChanged(TControl* Control, bool Inserting) override
    {
        FLog.Add(std::string("Changed") + (Control == this ? " self" : "") + (Inserting ? " inserting" : ""));
        TKvExCustomMaskEdit::NotifyControlsListChanged(Control, Inserting);
    }

private:
    pt::EventLog& FLog;
};

class TProbeGraphic : public TKvExGraphicControl {
public:
    TProbeGraphic(TComponent* AOwner, pt::EventLog& Log) : TKvExGraphicControl(AOwner), FLog(Log) {}

    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE)
            FLog.Add(std::string("inherited ") + (Message.Msg == CM_MOUSEENTER ? "enter" : "leave") +
                     (GetMouseOver() ? " over" : ""));
        TKvExGraphicControl::Dispatch(Message);
    }

protected:
    bool HitTestAt(int X, int Y) override
    {
        FLog.Add("HitTestAt " + std::to_string(X) + " " + std::to_string(Y));
        return TKvExGraphicControl::HitTestAt(X, Y);
    }

private:
    pt::EventLog& FLog;
};

class TSealedPanel : public TKvExCustomPanel, public IKvDenySubClassing {
public:
    using TKvExCustomPanel::TKvExCustomPanel;
};

class ExtendedBaseTest : public et::EditControlsFixture {
protected:
    template <typename T>
    T* AddProbe(TRect Bounds)
    {
        T* control = new T(form, log);
        control->SetBoundsRect(Bounds);
        control->SetParent(form);
        log.Clear();
        return control;
    }
};

TEST(DialogCodeFlags, TranslateBothWaysAndDropBitsWithoutAFlag)
{
    EXPECT_EQ(DialogCodesToFlags(DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_DEFPUSHBUTTON),
              (TDialogCodeFlags{dfArrows, dfChars, dfHasSetSel}));
    EXPECT_EQ(FlagsToDialogCodes({dfAllKeys, dfTab, dfButton, dfNative}),
              DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_BUTTON);
}

TEST_F(ExtendedBaseTest, DialogCodeAnswerChangesOnlyWhenTheOverrideDropsNative)
{
    auto* edit = AddProbe<TProbeEdit>(Bounds(10, 10, 100, 21));
    constexpr unsigned native = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
    struct Case {
        const char* Name;
        std::function<void(TDialogCodeFlags&)> Adjust;
        unsigned Expected;
    };
    const Case cases[] = {
        {"untouched", nullptr, native},
        {"tab added, native kept", [](TDialogCodeFlags& f) { f.Include(dfTab); }, native},
        {"tab added, native dropped", [](TDialogCodeFlags& f) { f.Include(dfTab).Exclude(dfNative); },
         native | DLGC_WANTTAB},
        {"arrows dropped", [](TDialogCodeFlags& f) { f.Exclude(dfArrows).Exclude(dfNative); },
         DLGC_WANTCHARS | DLGC_HASSETSEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TDialogCodeFlags seen;
        edit->Adjust = [&](TDialogCodeFlags& flags) {
            seen = flags;
            if (c.Adjust)
                c.Adjust(flags);
        };
        EXPECT_EQ(static_cast<unsigned>(edit->Perform(WM_GETDLGCODE)), c.Expected);
        EXPECT_EQ(seen, (TDialogCodeFlags{dfArrows, dfChars, dfHasSetSel, dfNative}));
    }
}

TEST_F(ExtendedBaseTest, ClipboardCommandsLeftOutAreAnsweredAndDoNothing)
{
    struct Case {
        TKvClipboardCommand Command;
        unsigned Msg;
        const char* TextWhenAllowed;
        const char* ClipboardWhenAllowed;
    };
    const Case cases[] = {
        {caCut, WM_CUT, "ab", "cd"},
        {caCopy, WM_COPY, "abcd", "cd"},
        {caPaste, WM_PASTE, "abpasted", "pasted"},
        {caClear, WM_CLEAR, "ab", "pasted"},
        {caUndo, WM_UNDO, "abcd", "pasted"},
        {caUndo, EM_UNDO, "abcd", "pasted"},
    };
    auto* edit = AddProbe<TProbeEdit>(Bounds(10, 10, 100, 21));
    form->Show();
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Msg);
        for (const bool allowed : {false, true}) {
            clipboard->setText("pasted");
            edit->SetText("abcd");
            edit->SetSelStart(2);
            edit->SetSelLength(2);
            const TKvClipboardCommands allButThis = AllClipboardCommands - TKvClipboardCommands{c.Command};
            edit->SetClipboardCommands(allowed ? AllClipboardCommands : allButThis);
            const LRESULT result = edit->Perform(c.Msg);
            EXPECT_EQ(edit->GetText(), allowed ? c.TextWhenAllowed : "abcd");
            EXPECT_EQ(clipboard->text().toStdString(), allowed ? c.ClipboardWhenAllowed : "pasted");
            if (!allowed) {
                EXPECT_EQ(result, 1);
            }
        }
    }
    // The keys of the commands go the same way.
    edit->SetClipboardCommands({});
    edit->SetText("");
    edit->SetFocus();
    ui.Simulator().KeyPress('V', {ssCtrl});
    ui.Simulator().KeyPress(VK_INSERT, {ssShift});
    EXPECT_EQ(edit->GetText(), "");
}

TEST_F(ExtendedBaseTest, MouseEnterFiresBeforeAndMouseLeaveAfterTheInheritedHandling)
{
    auto* edit = AddProbe<TProbeEdit>(Bounds(10, 10, 100, 21));
    auto* graphic = AddProbe<TProbeGraphic>(Bounds(10, 50, 40, 20));
    edit->OnMouseEnter = graphic->OnMouseEnter = log.Notify("OnMouseEnter");
    edit->OnMouseLeave = graphic->OnMouseLeave = log.Notify("OnMouseLeave");
    form->Show();
    for (TControl* control : {static_cast<TControl*>(edit), static_cast<TControl*>(graphic)}) {
        SCOPED_TRACE(control->ClassName());
        ui.Simulator().MouseMove(*form, {300, 300});
        log.Clear();
        ui.Simulator().MouseMove(*control, {3, 3});
        ui.Simulator().MouseMove(*form, {300, 300});
        EXPECT_THAT(log.Entries(),
                    ElementsAre("OnMouseEnter", "inherited enter over", "inherited leave", "OnMouseLeave"));
    }
}

TEST_F(ExtendedBaseTest, MessagesReachTheirOperationsWithTheirArguments)
{
    auto* graphic = AddProbe<TProbeGraphic>(Bounds(10, 50, 40, 20));
    auto* edit = AddProbe<TProbeEdit>(Bounds(10, 10, 100, 21));
    edit->Perform(CM_DIALOGCHAR, U'k', 0x20000000);
    edit->Perform(CM_HITTEST, 0, MAKELPARAM(-3, 7));
    graphic->Perform(CM_HITTEST, 0, MAKELPARAM(12, -1));
    edit->SetWidth(90);
    EXPECT_THAT(log.Entries(), ElementsAre("AcceptDialogChar 107 k alt", "HitTestAt -3 7", "HitTestAt 12 -1",
                                           "BoundsChanged 90"));
}

// CM_CONTROLLISTCHANGE (44) and CM_CONTROLCHANGE (54) reach the two operations crosswise, and
// each default passes on the message that leads to it.
TEST_F(ExtendedBaseTest, ControlListMessagesReachTheOperationsCrosswise)
{
    auto* edit = AddProbe<TProbeEdit>(Bounds(10, 10, 100, 21));
    const auto self = reinterpret_cast<WPARAM>(edit);
    struct Case {
        unsigned Msg;
        bool Inserting;
        const char* Operation;
        const char* Passed;
    };
    const Case cases[] = {
        {CM_CONTROLLISTCHANGE, true, "Changing self inserting", "inherited 44 inserting"},
        {CM_CONTROLLISTCHANGE, false, "Changed self", "inherited 44"},
        {CM_CONTROLCHANGE, true, "Changed self inserting", "inherited 54 inserting"},
        {CM_CONTROLCHANGE, false, "Changing self", "inherited 54"},
    };
    for (const Case& c : cases) {
        log.Clear();
        edit->Perform(c.Msg, self, c.Inserting ? 1 : 0);
        EXPECT_THAT(log.Entries(), ElementsAre(c.Operation, c.Passed));
    }
}

TEST_F(ExtendedBaseTest, EraseWithoutACanvasNeverReachesPaintBackground)
{
    auto* edit = AddProbe<TProbeEdit>(Bounds(10, 10, 100, 21));
    EXPECT_EQ(edit->Perform(WM_ERASEBKGND, 0, 5), 0);
    EXPECT_TRUE(log.Entries().empty());

    TBitmap bitmap;
    bitmap.SetSize(20, 20);
    TCanvas& canvas = bitmap.Canvas();
    edit->Background = [](TCanvas& Canvas, LPARAM) {
        Canvas.SetViewportOrg({5, 5});
        return false;
    };
    EXPECT_EQ(edit->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&canvas), 7), 0);
    EXPECT_EQ(canvas.GetViewportOrg(), (TPoint{0, 0})) << "the canvas's state is put back";
    edit->Background = [](TCanvas& Canvas, LPARAM) {
        Canvas.SetViewportOrg({5, 5});
        throw EInvalidOperation("broken painting");
        return true;
    };
    EXPECT_THROW(edit->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&canvas), 7), EInvalidOperation);
    EXPECT_EQ(canvas.GetViewportOrg(), (TPoint{0, 0})) << "also after an exception";
    edit->Background = nullptr;
    EXPECT_EQ(edit->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&canvas), 7), 1) << "the inherited erase";
    EXPECT_THAT(log.Entries(), ElementsAre("PaintBackground 7", "PaintBackground 7", "PaintBackground 7"));
}

TEST_F(ExtendedBaseTest, HintColourComesFromTheControlTheParentOrTheApplication)
{
    auto* outer = AddControl<TKvExCustomPanel>(*form, Bounds(0, 0, 200, 100));
    auto* inner = new TKvExCustomPanel(form);
    inner->SetParent(outer);
    auto* orphan = new TKvExCustomPanel(form);
    Application->SetHintColor(clAqua);
    THintWindowClass windowClass = [](TComponent* AOwner) { return new THintWindow(AOwner); };
    auto hintColorOf = [](TControl& Control, TColor Given) {
        THintInfo info;
        info.HintColor = Given;
        Control.Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
        return info.HintColor;
    };
    outer->SetHintColor(clYellow);
    EXPECT_EQ(hintColorOf(*outer, clInfoBk), clYellow);
    EXPECT_EQ(hintColorOf(*inner, clInfoBk), clYellow) << "clDefault asks the parent";
    EXPECT_EQ(hintColorOf(*orphan, clLime), clLime) << "without a parent the colour stays";
    inner->SetHintColor(clNone);
    EXPECT_EQ(hintColorOf(*inner, clInfoBk), clAqua) << "clNone is the application's colour";

    THintInfo info;
    EXPECT_FALSE(info.HintWindowClass);
    inner->SetHintWindowClass(windowClass);
    inner->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_TRUE(info.HintWindowClass);
}

TEST_F(ExtendedBaseTest, OnlyClassesThatDenySubclassingSayYes)
{
    auto* sealed = AddControl<TSealedPanel>(*form, Bounds(0, 0, 50, 50));
    auto* open = AddControl<TKvExCustomPanel>(*form, Bounds(60, 0, 50, 50));
    auto* graphic = AddProbe<TProbeGraphic>(Bounds(0, 60, 50, 20));
    EXPECT_EQ(sealed->Perform(CM_DENYSUBCLASSING), 1);
    EXPECT_EQ(open->Perform(CM_DENYSUBCLASSING), 0);
    EXPECT_EQ(graphic->Perform(CM_DENYSUBCLASSING), 0);
}

TEST_F(ExtendedBaseTest, ParentColourChangeFiresItsEventAfterTakingTheColour)
{
    auto* panel = AddControl<TKvExCustomPanel>(*form, Bounds(0, 0, 50, 50));
    panel->SetParentColor(true);
    panel->OnParentColorChanged = [&](TObject*) { log.Add(panel->GetColor() == clTeal ? "teal" : "other"); };
    form->SetColor(clTeal);
    EXPECT_THAT(log.Entries(), ElementsAre("teal"));
}

// The flat border replaces the frame: grey outside and the face colour inside when the control
// is idle, the highlight colour in both rings when it has the focus or the mouse.
TEST_F(ExtendedBaseTest, FlatBorderShowsFocusAndMouseOver)
{
    auto* edit = AddProbe<TProbeEdit>(Bounds(10, 10, 100, 21));
    auto* other = AddProbe<TProbeEdit>(Bounds(10, 40, 100, 21));
    edit->SetColor(clYellow);
    form->Show();
    other->SetFocus();
    auto rings = [&] {
        const QImage image = pt::Screenshot(*edit);
        return std::make_pair(pt::PixelAt(image, 0, 10), pt::PixelAt(image, 1, 10));
    };
    const auto plain = rings();
    EXPECT_NE(plain.first, FlatBorderShadowColor);

    edit->SetDotNetHighlighting(true);
    EXPECT_EQ(rings(), std::make_pair(FlatBorderShadowColor, clYellow));
    edit->SetFocus();
    EXPECT_EQ(rings(), std::make_pair(FlatBorderHighlightColor, FlatBorderHighlightColor));
    other->SetFocus();
    ui.Simulator().MouseMove(*edit, {20, 10});
    EXPECT_TRUE(edit->GetMouseOver());
    EXPECT_EQ(rings(), std::make_pair(FlatBorderHighlightColor, FlatBorderHighlightColor));
    ui.Simulator().MouseMove(*form, {200, 200});
    EXPECT_EQ(rings(), std::make_pair(FlatBorderShadowColor, clYellow));
}

}  // namespace
