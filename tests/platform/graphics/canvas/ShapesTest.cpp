#include "CanvasFixture.h"

#include "platform/core/Exception.h"
#include "platform/graphics/TGraphic.h"

#include "platform/testing/Artifacts.h"

#include <QPainter>
#include <QPrinter>

#include <functional>
#include <string>

namespace plat {
namespace {

using Draw = std::function<void(TCanvas&)>;

enum class Surface { Image, Painter };

std::string SurfaceName(const ::testing::TestParamInfo<Surface>& info)
{
    return info.param == Surface::Image ? "Image" : "Painter";
}

// The picture a drawing leaves on a white image, through either back end.
QImage Render(Surface surface, const Draw& draw, const QImage& background = {})
{
    QImage image = background.isNull() ? QImage(40, 40, QImage::Format_RGB32) : background.copy();
    if (background.isNull())
        image.fill(Qt::white);
    if (surface == Surface::Image) {
        TCanvas canvas(MakeImageCanvasBackend(image));
        draw(canvas);
    } else {
        QPainter painter(&image);
        TCanvas canvas(MakePainterCanvasBackend(painter, {image.width(), image.height()}));
        draw(canvas);
    }
    return image;
}

// Vertical stripes of several colours, so that inverting operations show on every pixel.
QImage Stripes()
{
    QImage image(40, 40, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(0x12, 0x34, 0x56), qRgb(0xFF, 0xFF, 0xFF), qRgb(0, 0, 0), qRgb(0x80, 0x10, 0xC0)};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colours[(x / 3 + y / 5) % 4]);
    return image;
}

class CanvasShapes : public ::testing::TestWithParam<Surface> {};

TEST_P(CanvasShapes, ShapesLeaveOutTheRightAndBottomEdges)
{
    const struct {
        const char* name;
        Draw draw;
        TRect ink;
    } cases[] = {
        {"FillRect", [](TCanvas& c) { c.FillRect(Rect(10, 10, 20, 20)); }, Rect(10, 10, 20, 20)},
        {"FrameRect", [](TCanvas& c) { c.FrameRect(Rect(10, 10, 20, 20)); }, Rect(10, 10, 20, 20)},
        {"Rectangle", [](TCanvas& c) { c.Rectangle(10, 10, 20, 20); }, Rect(10, 10, 20, 20)},
        {"Rectangle given backwards", [](TCanvas& c) { c.Rectangle(20, 20, 10, 10); }, Rect(10, 10, 20, 20)},
        {"Ellipse", [](TCanvas& c) { c.Ellipse(10, 10, 20, 20); }, Rect(10, 10, 20, 20)},
        {"RoundRect", [](TCanvas& c) { c.RoundRect(10, 10, 20, 20, 4, 4); }, Rect(10, 10, 20, 20)},
        {"Polygon", [](TCanvas& c) { c.Polygon({{10, 10}, {19, 10}, {19, 19}}); }, Rect(10, 10, 20, 20)},
        {"Rectangle without pen",
         [](TCanvas& c) {
             c.Pen().SetStyle(psClear);
             c.Rectangle(10, 10, 20, 20);
         },
         Rect(10, 10, 19, 19)},
        {"Rectangle with wide pen",
         [](TCanvas& c) {
             c.Pen().SetWidth(3);
             c.Rectangle(10, 10, 20, 20);
         },
         Rect(9, 9, 21, 21)},
        {"Rectangle with wide inside-frame pen",
         [](TCanvas& c) {
             c.Pen().SetWidth(3);
             c.Pen().SetStyle(psInsideFrame);
             c.Rectangle(10, 10, 20, 20);
         },
         Rect(10, 10, 20, 20)},
    };
    for (const auto& c : cases) {
        const QImage image = Render(GetParam(), [&](TCanvas& canvas) {
            canvas.Brush().SetColor(clBlack);
            c.draw(canvas);
        });
        testing::SaveImageOnFailure keep(image, c.name);
        EXPECT_EQ(InkBounds(image), c.ink) << c.name;
    }
}

TEST_P(CanvasShapes, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    const QImage image = Render(GetParam(), [](TCanvas& c) {
        c.Pen().SetColor(clRed);
        c.Brush().SetColor(clLime);
        c.Rectangle(10, 10, 20, 20);
        c.Pen().SetWidth(3);
        c.Pen().SetStyle(psInsideFrame);
        c.Brush().SetStyle(bsClear);
        c.Rectangle(22, 10, 32, 20);
    });
    testing::SaveImageOnFailure keep(image);
    EXPECT_EQ(testing::CountPixels(image, Rect(10, 10, 20, 20), clRed), 36);
    EXPECT_EQ(testing::CountPixels(image, Rect(11, 11, 19, 19), clLime), 64);
    EXPECT_EQ(testing::CountPixels(image, Rect(22, 10, 32, 20), clRed), 100 - 16);
    EXPECT_EQ(testing::CountPixels(image, Rect(25, 13, 29, 17), clWhite), 16);
}

TEST_P(CanvasShapes, LineToDrawsFromThePenPositionWithoutItsEndPixel)
{
    const struct {
        TPoint from, to;
    } lines[] = {
        {{10, 10}, {20, 10}}, {{20, 10}, {10, 10}}, {{10, 10}, {10, 20}}, {{10, 20}, {10, 10}},
        {{10, 10}, {20, 20}}, {{20, 20}, {10, 10}}, {{10, 10}, {14, 30}}, {{30, 12}, {5, 20}},
    };
    for (TPenStyle style : {psSolid, psDash}) {
        for (const auto& l : lines) {
            TPoint penPos;
            const QImage image = Render(GetParam(), [&](TCanvas& c) {
                c.Pen().SetStyle(style);
                c.MoveTo(l.from.X, l.from.Y);
                c.LineTo(l.to.X, l.to.Y);
                penPos = c.GetPenPos();
            });
            testing::SaveImageOnFailure keep(image);
            const std::string which = "(" + std::to_string(l.from.X) + "," + std::to_string(l.from.Y) + ")->(" +
                                      std::to_string(l.to.X) + "," + std::to_string(l.to.Y) + ") style " + std::to_string(style);
            EXPECT_EQ(testing::PixelAt(image, l.from.X, l.from.Y), clBlack) << which;
            EXPECT_EQ(testing::PixelAt(image, l.to.X, l.to.Y), clWhite) << which;
            if (style == psSolid) {
                EXPECT_EQ(testing::CountPixels(image, Rect(0, 0, 40, 40), clBlack),
                          std::max(std::abs(l.to.X - l.from.X), std::abs(l.to.Y - l.from.Y))) << which;
            }
            EXPECT_EQ(penPos, l.to) << which;
        }
    }
}

TEST_P(CanvasShapes, StyledPenGapsTakeTheBackgroundOnlyWhenOpaque)
{
    for (int mode : {OPAQUE, TRANSPARENT}) {
        const QImage image = Render(GetParam(), [&](TCanvas& c) {
            c.Brush().SetColor(clRed);  // a solid brush gives the background colour
            c.SetBkMode(mode);
            c.Pen().SetStyle(psDot);
            c.MoveTo(0, 5);
            c.LineTo(30, 5);
        });
        testing::SaveImageOnFailure keep(image);
        const int dashes = testing::CountPixels(image, Rect(0, 5, 30, 6), clBlack);
        const int gaps = testing::CountPixels(image, Rect(0, 5, 30, 6), mode == OPAQUE ? clRed : clWhite);
        EXPECT_GT(dashes, 0);
        EXPECT_GT(gaps, 0);
        EXPECT_EQ(dashes + gaps, 30) << "mode " << mode;
    }
}

TEST_P(CanvasShapes, WidePenLinesAreAsThickAsThePen)
{
    const QImage image = Render(GetParam(), [](TCanvas& c) {
        c.Pen().SetWidth(3);
        c.MoveTo(5, 20);
        c.LineTo(35, 20);
    });
    testing::SaveImageOnFailure keep(image);
    EXPECT_EQ(testing::CountPixels(image, Rect(20, 0, 21, 40), clBlack), 3);
}

TEST_P(CanvasShapes, InvertingPenModesRestoreThePictureWhenDrawnTwice)
{
    const struct {
        const char* name;
        Draw draw;
    } shapes[] = {
        {"LineTo", [](TCanvas& c) { c.MoveTo(3, 4); c.LineTo(33, 27); }},
        {"dashed LineTo", [](TCanvas& c) { c.Pen().SetStyle(psDashDot); c.SetBkMode(OPAQUE); c.MoveTo(3, 30); c.LineTo(38, 2); }},
        {"Polyline", [](TCanvas& c) { c.Polyline({{2, 2}, {30, 5}, {10, 35}, {37, 37}}); }},
        {"Rectangle", [](TCanvas& c) { c.Rectangle(5, 5, 30, 25); }},
        {"wide Rectangle", [](TCanvas& c) { c.Pen().SetWidth(4); c.Rectangle(5, 5, 30, 25); }},
        {"Ellipse", [](TCanvas& c) { c.Ellipse(3, 6, 35, 33); }},
        {"Polygon", [](TCanvas& c) { c.Polygon({{2, 2}, {35, 10}, {20, 38}}); }},
        {"Pie", [](TCanvas& c) { c.Pie(4, 4, 36, 36, 36, 20, 20, 4); }},
    };
    const QImage background = Stripes();
    for (TPenMode mode : {pmXor, pmNot, pmNotXor}) {
        for (const auto& s : shapes) {
            auto drawInMode = [&](TCanvas& c) {
                c.Pen().SetColor(RGB(0x5A, 0xC3, 0x0F));
                c.Brush().SetColor(RGB(0x33, 0x66, 0x99));
                c.Pen().SetMode(mode);
                s.draw(c);
            };
            const QImage once = Render(GetParam(), drawInMode, background);
            const QImage twice = Render(GetParam(), drawInMode, once);
            testing::SaveImageOnFailure keep(twice, s.name);
            EXPECT_NE(once, background) << s.name << " mode " << mode;
            EXPECT_EQ(twice, background) << s.name << " mode " << mode;
        }
    }
}

TEST_P(CanvasShapes, OutlinesTouchEveryPixelOnce)
{
    // With an XOR pen a pixel drawn twice would vanish again, so counting shows doubles.
    const struct {
        const char* name;
        Draw draw;
    } outlines[] = {
        {"Polyline", [](TCanvas& c) { c.Polyline({{10, 10}, {20, 10}, {20, 20}, {10, 20}, {10, 10}}); }},
        {"Polygon", [](TCanvas& c) { c.Polygon({{10, 10}, {20, 10}, {20, 20}, {10, 20}}); }},
        {"Rectangle", [](TCanvas& c) { c.Rectangle(10, 10, 21, 21); }},
        {"LineTo chain", [](TCanvas& c) { c.MoveTo(10, 10); c.LineTo(20, 10); c.LineTo(20, 20); c.LineTo(10, 20); c.LineTo(10, 10); }},
    };
    for (const auto& o : outlines) {
        const QImage image = Render(GetParam(), [&](TCanvas& c) {
            c.Pen().SetColor(clWhite);
            c.Pen().SetMode(pmXor);
            c.Brush().SetStyle(bsClear);
            o.draw(c);
        });
        testing::SaveImageOnFailure keep(image, o.name);
        EXPECT_EQ(testing::CountPixels(image, Rect(0, 0, 40, 40), clBlack), 40) << o.name;
    }
}

TEST_P(CanvasShapes, FocusRectangleDrawnTwiceDisappears)
{
    const QImage background = Stripes();
    auto focus = [](TCanvas& c) { c.DrawFocusRect(Rect(5, 6, 30, 27)); };
    const QImage once = Render(GetParam(), focus, background);
    const QImage twice = Render(GetParam(), focus, once);
    testing::SaveImageOnFailure keep(once);
    EXPECT_EQ(twice, background);
    // Dotted: of two neighbouring frame pixels exactly one is inverted; the inside is untouched.
    EXPECT_NE(once.pixel(10, 6) == background.pixel(10, 6), once.pixel(11, 6) == background.pixel(11, 6));
    EXPECT_EQ(once.copy(6, 7, 23, 19), background.copy(6, 7, 23, 19));
}

TEST_P(CanvasShapes, HatchedBrushesShowTheBackgroundOnlyWhenOpaque)
{
    for (int mode : {OPAQUE, TRANSPARENT}) {
        const QImage image = Render(GetParam(), [&](TCanvas& c) {
            c.Brush().SetColor(clRed);
            c.Brush().SetStyle(bsCross);
            c.SetBkMode(mode);
            c.SetBkColor(clBlue);
            c.FillRect(Rect(0, 0, 20, 20));
        });
        testing::SaveImageOnFailure keep(image);
        const int hatch = testing::CountPixels(image, Rect(0, 0, 20, 20), clRed);
        const int between = testing::CountPixels(image, Rect(0, 0, 20, 20), mode == OPAQUE ? clBlue : clWhite);
        EXPECT_GT(hatch, 0);
        EXPECT_EQ(hatch + between, 400) << "mode " << mode;
    }
}

TEST_P(CanvasShapes, HatchesLineUpWithTheDeviceWhereverTheOriginIs)
{
    // A parent and a windowless child painting next to each other must continue one pattern.
    auto hatch = [](TPoint origin) {
        return [origin](TCanvas& c) {
            c.Brush().SetColor(clBlack);
            c.Brush().SetStyle(bsDiagCross);
            c.SetViewportOrg(origin);
            c.FillRect(Rect(5 - origin.X, 5 - origin.Y, 35 - origin.X, 35 - origin.Y));
        };
    };
    const QImage atZero = Render(GetParam(), hatch({0, 0}));
    const QImage moved = Render(GetParam(), hatch({3, 7}));
    testing::SaveImageOnFailure keep(moved);
    EXPECT_EQ(moved, atZero);
}

TEST_P(CanvasShapes, ClipRegionLimitsDrawing)
{
    const TRegion twoSquares = TRegion(Rect(0, 0, 10, 10)).Union(TRegion(Rect(20, 20, 30, 30)));
    const TRegion nothing;
    const struct {
        const char* name;
        Draw clip;
        int visiblePixels;
    } cases[] = {
        {"region", [&](TCanvas& c) { c.SelectClipRgn(&twoSquares); }, 200},
        {"region with a hole", [&](TCanvas& c) { c.SelectClipRgn(&twoSquares); c.ExcludeClipRect(Rect(2, 2, 4, 4)); }, 196},
        {"intersected rectangle", [](TCanvas& c) { c.IntersectClipRect(Rect(5, 5, 15, 10)); c.IntersectClipRect(Rect(10, 0, 40, 40)); }, 25},
        {"excluded rectangle", [](TCanvas& c) { c.ExcludeClipRect(Rect(0, 0, 40, 30)); }, 400},
        {"empty region", [&](TCanvas& c) { c.SelectClipRgn(&nothing); }, 0},
        {"clip removed", [&](TCanvas& c) { c.SelectClipRgn(&twoSquares); c.SelectClipRgn(nullptr); }, 1600},
        {"restored", [&](TCanvas& c) { const int saved = c.SaveDC(); c.IntersectClipRect(Rect(0, 0, 1, 1)); c.RestoreDC(saved); }, 1600},
        {"moved origin",
         [](TCanvas& c) {
             c.SetViewportOrg({10, 10});
             c.IntersectClipRect(Rect(0, 0, 5, 5));
             c.SetViewportOrg({0, 0});
         },
         25},
    };
    for (const auto& c : cases) {
        const QImage image = Render(GetParam(), [&](TCanvas& canvas) {
            canvas.Brush().SetColor(clRed);
            c.clip(canvas);
            canvas.FillRect(Rect(0, 0, 40, 40));
            canvas.TextOut(0, 0, "Clipped");
            canvas.MoveTo(0, 39);
            canvas.LineTo(40, 39);
        });
        testing::SaveImageOnFailure keep(image, c.name);
        EXPECT_EQ(testing::CountPixels(image, Rect(0, 0, 40, 40), clWhite), 1600 - c.visiblePixels) << c.name;
    }
}

TEST_P(CanvasShapes, ViewportOriginMovesDrawingAndClipRectanglesAreLogical)
{
    TRect clipRect;
    const QImage image = Render(GetParam(), [&](TCanvas& c) {
        c.SetViewportOrg({10, 5});
        c.IntersectClipRect(Rect(0, 0, 8, 8));
        clipRect = c.GetClipRect();
        c.Brush().SetColor(clBlack);
        c.FillRect(Rect(-5, -5, 20, 20));
    });
    testing::SaveImageOnFailure keep(image);
    EXPECT_EQ(clipRect, Rect(0, 0, 8, 8));
    EXPECT_EQ(InkBounds(image), Rect(10, 5, 18, 13));
}

TEST_P(CanvasShapes, ArcAndPieRunCounterClockwiseBetweenTheirRays)
{
    // From the ray to the right (0 degrees) to the ray upwards (90 degrees): the upper right quarter.
    for (bool pie : {false, true}) {
        const QImage image = Render(GetParam(), [&](TCanvas& c) {
            c.Brush().SetColor(clBlack);
            if (pie)
                c.Pie(10, 10, 31, 31, 40, 20, 20, 0);
            else
                c.Arc(10, 10, 31, 31, 40, 20, 20, 0);
        });
        testing::SaveImageOnFailure keep(image);
        const TRect ink = InkBounds(image);
        EXPECT_GE(ink.Left, 19) << pie;
        EXPECT_LE(ink.Bottom, 22) << pie;
        EXPECT_GE(ink.Right, 30) << pie;
        EXPECT_LE(ink.Top, 11) << pie;
    }
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, CanvasShapes, ::testing::Values(Surface::Image, Surface::Painter), SurfaceName);

TEST_F(ImageCanvasTest, PixelsReadAndWriteOnlyTheVisibleSurface)
{
    canvas.SetPixels(5, 6, clRed);
    EXPECT_EQ(At(5, 6), clRed);
    EXPECT_EQ(canvas.GetPixels(5, 6), clRed);
    EXPECT_EQ(canvas.GetPixels(0, 0), clWhite);
    for (TPoint outside : {TPoint{-1, 0}, TPoint{0, -1}, TPoint{64, 0}, TPoint{0, 64}})
        EXPECT_EQ(canvas.GetPixels(outside.X, outside.Y), CLR_INVALID);
    canvas.SetPixels(-1, 70, clRed);  // ignored, not a crash

    canvas.IntersectClipRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(canvas.GetPixels(20, 20), CLR_INVALID);
    canvas.SetPixels(20, 20, clRed);
    EXPECT_EQ(At(20, 20), clWhite);

    canvas.SetViewportOrg({3, 3});
    canvas.SetPixels(0, 0, clBlue);
    EXPECT_EQ(At(3, 3), clBlue);
    EXPECT_EQ(canvas.GetPixels(2, 3), clRed);
}

TEST_F(ImageCanvasTest, PixelsOfAWidgetCanvasCannotBeRead)
{
    QPainter painter(&image);
    TCanvas widget(MakePainterCanvasBackend(painter, {64, 64}));
    widget.SetPixels(1, 1, clRed);
    EXPECT_EQ(widget.GetPixels(1, 1), CLR_INVALID);
    painter.end();
    EXPECT_EQ(At(1, 1), clRed);
}

TEST_F(ImageCanvasTest, FloodFillFillsTheConnectedArea)
{
    const struct {
        const char* name;
        TPoint start;
        TColor color;
        TFillStyle style;
        int filledPixels;
    } cases[] = {
        {"surface of white inside", {20, 20}, clWhite, fsSurface, 18 * 18},
        {"up to the black border", {20, 20}, clBlack, fsBorder, 18 * 18},
        {"surface of white outside (not into the closed small frame)", {2, 2}, clWhite, fsSurface, 64 * 64 - 20 * 20 - 6 * 6},
        {"start is not of the surface colour", {10, 10}, clWhite, fsSurface, 0},
        {"start is on the border", {10, 10}, clBlack, fsBorder, 0},
    };
    for (const auto& c : cases) {
        image.fill(Qt::white);
        canvas.Brush().SetColor(clBlack);
        canvas.FrameRect(Rect(10, 10, 30, 30));
        canvas.FrameRect(Rect(40, 40, 46, 46));
        canvas.Brush().SetColor(clRed);
        canvas.FloodFill(c.start.X, c.start.Y, c.color, c.style);
        EXPECT_EQ(CountWholeImage(clRed), c.filledPixels) << c.name;
    }
}

TEST_F(ImageCanvasTest, FloodFillStaysInsideTheClipAndPaintsWithTheBrushPattern)
{
    canvas.IntersectClipRect(Rect(0, 0, 20, 64));
    canvas.Brush().SetColor(clRed);
    canvas.Brush().SetStyle(bsHorizontal);
    canvas.FloodFill(5, 5, clWhite, fsSurface);
    EXPECT_EQ(Count(Rect(20, 0, 64, 64), clWhite), 44 * 64);
    const int hatch = Count(Rect(0, 0, 20, 64), clRed);
    EXPECT_GT(hatch, 0);
    EXPECT_LT(hatch, 20 * 64);
}

TEST_F(ImageCanvasTest, BitBltCombinesPixelsByRasterOperation)
{
    QImage sourceImage = Stripes();
    TCanvas source(MakeImageCanvasBackend(sourceImage));
    const QImage original = image.copy();

    canvas.BitBlt(0, 0, 40, 40, source, 0, 0, SRCCOPY);
    EXPECT_EQ(image.copy(0, 0, 40, 40), sourceImage);
    EXPECT_EQ(Count(Rect(40, 0, 64, 64), clWhite), 24 * 64);

    image = original.copy();
    canvas.BitBlt(5, 5, 30, 30, source, 2, 3, SRCINVERT);
    EXPECT_NE(image, original);
    canvas.BitBlt(5, 5, 30, 30, source, 2, 3, SRCINVERT);
    EXPECT_EQ(image, original);

    canvas.BitBlt(0, 0, 10, 10, source, 0, 0, DSTINVERT);
    EXPECT_EQ(Count(Rect(0, 0, 10, 10), clBlack), 100);
    canvas.BitBlt(0, 0, 10, 10, source, 0, 0, WHITENESS);
    canvas.BitBlt(0, 0, 10, 10, source, 0, 0, SRCAND);  // white AND source = source
    EXPECT_EQ(image.copy(0, 0, 10, 10), sourceImage.copy(0, 0, 10, 10));
    canvas.Brush().SetColor(clRed);
    canvas.BitBlt(0, 0, 10, 10, source, 0, 0, PATCOPY);
    EXPECT_EQ(Count(Rect(0, 0, 10, 10), clRed), 100);
    canvas.BitBlt(0, 0, 10, 10, source, 0, 0, BLACKNESS);
    EXPECT_EQ(Count(Rect(0, 0, 10, 10), clBlack), 100);
}

TEST_F(ImageCanvasTest, CopyWithinOneCanvasReadsBeforeItWrites)
{
    image = Stripes().scaled(64, 64);
    const QImage before = image.copy();
    canvas.BitBlt(7, 0, 50, 64, canvas, 0, 0, SRCCOPY);
    EXPECT_EQ(image.copy(7, 0, 50, 64), before.copy(0, 0, 50, 64));
}

TEST_F(ImageCanvasTest, CopyRectStretchesWithTheCopyMode)
{
    QImage sourceImage(10, 10, QImage::Format_RGB32);
    sourceImage.fill(Qt::red);
    TCanvas source(MakeImageCanvasBackend(sourceImage));
    canvas.CopyRect(Rect(0, 0, 20, 30), source, Rect(0, 0, 10, 10));
    EXPECT_EQ(Count(Rect(0, 0, 64, 64), clRed), 20 * 30);

    canvas.SetCopyMode(SRCINVERT);
    canvas.CopyRect(Rect(0, 0, 20, 30), source, Rect(0, 0, 10, 10));
    EXPECT_EQ(CountWholeImage(clWhite), 64 * 64 - 600);
    EXPECT_EQ(CountWholeImage(clBlack), 600);
}

TEST_F(ImageCanvasTest, CopyingFromACanvasWithoutReadablePixelsRaises)
{
    QImage other(8, 8, QImage::Format_RGB32);
    QPainter painter(&other);
    TCanvas widget(MakePainterCanvasBackend(painter, {8, 8}));
    EXPECT_THROW(canvas.BitBlt(0, 0, 8, 8, widget, 0, 0, SRCCOPY), EInvalidOperation);
    // Operations that do not read the source need none.
    EXPECT_NO_THROW(canvas.BitBlt(0, 0, 8, 8, widget, 0, 0, DSTINVERT));
}

TEST_F(ImageCanvasTest, RasterOperationsKeepTheAlphaOfTheDestination)
{
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(qRgba(10, 20, 30, 128));
    TCanvas pictureCanvas(MakeImageCanvasBackend(picture));
    pictureCanvas.BitBlt(0, 0, 4, 4, canvas, 0, 0, SRCINVERT);
    EXPECT_EQ(picture.pixel(1, 1), qRgba(245, 235, 225, 128));
    pictureCanvas.BitBlt(0, 0, 4, 4, canvas, 0, 0, SRCINVERT);
    EXPECT_EQ(picture.pixel(1, 1), qRgba(10, 20, 30, 128));
}

// A picture whose left half is red and right half blue, wherever it is drawn.
class HalvesGraphic : public TGraphic {
public:
    int GetWidth() const override { return 4; }
    int GetHeight() const override { return 2; }
    bool GetEmpty() const override { return false; }
    void Draw(TCanvas& c, const TRect& r) const override
    {
        const int middle = r.Left + r.Width() / 2;
        c.Brush().SetColor(clRed);
        c.FillRect(Rect(r.Left, r.Top, middle, r.Bottom));
        c.Brush().SetColor(clBlue);
        c.FillRect(Rect(middle, r.Top, r.Right, r.Bottom));
    }
};

TEST_F(ImageCanvasTest, PicturesDrawThemselvesAndBrushesTileThem)
{
    HalvesGraphic halves;
    canvas.Draw(10, 10, &halves);
    EXPECT_EQ(InkBounds(image), Rect(10, 10, 14, 12));
    canvas.StretchDraw(Rect(0, 20, 20, 30), &halves);
    EXPECT_EQ(Count(Rect(0, 20, 10, 30), clRed), 100);
    EXPECT_EQ(Count(Rect(10, 20, 20, 30), clBlue), 100);
    canvas.Draw(0, 0, nullptr);

    image.fill(Qt::white);
    canvas.Brush().SetBitmap(&halves);
    canvas.FillRect(Rect(0, 0, 8, 8));
    EXPECT_EQ(Count(Rect(0, 0, 8, 8), clRed), 32);
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(2, 0), clBlue);
    EXPECT_EQ(At(4, 0), clRed);
}

