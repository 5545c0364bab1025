#include "app/ButtonGlyphs.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TPen.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace skelda::app {

namespace {

constexpr int kSizePx = 16;
constexpr plat::TColor kTransparent = plat::clOlive;

void Outline(plat::TCanvas& canvas, plat::TColor fill)
{
    canvas.Pen().SetColor(plat::clBlack);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetStyle(plat::bsSolid);
    canvas.Brush().SetColor(fill);
}

// A five-pointed star: the author's mark.
void DrawStar(plat::TCanvas& canvas)
{
    std::vector<plat::TPoint> points;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 7.5 : 3.2;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        points.push_back({static_cast<int>(std::lround(7.5 + radius * std::cos(angle))),
                          static_cast<int>(std::lround(8.5 + radius * std::sin(angle)))});
    }
    Outline(canvas, plat::clYellow);
    canvas.Polygon(points);
}

// A white "i" on a blue disc.
void DrawInformation(plat::TCanvas& canvas)
{
    Outline(canvas, plat::RGB(0, 64, 192));
    canvas.Ellipse(0, 0, kSizePx, kSizePx);
    canvas.Brush().SetColor(plat::clWhite);
    canvas.FillRect(plat::Rect(7, 3, 9, 5));
    canvas.FillRect(plat::Rect(7, 6, 9, 13));
}

// A cog wheel: eight teeth round a ring.
void DrawCog(plat::TCanvas& canvas)
{
    Outline(canvas, plat::clSilver);
    const int teeth[][4] = {{6, 0, 10, 3}, {6, 13, 10, 16}, {0, 6, 3, 10}, {13, 6, 16, 10},
                            {2, 2, 5, 5},  {11, 2, 14, 5},  {2, 11, 5, 14}, {11, 11, 14, 14}};
    for (const auto& tooth : teeth)
        canvas.Rectangle(tooth[0], tooth[1], tooth[2], tooth[3]);
    canvas.Ellipse(2, 2, 14, 14);
    canvas.Brush().SetColor(kTransparent);
    canvas.Ellipse(5, 5, 11, 11);
}

}  // namespace

void LoadButtonGlyph(ButtonGlyph Glyph, plat::TBitmap& Bitmap)
{
    Bitmap.SetSize(kSizePx, kSizePx);
    plat::TCanvas& canvas = Bitmap.Canvas();
    canvas.Brush().SetStyle(plat::bsSolid);
    canvas.Brush().SetColor(kTransparent);
    canvas.FillRect(plat::Rect(0, 0, kSizePx, kSizePx));
    switch (Glyph) {
    case ButtonGlyph::About:
        DrawStar(canvas);
        break;
    case ButtonGlyph::Information:
        DrawInformation(canvas);
        break;
    case ButtonGlyph::Setup:
        DrawCog(canvas);
        break;
    }
    Bitmap.SetTransparentColor(kTransparent);
}

}  // namespace skelda::app
