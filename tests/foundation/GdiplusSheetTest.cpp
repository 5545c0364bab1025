// A sheet of everything the GDI+ floor draws, kept as "gdiplus-figures.png" in the artifacts
// folder for a person to look at: figures, pens, brushes, paths, clips, transforms, string
// formats, a PNG with alpha and a BMP with its keyed colour.

#include "foundation/GPColors.h"
#include "foundation/TGDIPPicture.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPFont.h"
#include "foundation/TGPFontFamily.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPGraphicsPath.h"
#include "foundation/TGPImage.h"
#include "foundation/TGPMatrix.h"
#include "foundation/TGPPen.h"
#include "foundation/TGPRegion.h"
#include "foundation/TGPStringFormat.h"
#include "platform/core/TStream.h"
#include "platform/graphics/Resources.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/testing/Artifacts.h"

#include <QImage>

#include <gtest/gtest.h>

namespace skelda::foundation {
namespace {

constexpr ARGB Ink = 0xFF202020;
constexpr ARGB Red = 0xFFE03030;
constexpr ARGB Blue = 0xFF3050E0;
constexpr ARGB Green = 0xFF30A040;

// One cell of the sheet: 150 x 120 pixels, its caption at the bottom.
class Sheet {
public:
    Sheet() : FImage(900, 360, QImage::Format_ARGB32), FCanvas(plat::MakeImageCanvasBackend(FImage))
    {
        FImage.fill(Qt::white);
    }

    template <typename Draw>
    void Cell(const char* caption, Draw draw)
    {
        const int x = (FNext % 6) * 150;
        const int y = (FNext / 6) * 120;
        ++FNext;
        FCanvas.SetViewportOrg({x, y});
        TGPGraphics graphics(FCanvas.Handle());
        graphics.SetSmoothingMode(SmoothingModeAntiAlias);
        draw(graphics);
        graphics.ResetClip();
        graphics.ResetTransform();
        const TGPFont font("Arial", 8);
        const TGPSolidBrush ink(0xFF606060);
        graphics.DrawString(caption, -1, &font, TGPPointF{4, 104}, &ink);
        const TGPPen border(0xFFD0D0D0);
        graphics.SetSmoothingMode(SmoothingModeNone);
        graphics.DrawRectangle(&border, 0, 0, 149, 119);
    }