TEST_F(ImageCanvasTest, ChangeEventsBracketEachCallOnce)
{
    int changing = 0;
    int changed = 0;
    canvas.OnChanging = [&](TObject* sender) {
        EXPECT_EQ(sender, &canvas);
        ++changing;
    };
    canvas.OnChange = [&](TObject*) { ++changed; };
    HalvesGraphic halves;
    TRect r = Rect(0, 0, 30, 10);

    canvas.FillRect(r);
    canvas.StretchDraw(r, &halves);  // fills twice inside
    canvas.DrawEdge(r, EDGE_RAISED, BF_RECT);
    canvas.DrawText("Measured", r, DT_CALCRECT);
    canvas.MoveTo(1, 1);
    canvas.GetPixels(1, 1);
    canvas.TextExtent("Measured");
    EXPECT_EQ(changing, 3);
    EXPECT_EQ(changed, 3);
}

TEST(EmptyImageCanvas, DrawsNothingAndDoesNotFail)
{
    QImage empty;
    TCanvas canvas(MakeImageCanvasBackend(empty));
    TRect r = Rect(0, 0, 10, 10);
    canvas.Rectangle(r);
    canvas.TextOut(0, 0, "x");
    canvas.DrawText("x", r, DT_LEFT);
    canvas.FloodFill(0, 0, clWhite, fsSurface);
    canvas.BitBlt(0, 0, 5, 5, canvas, 0, 0, SRCCOPY);
    EXPECT_EQ(canvas.GetPixels(0, 0), CLR_INVALID);
    EXPECT_TRUE(empty.isNull());
}

