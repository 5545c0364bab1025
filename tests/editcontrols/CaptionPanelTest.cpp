#include "editcontrols/base/IKvDenySubClassing.h"
#include "editcontrols/panel/TKvCapBtn.h"
#include "editcontrols/panel/TKvCaptionPanel.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TIcon.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "tests/editcontrols/EditControlsFixture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using namespace plat;
using namespace skelda::editcontrols;
namespace pt = plat::testing;
namespace et = skelda::editcontrols::testing;
using ::testing::ElementsAre;

namespace {

const char* SideName(TKvDrawPosition Side)
{
    switch (Side) {
    case dpLeft: return "left";
    case dpTop: return "top";
    case dpRight: return "right";
    default: return "bottom";
    }
}

class CaptionPanelTest : public et::EditControlsFixture {
protected:
    CaptionPanelTest()
    {
        form->SetClientWidth(600);
        form->SetClientHeight(400);
        form->Font().SetName("Tahoma");
        form->Font().SetHeight(-11);
    }

    TKvCaptionPanel* AddPanel(TRect Bounds = plat::Bounds(50, 40, 300, 200))
    {
        return AddControl<TKvCaptionPanel>(*form, Bounds);
    }

    // A press reaches the window under the pointer: the panel's. Form coordinates to the panel's.
    void PressAt(TKvCaptionPanel& Panel, TPoint FormPos)
    {
        const TPoint pos = Panel.ScreenToClient(form->ClientToScreen(FormPos));
        ui.Simulator().MouseMove(Panel, pos);
        ui.Simulator().MouseDown(Panel, pos);
    }

