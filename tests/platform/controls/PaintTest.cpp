#include "TestControls.h"

#include "platform/controls/core/ParentBackdrop.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/qt/ControlRendering.h"
#include "platform/core/Exception.h"
#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TBitmap.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>

#include <algorithm>

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

// Red left of x = 50, blue from there: where a backdrop comes from shows in its colours.
class TSplitPanel : public TLoggingControl {
public:
    using TLoggingControl::TLoggingControl;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(Rect(0, 0, 50, GetHeight()));
        Canvas().Brush().SetColor(clBlue);
        Canvas().FillRect(Rect(50, 0, GetWidth(), GetHeight()));
    }
};

// A control that erases nothing, so that only what its paint handler draws is in its buffer.
TLoggingControl* AddUnerased(TWinControl& Parent, TRect Bounds, EventLog* Log = nullptr, std::string Name = {})
{
    auto* control = AddControl<TLoggingControl>(Parent, Bounds, Log, std::move(Name));
    TControlStyle style = control->GetControlStyle();
    style.Include(csOpaque);
    control->SetControlStyle(style);
    return control;
}

class BufferedPaintTest : public PaintTest {
protected:
    BufferedPaintTest()
    {
        form->SetClientWidth(200);
        form->SetClientHeight(120);
    }
};

TEST_F(BufferedPaintTest, ADoubleBufferedControlShowsItsParentWhereItPaintsNothingAndReadsWhatItPainted)
{
    auto* control = AddUnerased(*form, Bounds(10, 10, 60, 30));
    control->SetDoubleBuffered(true);
    auto* child = AddControl<TLoggingGraphic>(*control, Bounds(40, 0, 10, 10));
    child->FillColor = clLime;
    std::vector<TColor> read;
    control->OnPaint = [&] {
        TCanvas& canvas = control->Canvas();
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 10, 10));
        read.push_back(canvas.GetPixels(5, 5));
        canvas.CopyRect(Rect(20, 0, 30, 10), canvas, Rect(0, 0, 10, 10));
    };

    const QImage image = Screenshot(*form, "double-buffered-control.png");

    EXPECT_THAT(read, ElementsAre(clRed));
    EXPECT_EQ(PixelAt(image, 15, 15), clRed);
    EXPECT_EQ(PixelAt(image, 35, 15), clRed) << "copied from its own pixels";
    EXPECT_EQ(PixelAt(image, 55, 15), clLime) << "windowless children paint into the buffer";
    EXPECT_EQ(PixelAt(image, 25, 15), ColorToRGB(clBtnFace)) << "unpainted pixels show the parent";
    EXPECT_EQ(PixelAt(image, 65, 35), ColorToRGB(clBtnFace));
}

TEST_F(BufferedPaintTest, OnlyADoubleBufferedControlCanReadItsPixelsWhilePainting)
{
    for (const bool buffered : {true, false}) {
        auto* control = AddUnerased(*form, Bounds(10, 10, 20, 20));
        control->SetDoubleBuffered(buffered);
        TColor read = clNone;
        control->OnPaint = [&] {
            control->Canvas().Brush().SetColor(clRed);
            control->Canvas().FillRect(control->GetClientRect());
            read = control->Canvas().GetPixels(3, 3);
        };
        Screenshot(*form);
        EXPECT_EQ(read, buffered ? clRed : CLR_INVALID) << buffered;
        delete control;
    }
}

TEST_F(BufferedPaintTest, TheBackdropIsTheParentsPaintAndWindowlessChildrenAtTheControlsPlace)
{
    auto* panel = AddControl<TSplitPanel>(*form, Bounds(0, 0, 200, 120), &log, "panel");
    auto* control = AddUnerased(*panel, Bounds(40, 10, 20, 20), &log, "control");
    auto* graphic = AddControl<TLoggingGraphic>(*panel, Bounds(55, 10, 10, 10), &log, "graphic");
    graphic->FillColor = clLime;
    auto* sibling = AddControl<TLoggingControl>(*panel, Bounds(45, 20, 10, 10), &log, "sibling");
    sibling->FillColor = clYellow;
    Screenshot(*form);
    log.Clear();

    TBitmap backdrop;
    backdrop.SetSize(20, 20);
    PaintParentBackdrop(*control, backdrop.Canvas());

    EXPECT_THAT(log.Entries(), ElementsAre("panel:paint", "graphic:paint")) << "no windowed child paints";
    TCanvas& canvas = backdrop.Canvas();
    EXPECT_EQ(canvas.GetPixels(9, 15), clRed);
    EXPECT_EQ(canvas.GetPixels(10, 5), clBlue);
    EXPECT_EQ(canvas.GetPixels(15, 5), clLime);
    EXPECT_EQ(canvas.GetPixels(19, 9), clLime);
    EXPECT_EQ(canvas.GetPixels(7, 15), clRed) << "the windowed sibling is left out";
    EXPECT_EQ(canvas.GetPixels(12, 15), clBlue);
}