    plat::TCanvas& Canvas() { return FCanvas; }
    const QImage& Image() const { return FImage; }

private:
    QImage FImage;
    plat::TCanvas FCanvas;
    int FNext = 0;
};

void RoundedRect(TGPGraphicsPath& path, REAL x, REAL y, REAL w, REAL h, REAL r)
{
    path.AddArc(x, y, 2 * r, 2 * r, 180, 90);
    path.AddArc(x + w - 2 * r, y, 2 * r, 2 * r, 270, 90);
    path.AddArc(x + w - 2 * r, y + h - 2 * r, 2 * r, 2 * r, 0, 90);
    path.AddArc(x, y + h - 2 * r, 2 * r, 2 * r, 90, 90);
    path.CloseFigure();
}

void PathGradientFill(TGPGraphics& g, TGPGraphicsPath& path, ARGB centre, ARGB surround)
{
    TGPPathGradientBrush brush(path);
    brush.SetCenterColor(centre);
    int count = 1;
    brush.SetSurroundColors(&surround, count);
    g.FillPath(brush, path);
}

TEST(GdiplusSheetTest, EveryFigureKindOnOneSheet)
{
    Sheet sheet;
    sheet.Cell("lines and dashes", [](TGPGraphics& g) {
        const DashStyle styles[] = {DashStyleSolid, DashStyleDash, DashStyleDot, DashStyleDashDot, DashStyleDashDotDot};
        for (int i = 0; i < 5; ++i) {
            TGPPen pen(Ink, static_cast<REAL>(1 + i % 2));
            pen.SetDashStyle(styles[i]);
            g.DrawLine(&pen, 10, static_cast<REAL>(12 + i * 16), 140, static_cast<REAL>(12 + i * 16));
        }
        const TGPPen slant(Red, 1);
        g.DrawLine(&slant, 10, 92, 140, 80);
    });
    sheet.Cell("rectangles, ellipses", [](TGPGraphics& g) {
        const TGPSolidBrush fill(0xFFB0D0FF);
        const TGPPen frame(Blue, 2);
        g.FillRectangle(&fill, 10, 10, 60, 40);
        g.DrawRectangle(&frame, 10, 10, 60, 40);
        const TGPSolidBrush ellipse(0x80E03030);
        g.FillEllipse(&ellipse, 50, 30, 80, 50);
        g.DrawEllipse(&frame, 50, 30, 80, 50);
    });
    sheet.Cell("arcs and pies", [](TGPGraphics& g) {
        const TGPPen arc(Ink, 2);
        g.DrawArc(&arc, 10, 10, 60, 60, 0, 270);
        g.DrawArc(&arc, 10, 75, 130, 25, 180, 180);
        TGPGraphicsPath pie;
        pie.AddPie(80, 10, 60, 60, -30, 120);
        const TGPSolidBrush fill(Green);
        g.FillPath(fill, pie);
    });
    sheet.Cell("polygon, curve, bezier", [](TGPGraphics& g) {
        const TGPPointF star[] = {{40, 5}, {50, 35}, {80, 35}, {55, 52}, {65, 85}, {40, 63}, {15, 85}, {25, 52}, {0, 35}, {30, 35}};
        const TGPSolidBrush fill(0xFFFFC040);
        g.FillPolygon(&fill, star, 10, FillModeWinding);
        TGPGraphicsPath curve;
        const TGPPoint points[] = {{85, 80}, {100, 20}, {120, 70}, {140, 15}};
        curve.AddCurve(points, 4);
        const TGPPen pen(Blue, 2);
        g.DrawPath(&pen, &curve);
        TGPGraphicsPath bezier;
        bezier.AddBezier(85, 95, 100, 60, 130, 130, 145, 90);
        g.DrawPath(&pen, &bezier);
    });
    sheet.Cell("rounded path, text path", [](TGPGraphics& g) {
        TGPGraphicsPath rounded;
        RoundedRect(rounded, 10, 8, 130, 40, 8);
        const TGPSolidBrush fill(0xFFD8E8D0);
        g.FillPath(fill, rounded);
        const TGPPen frame(Green, 1);
        g.DrawPath(&frame, &rounded);
        TGPGraphicsPath text;
        const TGPFontFamily family("Arial");
        text.AddString("Path", -1, &family, FontStyleBold, 36, TGPRectF{20, 50, 0, 0}, nullptr);
        const TGPLinearGradientBrush gradient(TGPRectF{20, 55, 100, 40}, Red, Blue, LinearGradientModeHorizontal);
        g.FillPath(gradient, text);
        g.DrawPath(&frame, &text);
    });
    sheet.Cell("hatch and texture", [](TGPGraphics& g) {
        const HatchStyle hatches[] = {HatchStyleHorizontal, HatchStyleCross, HatchStyleDiagonalCross, HatchStyle50Percent};
        for (int i = 0; i < 4; ++i) {
            const TGPHatchBrush hatch(hatches[i], Ink, 0xFFFFF0C0);
            g.FillRectangle(&hatch, static_cast<REAL>(8 + i * 34), 8, 30, 40);
        }
        TGPBitmap tile(8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                tile.SetPixel(x, y, (x < 4) == (y < 4) ? Blue : 0xFFFFFFFF);
        const TGPTextureBrush texture(tile, WrapModeTileFlipXY);
        g.FillEllipse(&texture, 10, 55, 130, 42);
    });
    sheet.Cell("linear gradient modes", [](TGPGraphics& g) {
        const LinearGradientMode modes[] = {LinearGradientModeHorizontal, LinearGradientModeVertical,
                                            LinearGradientModeForwardDiagonal, LinearGradientModeBackwardDiagonal};
        for (int i = 0; i < 4; ++i) {
            const TGPRectF r{static_cast<REAL>(8 + (i % 2) * 70), static_cast<REAL>(6 + (i / 2) * 48), 64, 44};
            const TGPLinearGradientBrush brush(r, Red, Blue, modes[i]);
            g.FillRectangle(&brush, r);
        }
    });
    sheet.Cell("tiling, blend, angle", [](TGPGraphics& g) {
        const TGPLinearGradientBrush tiled(TGPRectF{10, 0, 30, 10}, Green, 0xFFFFFFFF, LinearGradientModeHorizontal);
        g.FillRectangle(&tiled, 10, 8, 130, 25);
        TGPLinearGradientBrush blend(TGPRectF{10, 38, 130, 25}, Red, Blue, LinearGradientModeHorizontal);
        const ARGB colors[] = {Red, 0xFFFFFF00, Blue};
        const REAL positions[] = {0, 0.3f, 1};
        blend.SetInterpolationColors(colors, positions, 3);
        g.FillRectangle(&blend, 10, 38, 130, 25);
        const TGPLinearGradientBrush angled(TGPRectF{10, 68, 130, 30}, Ink, 0xFFFFFFFF, 30.0f);
        g.FillRectangle(&angled, 10, 68, 130, 30);
    });
    sheet.Cell("path gradients", [](TGPGraphics& g) {
        TGPGraphicsPath ellipse;
        ellipse.AddEllipse(5, 5, 70, 50);
        PathGradientFill(g, ellipse, 0xFFFFFFFF, Blue);
        TGPGraphicsPath offCentre;
        offCentre.AddEllipse(80, 5, 60, 60);
        TGPPathGradientBrush brush(offCentre);
        brush.SetCenterColor(0xFFFFFF80);
        ARGB surround = Red;
        int count = 1;
        brush.SetSurroundColors(&surround, count);
        brush.SetCenterPoint(TGPPointF{95, 20});
        g.FillPath(brush, offCentre);
        TGPGraphicsPath triangle;
        const TGPPointF corners[] = {{10, 98}, {60, 62}, {110, 98}};
        triangle.AddPolygon(corners, 3);
        PathGradientFill(g, triangle, 0xFFFFFFFF, Green);
    });
    sheet.Cell("glow button face", [](TGPGraphics& g) {
        TGPGraphicsPath outline;
        RoundedRect(outline, 15, 30, 119, 39, 4);
        const TGPLinearGradientBrush face(TGPRectF{15, 30, 120, 40}, 0xFFE3EFFF, 0xFFAFD2FF, LinearGradientModeVertical);
        g.FillPath(face, outline);
        TGPGraphicsPath glow;
        glow.AddEllipse(-5, 50, 160, 40);
        g.SetClip(outline);
        PathGradientFill(g, glow, 0xC0FFFFFF, 0x00FFFFFF);
        g.ResetClip();
        const TGPPen frame(0xFF658DC1, 1);
        g.DrawPath(&frame, &outline);
        const TGPFont font("Segoe UI", 8);
        TGPStringFormat centred;
        centred.SetAlignment(StringAlignmentCenter);
        centred.SetLineAlignment(StringAlignmentCenter);
        const TGPSolidBrush ink(0xFF15428B);
        g.DrawString("Compute", -1, &font, TGPRectF{15, 30, 120, 40}, &centred, &ink);
    });
    sheet.Cell("clips and transforms", [](TGPGraphics& g) {
        g.ExcludeClip(TGPRectF{30, 20, 30, 30});
        const TGPSolidBrush fill(0xFF80C080);
        g.FillRectangle(&fill, 10, 10, 70, 50);
        g.ResetClip();
        TGPMatrix matrix;
        matrix.RotateAt(30, TGPPointF{110, 45}, MatrixOrderAppend);
        g.SetTransform(matrix);
        const TGPSolidBrush rotated(Blue);
        g.FillRectangle(&rotated, 90, 30, 40, 30);
        g.ResetTransform();
        TGPGraphicsPath circle;
        circle.AddEllipse(20, 65, 36, 36);
        const TGPRegion region(circle);
        g.SetClip(region);
        const TGPHatchBrush hatch(HatchStyleForwardDiagonal, Red, 0xFFFFFFFF);
        g.FillRectangle(&hatch, 0, 60, 150, 45);
    });
    sheet.Cell("string alignments", [](TGPGraphics& g) {
        const TGPFont font("Arial", 9);
        const TGPSolidBrush ink(Ink);
        const TGPPen box(0xFFC0C0FF);
        const StringAlignment aligns[] = {StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar};
        const char* names[] = {"near", "centre", "far"};
        for (int i = 0; i < 3; ++i) {
            TGPStringFormat format;
            format.SetAlignment(aligns[i]);
            format.SetLineAlignment(aligns[i]);
            const TGPRectF r{8, static_cast<REAL>(6 + i * 32), 134, 28};
            g.DrawRectangle(&box, r);
            g.DrawString(names[i], -1, &font, r, &format, &ink);
        }
    });
    sheet.Cell("wrap, ellipsis, hotkey", [](TGPGraphics& g) {
        const TGPFont font("Tahoma", 8);
        const TGPSolidBrush ink(Ink);
        const TGPPen box(0xFFC0C0FF);
        const TGPRectF wrapped{8, 4, 134, 42};
        g.DrawRectangle(&box, wrapped);
        g.DrawString("Lines break at words to the width of the layout rectangle.", -1, &font, wrapped, nullptr, &ink);
        TGPStringFormat trimmed(StringFormatFlagsNoWrap);
        trimmed.SetTrimming(StringTrimmingEllipsisCharacter);
        const TGPRectF one{8, 52, 134, 16};
        g.DrawRectangle(&box, one);
        g.DrawString("A line too long for its rectangle ends in an ellipsis", -1, &font, one, &trimmed, &ink);
        TGPStringFormat hotkey;
        hotkey.SetHotkeyPrefix(HotkeyPrefixShow);
        g.DrawString("&Save and E&xit", -1, &font, TGPRectF{8, 74, 134, 16}, &hotkey, &ink);
    });
    sheet.Cell("fonts and styles", [](TGPGraphics& g) {
        const TGPSolidBrush ink(Ink);
        const char* families[] = {"Arial", "Tahoma", "Times New Roman", "Courier New"};
        const int styles[] = {FontStyleRegular, FontStyleBold, FontStyleItalic, FontStyleUnderline};
        for (int i = 0; i < 4; ++i) {
            const TGPFont font(families[i], 10, styles[i]);
            g.DrawString(families[i], -1, &font, TGPPointF{6, static_cast<REAL>(4 + i * 22)}, &ink);
        }
    });
    sheet.Cell("text antialiasing", [](TGPGraphics& g) {
        const TGPSolidBrush ink(Ink);
        const TGPFont font("Arial", 11);
        const TextRenderingHint hints[] = {TextRenderingHintSingleBitPerPixelGridFit, TextRenderingHintAntiAlias,
                                           TextRenderingHintClearTypeGridFit};
        const char* names[] = {"single bit", "antialias", "clear type"};
        for (int i = 0; i < 3; ++i) {
            g.SetTextRenderingHint(hints[i]);
            g.DrawString(names[i], -1, &font, TGPPointF{6, static_cast<REAL>(6 + i * 28)}, &ink);
        }
    });
    sheet.Cell("PNG with alpha", [](TGPGraphics& g) {
        const TGPHatchBrush checker(HatchStyleLargeCheckerBoard, 0xFFC0C0C0, 0xFFFFFFFF);
        g.FillRectangle(&checker, 5, 5, 140, 95);
        plat::TMemoryStream png;
        png.WriteBuffer(plat::LoadResource("ALPHA_PNG"));
        TGPImage image(&png);
        g.DrawImage(&image, 10, 10);
        g.DrawImage(&image, 40.0f, 10.0f, 96.0f, 72.0f);
    });

    // A BMP through the GDI+ picture: its magenta frame, the automatic transparent colour, is
    // left out.
    TGDIPPicture keyed;
    keyed.LoadFromResourceID(plat::HInstance(), 101);
    sheet.Cell("keyed BMP picture", [](TGPGraphics&) {});
    sheet.Canvas().SetViewportOrg({0, 0});
    const int x = 150 * 4;
    const int y = 120 * 2;
    keyed.Draw(sheet.Canvas(), plat::Rect(x + 20, y + 10, x + 100, y + 90));
    TGDIPPicture alpha;
    alpha.LoadFromURL("RES://ALPHA_PNG");
    alpha.Draw(sheet.Canvas(), plat::Rect(x + 100, y + 60, x + 140, y + 90));

    const std::string path = plat::testing::ArtifactPath("gdiplus-figures.png");
    ASSERT_TRUE(sheet.Image().save(QString::fromStdString(path), "PNG")) << path;
    EXPECT_EQ(sheet.Image().pixel(x + 60, y + 50), 0xFF0000FFu) << "the keyed BMP's blue middle";
    EXPECT_EQ(sheet.Image().pixel(x + 22, y + 12), 0xFFFFFFFFu) << "its keyed frame left out";
}

}  // namespace
}  // namespace skelda::foundation