    std::string ButtonName(TKvCapBtnStyle Style) const
    {
        static const char* const names[] = {"close", "max", "min", "restore", "help"};
        return names[Style];
    }
};

TEST_F(CaptionPanelTest, StartsAsThePartSays)
{
    TKvCaptionPanel* panel = AddPanel();
    EXPECT_EQ(panel->GetCaptionPosition(), dpLeft);
    EXPECT_TRUE(panel->GetButtons().Empty());
    EXPECT_TRUE(panel->GetAutoDrag());
    EXPECT_TRUE(panel->GetResizable());
    EXPECT_FALSE(panel->GetOutlookLook());
    EXPECT_FALSE(panel->GetFlatButtons());
    EXPECT_EQ(panel->GetCaptionHeight(), 0);
    EXPECT_EQ(panel->GetCaptionColor(), clActiveCaption);
    EXPECT_EQ(panel->GetBorderStyle(), bsSingle);
    EXPECT_EQ(panel->CaptionFont().GetSize(), 10);
    EXPECT_EQ(panel->CaptionFont().GetStyle(), TFontStyles{fsBold});
    EXPECT_EQ(panel->CaptionFont().GetColor(), clWhite);
    EXPECT_TRUE(panel->Icon().GetEmpty());
    EXPECT_EQ(panel->CaptionThickness(), 23);
    for (const TKvCapBtnStyle style : {capClose, capMax, capMin, capRestore, capHelp}) {
        SCOPED_TRACE(ButtonName(style));
        const TKvCapBtn& button = panel->CaptionButton(style);
        EXPECT_EQ(button.GetStyle(), style);
        EXPECT_FALSE(button.GetVisible());
        EXPECT_EQ(button.GetParent(), panel);
        EXPECT_EQ(button.GetWidth(), 20);
        EXPECT_EQ(button.GetHeight(), 18);
    }
    EXPECT_EQ(panel->Perform(CM_DENYSUBCLASSING), 1);
    // The thick frame of a resizable panel; a dialog frame otherwise.
    EXPECT_EQ(panel->GetClientRect(), Rect(0, 0, 292, 192));
    panel->SetResizable(false);
    EXPECT_EQ(panel->GetClientRect(), Rect(0, 0, 294, 194));
}

TEST_F(CaptionPanelTest, TheCaptionShowsOnlyInTheBar)
{
    TKvCaptionPanel* panel = AddPanel();
    panel->SetCaption("Today Mon 15 January 2024");
    EXPECT_EQ(panel->GetCaption(), "Today Mon 15 January 2024");
    EXPECT_EQ(panel->GetText(), "");
}

TEST_F(CaptionPanelTest, BarButtonsAndChildrenTakeTheirRectanglesOnEverySide)
{
    struct Case {
        TKvDrawPosition Side;
        bool Outlook;
        bool Flat;
        TRect Bar;
        TPoint Close;
        TPoint Help;
        TRect Children;
    };
    // A 300 x 200 panel with the thick frame: client 292 x 192; system caption 23; caption buttons
    // 20 x 18; the panel's raised bevel keeps children one pixel in.
    const Case cases[] = {
        {dpLeft, false, false, Rect(2, 2, 25, 190), {4, 4}, {4, 24}, Rect(25, 1, 291, 191)},
        {dpLeft, false, true, Rect(2, 2, 25, 190), {4, 4}, {4, 25}, Rect(25, 1, 291, 191)},
        {dpLeft, true, false, Rect(0, 0, 20, 192), {0, 0}, {0, 18}, Rect(23, 1, 291, 191)},
        {dpLeft, true, true, Rect(0, 0, 21, 192), {0, 0}, {0, 19}, Rect(23, 1, 291, 191)},
        {dpTop, false, false, Rect(2, 2, 290, 25), {268, 5}, {246, 5}, Rect(1, 25, 291, 191)},
        {dpTop, false, true, Rect(2, 2, 290, 25), {267, 5}, {244, 5}, Rect(1, 25, 291, 191)},
        {dpTop, true, false, Rect(0, 0, 292, 18), {272, 0}, {252, 0}, Rect(1, 23, 291, 191)},
        {dpTop, true, true, Rect(0, 0, 292, 19), {271, 0}, {250, 0}, Rect(1, 23, 291, 191)},
        {dpRight, false, false, Rect(267, 2, 290, 190), {269, 170}, {269, 150}, Rect(1, 1, 267, 191)},
        {dpRight, false, true, Rect(267, 2, 290, 190), {269, 169}, {269, 148}, Rect(1, 1, 267, 191)},
        {dpRight, true, false, Rect(273, 0, 292, 192), {273, 174}, {273, 156}, Rect(1, 1, 269, 191)},
        {dpRight, true, true, Rect(272, 0, 292, 192), {272, 173}, {272, 154}, Rect(1, 1, 269, 191)},
        {dpBottom, false, false, Rect(2, 167, 290, 190), {268, 170}, {246, 170}, Rect(1, 1, 291, 167)},
        {dpBottom, false, true, Rect(2, 167, 290, 190), {267, 170}, {244, 170}, Rect(1, 1, 291, 167)},
        {dpBottom, true, false, Rect(0, 174, 292, 192), {272, 174}, {252, 174}, Rect(1, 1, 291, 169)},
        {dpBottom, true, true, Rect(0, 173, 292, 192), {271, 173}, {250, 173}, Rect(1, 1, 291, 169)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << SideName(c.Side) << (c.Outlook ? ", outlook" : "")
                                          << (c.Flat ? ", flat" : ""));
        TKvCaptionPanel* panel = AddPanel();
        auto* child = AddControl<TPanel>(*panel, Bounds(0, 0, 10, 10));
        child->SetAlign(alClient);
        panel->SetCaptionPosition(c.Side);
        panel->SetOutlookLook(c.Outlook);
        panel->SetFlatButtons(c.Flat);
        panel->SetButtons({capClose, capHelp});
        EXPECT_EQ(panel->CaptionRect(), c.Bar);
        EXPECT_EQ(panel->CaptionButton(capClose).GetBoundsRect(), Bounds(c.Close.X, c.Close.Y, 20, 18));
        EXPECT_EQ(panel->CaptionButton(capHelp).GetBoundsRect(), Bounds(c.Help.X, c.Help.Y, 20, 18));
        EXPECT_TRUE(panel->CaptionButton(capClose).GetVisible());
        EXPECT_TRUE(panel->CaptionButton(capHelp).GetVisible());
        EXPECT_FALSE(panel->CaptionButton(capMax).GetVisible());
        EXPECT_EQ(panel->CaptionButton(capClose).GetFlat(), c.Flat);
        EXPECT_EQ(child->GetBoundsRect(), c.Children);
        EXPECT_EQ(panel->ChildArea(), c.Children);
        delete panel;
    }
}

TEST_F(CaptionPanelTest, AllFiveButtonsLineUpInTheirOrder)
{
    TKvCaptionPanel* panel = AddPanel();
    panel->SetCaptionPosition(dpTop);
    panel->SetButtons({capClose, capMax, capMin, capRestore, capHelp});
    // Leftward from the right end: close, maximise, restore, minimise, help; 20 + 2 apart.
    EXPECT_EQ(panel->CaptionButton(capClose).GetLeft(), 268);
    EXPECT_EQ(panel->CaptionButton(capMax).GetLeft(), 246);
    EXPECT_EQ(panel->CaptionButton(capRestore).GetLeft(), 224);
    EXPECT_EQ(panel->CaptionButton(capMin).GetLeft(), 202);
    EXPECT_EQ(panel->CaptionButton(capHelp).GetLeft(), 180);
    panel->SetButtons({capMin});
    EXPECT_EQ(panel->CaptionButton(capMin).GetLeft(), 268);
    EXPECT_FALSE(panel->CaptionButton(capClose).GetVisible());
    panel->SetButtons({});
    for (const TKvCapBtnStyle style : {capClose, capMax, capMin, capRestore, capHelp})
        EXPECT_FALSE(panel->CaptionButton(style).GetVisible());
}

TEST_F(CaptionPanelTest, TheOutlookTopBarIsFivePixelsThinnerAtTheClientOrigin)
{
    TKvCaptionPanel* panel = AddPanel();
    panel->SetCaptionPosition(dpTop);
    panel->SetOutlookLook(true);
    EXPECT_EQ(panel->CaptionRect().Height(), 23 - 5);
    EXPECT_EQ(panel->CaptionRect().Left, 0);
    EXPECT_EQ(panel->CaptionRect().Top, 0);
    panel->SetCaptionHeight(30);
    EXPECT_EQ(panel->CaptionRect().Height(), 25);
    panel->SetOutlookLook(false);
    EXPECT_EQ(panel->CaptionRect(), Rect(2, 2, 290, 32));
}

TEST_F(CaptionPanelTest, DraggingTheBarMovesThePanelByTheMouseDelta)
{
    TKvCaptionPanel* panel = AddPanel();
    panel->OnStartAutoDrag = [this](TObject*, bool& Allow) { log.Add(Allow ? "start allowed" : "start refused"); };
    panel->OnEndAutoDrag = log.Notify("end");
    auto* other = AddControl<TPanel>(*form, Bounds(40, 30, 100, 100));
    form->Show();
    // The bar of the left side, in the form's coordinates: the client starts past the 4-pixel frame.
    const TPoint press{50 + 4 + 10, 40 + 4 + 60};
    PressAt(*panel, press);
    EXPECT_TRUE(panel->Dragging());
    EXPECT_EQ(form->Controls(form->ControlCount() - 1), panel);  // brought to the front
    ui.Simulator().MouseMove(*form, {press.X + 10, press.Y + 5});
    EXPECT_EQ(panel->GetBoundsRect(), Bounds(60, 45, 300, 200));
    ui.Simulator().MouseMove(*form, {press.X + 37, press.Y - 21});
    EXPECT_EQ(panel->GetBoundsRect(), Bounds(87, 19, 300, 200));
    ui.Simulator().MouseUp(*form, {press.X + 37, press.Y - 21});
    EXPECT_FALSE(panel->Dragging());
    EXPECT_EQ(panel->GetBoundsRect(), Bounds(87, 19, 300, 200));
    EXPECT_THAT(log.Entries(), ElementsAre("start allowed", "end"));
    EXPECT_EQ(GetCaptureControl(), nullptr);
    // After the release the mouse moves alone.
    ui.Simulator().MouseMove(*form, {300, 300});
    EXPECT_EQ(panel->GetBoundsRect(), Bounds(87, 19, 300, 200));
    (void)other;
}

TEST_F(CaptionPanelTest, OnlyAPressInTheBarOfAFreePanelDrags)
{
    struct Case {
        const char* Name;
        TAlign Align;
        bool AutoDrag;
        bool AllowInEvent;
        TPoint Press;  // panel client coordinates
        bool Drags;
    };
    const Case cases[] = {
        {"in the bar", alNone, true, true, {10, 60}, true},
        {"outside the bar", alNone, true, true, {100, 60}, false},
        {"auto drag off", alNone, false, true, {10, 60}, false},
        {"refused by the event", alNone, true, false, {10, 60}, false},
        {"aligned", alLeft, true, true, {10, 60}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TKvCaptionPanel* panel = AddPanel();
        panel->SetAutoDrag(c.AutoDrag);
        panel->SetAlign(c.Align);
        if (!c.AllowInEvent)
            panel->OnStartAutoDrag = [](TObject*, bool& Allow) { Allow = false; };
        form->Show();
        const TRect before = panel->GetBoundsRect();
        ui.Simulator().Drag(*panel, c.Press, {c.Press.X + 1, c.Press.Y + 1}, 1);
        EXPECT_EQ(panel->GetBoundsRect() != before, c.Drags);
        EXPECT_FALSE(panel->Dragging());
        delete panel;
    }

    // An aligned panel drags when OnStartAutoDrag allows it.
    TKvCaptionPanel* panel = AddPanel();
    panel->SetAlign(alLeft);
    panel->OnStartAutoDrag = [](TObject*, bool& Allow) { Allow = true; };
    form->Show();
    ui.Simulator().MouseDown(*panel, {10, 60});
    EXPECT_TRUE(panel->Dragging());
    ui.Simulator().MouseUp(*panel, {10, 60});
}

TEST_F(CaptionPanelTest, TheFrameSizesAResizablePanel)
{
    struct Case {
        const char* Name;
        TPoint Press;  // form coordinates
        TPoint By;
        TRect After;
    };
    // The panel (50, 40, 300, 200) has a 4-pixel frame.
    const Case cases[] = {
        {"right edge", {348, 140}, {20, 7}, Bounds(50, 40, 320, 200)},
        {"bottom edge", {200, 238}, {5, -30}, Bounds(50, 40, 300, 170)},
        {"left edge", {51, 140}, {-10, 3}, Bounds(40, 40, 310, 200)},
        {"top edge", {200, 41}, {4, 15}, Bounds(50, 55, 300, 185)},
        {"bottom-right corner", {348, 238}, {12, 8}, Bounds(50, 40, 312, 208)},
        {"top-left corner", {52, 42}, {-6, -9}, Bounds(44, 31, 306, 209)},
        {"right edge near the top", {349, 50}, {3, 3}, Bounds(50, 43, 303, 197)},
        {"too small", {348, 140}, {-400, 0}, Bounds(50, 40, 8 + 27, 200)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TKvCaptionPanel* panel = AddPanel();
        form->Show();
        PressAt(*panel, c.Press);
        ui.Simulator().MouseMove(*form, {c.Press.X + c.By.X, c.Press.Y + c.By.Y});
        ui.Simulator().MouseUp(*form, {c.Press.X + c.By.X, c.Press.Y + c.By.Y});
        EXPECT_EQ(panel->GetBoundsRect(), c.After);
        EXPECT_FALSE(panel->Dragging());
        EXPECT_EQ(GetCaptureControl(), nullptr);
        delete panel;
    }

    // Not resizable: the dialog frame does not size.
    TKvCaptionPanel* panel = AddPanel();
    panel->SetResizable(false);
    form->Show();
    PressAt(*panel, {348, 140});
    ui.Simulator().MouseMove(*form, {368, 140});
    ui.Simulator().MouseUp(*form, {368, 140});
    EXPECT_EQ(panel->GetBoundsRect(), Bounds(50, 40, 300, 200));
}

TEST_F(CaptionPanelTest, TheHitTestNamesBarClientAndFrame)
{
    TKvCaptionPanel* panel = AddPanel();
    struct Case {
        TPoint Pos;  // client coordinates; the frame lies from -4 to 296 by -4 to 196
        int Code;
    };
    const Case cases[] = {
        {{10, 60}, HTCAPTION},     {{100, 60}, HTCLIENT},        {{-2, 100}, HTLEFT},
        {{293, 100}, HTRIGHT},     {{100, -3}, HTTOP},           {{100, 194}, HTBOTTOM},
        {{-3, -3}, HTTOPLEFT},     {{294, -1}, HTTOPRIGHT},      {{-1, 195}, HTBOTTOMLEFT},
        {{295, 195}, HTBOTTOMRIGHT}, {{-2, 5}, HTTOPLEFT},       {{5, -2}, HTTOPLEFT},
        {{290, 194}, HTBOTTOMRIGHT}, {{400, 100}, HTNOWHERE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.Pos.X << ", " << c.Pos.Y);
        EXPECT_EQ(panel->HitTest(c.Pos), c.Code);
    }
    const TPoint screen = panel->ClientToScreen({293, 100});
    EXPECT_EQ(panel->Perform(WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y)), HTRIGHT);
    panel->SetResizable(false);
    EXPECT_EQ(panel->HitTest({-2, 100}), HTNOWHERE);
    EXPECT_EQ(panel->HitTest({10, 60}), HTCAPTION);
}

TEST_F(CaptionPanelTest, CaptionButtonClicksFireTheirEventAndNothingElse)
{
    TKvCaptionPanel* panel = AddPanel();
    panel->SetCaptionPosition(dpTop);
    panel->SetButtons({capClose, capMax, capMin, capRestore, capHelp});
    panel->OnButtonClick = [this](TObject* Sender, TKvCapBtnStyle Button) {
        log.Add(std::string(Sender == nullptr ? "?" : "panel ") + ButtonName(Button));
    };
    panel->CaptionButton(capHelp).OnClick = log.Notify("help OnClick");
    form->Show();
    for (const TKvCapBtnStyle style : {capClose, capMax, capMin, capRestore, capHelp}) {
        ui.Clock().Advance(1000);
        ui.Simulator().Click(panel->CaptionButton(style), {10, 9});
    }
    EXPECT_THAT(log.Entries(), ElementsAre("panel close", "panel max", "panel min", "panel restore", "help OnClick",
                                           "panel help"));
    EXPECT_TRUE(panel->GetVisible());
    EXPECT_FALSE(panel->Dragging());
    EXPECT_EQ(panel->GetBoundsRect(), Bounds(50, 40, 300, 200));

    // A press released outside is no click; disabled buttons stay silent.
    log.Clear();
    TKvCapBtn& close = panel->CaptionButton(capClose);
    ui.Simulator().MouseDown(close, {10, 9});
    EXPECT_TRUE(close.GetDown());
    ui.Simulator().MouseMove(close, {40, 9});
    EXPECT_FALSE(close.GetDown());
    EXPECT_FALSE(close.GetOver());
    ui.Simulator().MouseMove(close, {12, 9});
    EXPECT_TRUE(close.GetDown());
    ui.Simulator().MouseMove(close, {40, 9});
    ui.Simulator().MouseUp(close, {40, 9});
    EXPECT_FALSE(close.GetDown());
    close.SetEnabled(false);
    ui.Clock().Advance(1000);
    ui.Simulator().Click(close, {10, 9});
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(CaptionPanelTest, AFlatCaptionButtonShowsTheMouseOverIt)
{
    TKvCaptionPanel* panel = AddPanel();
    panel->SetCaptionPosition(dpTop);
    panel->SetFlatButtons(true);
    panel->SetButtons({capClose});
    form->Show();
    TKvCapBtn& close = panel->CaptionButton(capClose);
    const QImage away = pt::Screenshot(*panel);
    ui.Simulator().MouseMove(close, {10, 9});
    EXPECT_TRUE(close.GetOver());
    const QImage over = pt::Screenshot(*panel);
    EXPECT_NE(away, over);
    ui.Simulator().MouseDown(close, {10, 9});
    const QImage pressed = pt::Screenshot(*panel);
    EXPECT_NE(over, pressed);
    ui.Simulator().MouseUp(close, {10, 9});
    ui.Simulator().MouseMove(*panel, {100, 100});
    EXPECT_FALSE(close.GetOver());
}

TEST_F(CaptionPanelTest, PaintsItsBarCaptionAndIconOnEverySide)
{
    form->SetClientWidth(640);
    form->SetClientHeight(330);
    form->SetColor(clBtnFace);
    TIcon icon;
    {
        // A 16 x 16 yellow square with a black border, as a picture Qt reads.
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(qRgb(0, 0, 0));
        for (int y = 1; y < 15; ++y)
            for (int x = 1; x < 15; ++x)
                picture.setPixel(x, y, qRgb(255, 255, 0));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        icon.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
    }
    struct Case {
        TKvDrawPosition Side;
        TRect Bounds;
        bool Outlook;
        bool WithIcon;
    };
    const Case cases[] = {
        {dpLeft, Bounds(8, 8, 150, 200), false, true},   {dpRight, Bounds(166, 8, 150, 200), false, true},
        {dpTop, Bounds(324, 8, 300, 95), false, true},   {dpBottom, Bounds(324, 113, 300, 95), true, false},
        {dpTop, Bounds(8, 220, 300, 100), true, false},  {dpLeft, Bounds(324, 220, 300, 100), true, false},
    };
    std::vector<TKvCaptionPanel*> panels;
    for (const Case& c : cases) {
        TKvCaptionPanel* panel = AddPanel(c.Bounds);
        panel->SetCaption(std::string("Caption ") + SideName(c.Side));
        panel->SetCaptionPosition(c.Side);
        panel->SetOutlookLook(c.Outlook);
        panel->SetButtons({capClose, capHelp});
        panel->SetFlatButtons(c.Outlook);
        panel->SetColor(clGradientInactiveCaption);
        if (c.WithIcon)
            panel->SetIcon(icon);
        panels.push_back(panel);
    }
    form->Show();
    const QImage picture = pt::Screenshot(*form, "caption-panels.png");
    for (std::size_t i = 0; i < panels.size(); ++i) {
        SCOPED_TRACE(i);
        const TKvCaptionPanel& panel = *panels[i];
        const TPoint origin = panel.ClientToClient({0, 0}, *form);
        const TRect bar = MovedRect(panel.CaptionRect(), origin.X, origin.Y);
        // The bar in the caption colour with white caption text on it.
        EXPECT_GT(pt::CountPixels(picture, bar, clActiveCaption), bar.Width() * bar.Height() / 3);
        EXPECT_GT(pt::CountPixels(picture, bar, clWhite), 10);
        if (cases[i].WithIcon) {
            EXPECT_GT(pt::CountPixels(picture, bar, clYellow), 100);
        }
        // The face beside the bar in the panel's colour.
        const TRect area = MovedRect(panel.ChildArea(), origin.X, origin.Y);
        EXPECT_GT(pt::CountPixels(picture, area, clGradientInactiveCaption), area.Width() * area.Height() / 2);
    }
    // The left caption reads upward from the bottom: its text lies in the lower part of the bar
    // (the caption buttons, at the top, left out).
    const TPoint left = panels[0]->ClientToClient({0, 0}, *form);
    const TRect leftBar = MovedRect(panels[0]->CaptionRect(), left.X, left.Y);
    const int leftMiddle = leftBar.Top + leftBar.Height() / 2;
    EXPECT_GT(pt::CountPixels(picture, {leftBar.Left, leftMiddle, leftBar.Right, leftBar.Bottom}, clWhite),
              pt::CountPixels(picture, {leftBar.Left, leftBar.Top + 45, leftBar.Right, leftMiddle}, clWhite));
    // The right caption reads downward from the top (its buttons at the bottom).
    const TPoint right = panels[1]->ClientToClient({0, 0}, *form);
    const TRect rightBar = MovedRect(panels[1]->CaptionRect(), right.X, right.Y);
    const int rightMiddle = rightBar.Top + rightBar.Height() / 2;
    EXPECT_GT(pt::CountPixels(picture, {rightBar.Left, rightBar.Top, rightBar.Right, rightMiddle}, clWhite),
              pt::CountPixels(picture, {rightBar.Left, rightMiddle, rightBar.Right, rightBar.Bottom - 45}, clWhite));
}

TEST_F(CaptionPanelTest, PaintContentLetsTheOwnerDrawOnThePanel)
{
    TKvCaptionPanel* panel = AddPanel();
    (void)panel;
    auto* plain = AddControl<TKvCustomPanel>(*form, Bounds(400, 40, 100, 50));
    plain->OnPaintContent = [this](TObject*, TCanvas& Canvas, TRect R) {
        log.Add("content " + std::to_string(R.Width()) + "x" + std::to_string(R.Height()));
        Canvas.Brush().SetColor(clRed);
        Canvas.FillRect({10, 10, 20, 20});
    };
    form->Show();
    const QImage picture = pt::Screenshot(*plain);
    EXPECT_EQ(pt::PixelAt(picture, 15, 15), clRed);
    EXPECT_THAT(log.Entries(), ::testing::Contains("content 100x50"));
}

}  // namespace