TEST_F(BufferedPaintTest, TheBackdropKeepsToTheCanvasClipEvenASinglePixel)
{
    auto* panel = AddControl<TSplitPanel>(*form, Bounds(0, 0, 200, 120));
    auto* control = AddUnerased(*panel, Bounds(40, 10, 20, 20));
    TBitmap backdrop;
    backdrop.SetSize(20, 20);
    TCanvas& canvas = backdrop.Canvas();
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, 20, 20));

    TRegion corners(Rect(0, 0, 1, 1));
    corners = corners.Union(TRegion(Rect(19, 19, 20, 20)));
    canvas.SelectClipRgn(&corners);
    PaintParentBackdrop(*control, canvas);
    canvas.SelectClipRgn(nullptr);

    EXPECT_EQ(canvas.GetPixels(0, 0), clRed);
    EXPECT_EQ(canvas.GetPixels(19, 19), clBlue);
    EXPECT_EQ(canvas.GetPixels(1, 0), clWhite);
    EXPECT_EQ(canvas.GetPixels(10, 10), clWhite);
    EXPECT_EQ(canvas.GetPixels(18, 19), clWhite);
}

TEST_F(BufferedPaintTest, ATransparentDoubleBufferedControlPaintsItsBackdropOnceFromItsOwnPaint)
{
    auto* panel = AddControl<TSplitPanel>(*form, Bounds(0, 0, 200, 120), &log, "panel");
    auto* control = AddUnerased(*panel, Bounds(40, 10, 20, 20), &log, "control");
    control->SetDoubleBuffered(true);
    std::vector<TColor> read;
    control->OnPaint = [&] {
        PaintParentBackdrop(*control, control->Canvas());
        read = {control->Canvas().GetPixels(5, 5), control->Canvas().GetPixels(15, 5)};
        control->Canvas().Brush().SetColor(clLime);
        control->Canvas().FillRect(Rect(8, 8, 12, 12));
    };

    log.Clear();
    const QImage image = Screenshot(*form, "parent-backdrop.png");

    EXPECT_EQ(std::count(log.Entries().begin(), log.Entries().end(), "control:paint"), 1);
    EXPECT_THAT(read, ElementsAre(clRed, clBlue));
    EXPECT_EQ(PixelAt(image, 45, 15), clRed);
    EXPECT_EQ(PixelAt(image, 55, 15), clBlue);
    EXPECT_EQ(PixelAt(image, 50, 20), clLime);
}

TEST_F(BufferedPaintTest, ADoubleBufferedControlKeepsItsLastPaintForItsChildrenToRead)
{
    auto* pager = AddControl<TSplitPanel>(*form, Bounds(0, 0, 200, 120));
    pager->SetDoubleBuffered(true);
    auto* plain = AddControl<TSplitPanel>(*form, Bounds(0, 0, 10, 10));
    auto* page = AddUnerased(*pager, Bounds(40, 10, 20, 20));
    std::vector<TColor> outside;
    page->OnPaint = [&] { outside = {pager->Canvas().GetPixels(39, 9), pager->Canvas().GetPixels(60, 30)}; };
    EXPECT_EQ(pager->Canvas().GetPixels(5, 5), CLR_INVALID) << "nothing painted yet";

    Screenshot(*form);

    EXPECT_THAT(outside, ElementsAre(clRed, clBlue));
    EXPECT_EQ(pager->Canvas().GetPixels(100, 100), clBlue) << "kept after the paint";
    EXPECT_EQ(plain->Canvas().GetPixels(5, 5), CLR_INVALID) << "a window without a buffer keeps nothing";
    pager->SetDoubleBuffered(false);
    EXPECT_EQ(pager->Canvas().GetPixels(100, 100), CLR_INVALID);
}

TEST_F(BufferedPaintTest, AControlWithoutParentHasNoBackdrop)
{
    auto* control = new TLoggingControl(form);
    TBitmap backdrop;
    backdrop.SetSize(4, 4);
    backdrop.Canvas().Brush().SetColor(clWhite);
    backdrop.Canvas().FillRect(Rect(0, 0, 4, 4));
    PaintParentBackdrop(*control, backdrop.Canvas());
    EXPECT_EQ(backdrop.Canvas().GetPixels(1, 1), clWhite);
}

}  // namespace