TEST(CanvasBackEnd, ImagesQtCannotPaintOnAreReportedClearly)
{
    QImage indexed(8, 8, QImage::Format_Indexed8);
    TCanvas canvas(MakeImageCanvasBackend(indexed));
    EXPECT_THROW(canvas.FillRect(Rect(0, 0, 4, 4)), EInvalidOperation);
}

TEST(CanvasBackEnd, PrinterCanvasKeepsPointSizesAndDrawsWithoutRasterOperations)
{
    const std::string pdf = testing::ArtifactPath("printer-canvas.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    QPainter painter(&printer);
    TCanvas canvas(MakePrinterCanvasBackend(painter, printer));
    EXPECT_EQ(canvas.Font().GetPixelsPerInch(), printer.resolution());
    EXPECT_EQ(canvas.Font().GetSize(), 8);
    EXPECT_GT(canvas.TextHeight("Wg"), 11 * printer.resolution() / 96 / 2);
    EXPECT_EQ(canvas.GetClipRect().Right, printer.pageLayout().paintRectPixels(printer.resolution()).width());

    canvas.Pen().SetMode(pmXor);
    canvas.Rectangle(100, 100, 400, 300);
    canvas.DrawFocusRect(Rect(100, 100, 400, 300));
    canvas.TextOut(100, 400, "Printed");
    EXPECT_EQ(canvas.GetPixels(150, 150), CLR_INVALID);
    EXPECT_TRUE(painter.end());
}

TEST(CanvasLock, CountsNestedLocksAndRefusesAnUnmatchedUnlock)
{
    QImage image(4, 4, QImage::Format_RGB32);
    TCanvas canvas(MakeImageCanvasBackend(image));
    canvas.Lock();
    EXPECT_TRUE(canvas.TryLock());
    EXPECT_EQ(canvas.GetLockCount(), 2);
    canvas.Unlock();
    canvas.Unlock();
    EXPECT_EQ(canvas.GetLockCount(), 0);
    EXPECT_THROW(canvas.Unlock(), EInvalidOperation);
}

}  // namespace
}  // namespace plat
