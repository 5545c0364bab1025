#include "TestControls.h"

#include "platform/controls/forms/TApplication.h"
#include "platform/controls/qt/ControlRendering.h"
#include "platform/core/Exception.h"
#include "platform/graphics/QtConversions.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

TColor PixelAt(const QImage& image, int x, int y)
{
    return FromQRgb(image.pixel(x, y));
}

// A control with a sunken client edge around its client area.
class TFramedControl : public TLoggingControl {
public:
    using TLoggingControl::TLoggingControl;

protected:
    void CreateParams(TCreateParams& Params) const override
    {
        TLoggingControl::CreateParams(Params);
        Params.ExStyle |= WS_EX_CLIENTEDGE;
    }
};

class PaintTest : public ::testing::Test {
protected:
    UiTestEnvironment ui;
    EventLog log;
    TForm* form = new TForm(Application);
};

TEST_F(PaintTest, AFormRendersHeadlessWithItsControlsInTheirColours)
{
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    auto* red = AddControl<TLoggingControl>(*form, Bounds(10, 10, 100, 50));
    red->FillColor = clRed;
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(150, 10, 100, 100));
    panel->FillColor = clBlue;
    auto* green = AddControl<TLoggingGraphic>(*panel, Bounds(10, 10, 30, 30));
    green->FillColor = clLime;
    auto* yellow = AddControl<TLoggingGraphic>(*form, Bounds(10, 100, 40, 40));
    yellow->FillColor = clYellow;

    const QImage image = Screenshot(*form, "control-model-form.png");
    ASSERT_EQ(image.width(), 300);
    ASSERT_EQ(image.height(), 200);
    EXPECT_EQ(PixelAt(image, 5, 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(image, 20, 20), clRed);
    EXPECT_EQ(PixelAt(image, 109, 59), clRed);
    EXPECT_EQ(PixelAt(image, 110, 60), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(image, 200, 100), clBlue);
    EXPECT_EQ(PixelAt(image, 165, 25), clLime);
    EXPECT_EQ(PixelAt(image, 15, 105), clYellow);
}

TEST_F(PaintTest, WindowlessChildrenPaintAfterTheirParentInZOrder)
{
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(0, 0, 100, 100), &log, "panel");
    panel->FillColor = clBlue;
    auto* lower = AddControl<TLoggingGraphic>(*panel, Bounds(10, 10, 40, 40), &log, "lower");
    lower->FillColor = clRed;
    auto* upper = AddControl<TLoggingGraphic>(*panel, Bounds(30, 30, 40, 40), &log, "upper");
    upper->FillColor = clLime;

    log.Clear();
    QImage image = RenderControl(*panel);
    EXPECT_THAT(log.Entries(), ElementsAre("panel:paint", "lower:paint", "upper:paint"));
    EXPECT_EQ(PixelAt(image, 35, 35), clLime);

    lower->BringToFront();
    image = RenderControl(*panel);
    EXPECT_EQ(PixelAt(image, 35, 35), clRed);
    EXPECT_EQ(RenderControl(*upper).pixel(35, 35), image.pixel(65, 65));
}

TEST_F(PaintTest, AnExceptionInPaintIsHandledAndTheRestStillPaints)
{
    auto* failing = AddControl<TLoggingControl>(*form, Bounds(0, 0, 50, 50));
    failing->OnPaint = [] { throw EInvalidOperation("cannot paint"); };
    auto* sibling = AddControl<TLoggingGraphic>(*failing, Bounds(10, 10, 20, 20));
    sibling->FillColor = clRed;
    auto* other = AddControl<TLoggingControl>(*form, Bounds(60, 0, 50, 50));
    other->FillColor = clLime;

    const QImage image = RenderControl(*form);
    EXPECT_EQ(PixelAt(image, 70, 10), clLime);
    EXPECT_EQ(PixelAt(image, 15, 15), clRed);
    ASSERT_FALSE(ui.ErrorBoxes().empty());
    EXPECT_EQ(ui.ErrorBoxes().front(), "cannot paint.");
}

TEST_F(PaintTest, AFrameTakesRoomFromTheClientArea)
{
    auto* framed = AddControl<TFramedControl>(*form, Bounds(10, 20, 100, 50));
    framed->FillColor = clRed;
    EXPECT_EQ(framed->GetClientRect(), Rect(0, 0, 96, 46));
    EXPECT_EQ(framed->ClientToClient({0, 0}, *form), TPoint(12, 22));

    const QImage image = RenderControl(*framed);
    EXPECT_EQ(image.width(), 100);
    EXPECT_EQ(PixelAt(image, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(image, 2, 2), clRed);
    EXPECT_EQ(PixelAt(image, 97, 47), clRed);
}

TEST_F(PaintTest, TheCanvasMeasuresTextOutsidePainting)
{
    auto* control = AddControl<TLoggingControl>(*form, Bounds(0, 0, 100, 30));
    int widthWhilePainting = 0;
    control->OnPaint = [&] { widthWhilePainting = control->Canvas().TextWidth("Hello"); };
    RenderControl(*control);

    EXPECT_GT(widthWhilePainting, 0);
    EXPECT_EQ(control->Canvas().TextWidth("Hello"), widthWhilePainting);
}

}  // namespace
