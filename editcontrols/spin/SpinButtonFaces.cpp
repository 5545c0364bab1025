#include "editcontrols/spin/SpinButtonFaces.h"

#include "editcontrols/base/ThemeHandle.h"
#include "editcontrols/spin/SpinGlyphs.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/ThemeParts.h"
#include "platform/graphics/ThemeServices.h"

namespace skelda::editcontrols {

namespace {

enum THalfLook { hlNormal, hlHot, hlPressed, hlDisabled };

THalfLook LookOf(const TSpinFace& Face, TSpinButtonState Half)
{
    if (!Face.Enabled)
        return hlDisabled;
    if (Face.Pressed == Half)
        return hlPressed;
    if (Face.Hot == Half)
        return hlHot;
    return hlNormal;
}

void Line(plat::TCanvas& Canvas, plat::TColor Color, plat::TPoint From, plat::TPoint To)
{
    Canvas.Pen().SetColor(Color);
    Canvas.MoveTo(From.X, From.Y);
    Canvas.LineTo(To.X, To.Y);
}

// The three lines along the diagonal, inside the rectangle shrunk by one.
void DiagonalLines(plat::TCanvas& Canvas, int WidthPx, int HeightPx, const std::array<plat::TColor, 3>& Colors)
{
    const int left = 1;
    const int top = 1;
    const int right = WidthPx - 1;
    const int bottom = HeightPx - 1;
    Line(Canvas, Colors[0], {left, bottom - 2}, {right - 1, top - 1});
    Line(Canvas, Colors[1], {right - 1, top}, {left, bottom - 1});
    Line(Canvas, Colors[2], {left + 1, bottom - 1}, {right, top});
}

void FillFace(plat::TCanvas& Canvas, int WidthPx, int HeightPx)
{
    Canvas.Brush().SetStyle(plat::bsSolid);
    Canvas.Brush().SetColor(plat::clBtnFace);
    Canvas.FillRect({0, 0, WidthPx, HeightPx});
}

void PaintPlainDiagonal(plat::TCanvas& Canvas, int WidthPx, int HeightPx, const TSpinFace& Face, bool Arrows)
{
    const bool upper = Face.Pressed == sbTopDown;
    const bool lower = Face.Pressed == sbBottomDown;
    plat::TRect edge{0, 0, WidthPx, HeightPx};
    Canvas.DrawEdge(edge, upper ? plat::EDGE_SUNKEN : plat::EDGE_RAISED, plat::BF_SOFT | plat::BF_TOPLEFT);
    edge = {0, 0, WidthPx, HeightPx};
    Canvas.DrawEdge(edge, lower ? plat::EDGE_SUNKEN : plat::EDGE_RAISED, plat::BF_SOFT | plat::BF_BOTTOMRIGHT);
    DiagonalLines(Canvas, WidthPx, HeightPx,
                  {upper ? plat::clBtnFace : plat::clBtnShadow,
                   upper ? plat::clBtnHighlight : lower ? plat::clBtnShadow : plat::cl3DDkShadow,
                   lower ? plat::clWindowFrame : plat::clBtnHighlight});
    if (Arrows) {
        const auto up = LoadSpinArrow(TSpinArrow::Up);
        const auto down = LoadSpinArrow(TSpinArrow::Down);
        DrawDiagonalGlyphs(Canvas, WidthPx, HeightPx, up.get(), down.get(), upper, Face.Enabled);
    }
}

void PaintPlainClassic(plat::TCanvas& Canvas, int WidthPx, int HeightPx, const TSpinFace& Face, bool Arrows)
{
    const int middle = HeightPx / 2;
    const bool upper = Face.Pressed == sbTopDown;
    const bool lower = Face.Pressed == sbBottomDown;
    // The lower box first: the upper one, a row taller, lays its edge over the dividing row.
    plat::TRect box{0, middle, WidthPx, HeightPx};
    Canvas.DrawEdge(box, lower ? plat::EDGE_SUNKEN : plat::EDGE_RAISED, plat::BF_RECT | plat::BF_SOFT);
    box = {0, 0, WidthPx, middle + (upper ? 0 : 1)};
    Canvas.DrawEdge(box, upper ? plat::EDGE_SUNKEN : plat::EDGE_RAISED, plat::BF_RECT | plat::BF_SOFT);
    if (Arrows) {
        const auto up = LoadSpinArrow(TSpinArrow::UpPole);
        const auto down = LoadSpinArrow(TSpinArrow::DownPole);
        DrawClassicGlyphs(Canvas, WidthPx, HeightPx, up.get(), down.get(), Face.Pressed, Face.Enabled);
    }
}

// The rows of the lower-right triangle of Grown (whose diagonal runs from its lower-left to its
// upper-right corner), within a bitmap of WidthPx x HeightPx.
plat::TRegion LowerTriangleOf(const plat::TRect& Grown, int WidthPx, int HeightPx)
{
    plat::TRegion region;
    for (int y = 0; y < HeightPx; ++y) {
        int x = 0;
        while (x < WidthPx && !IsInBottomHalf(x - Grown.Left, y - Grown.Top, Grown.Width(), Grown.Height(), sbsDefault))
            ++x;
        if (x < WidthPx)
            region = region.Union(plat::TRegion({x, y, WidthPx, y + 1}));
    }
    return region;
}

plat::TColor ThemeColorOr(plat::HTHEME Theme, int PropId, plat::TColor Fallback)
{
    plat::TColor color = Fallback;
    if (!Theme || plat::FAILED(plat::ThemeServices().GetThemeColor(Theme, plat::BP_PUSHBUTTON, plat::PBS_NORMAL, PropId,
                                                                   color)))
        return Fallback;
    return color;
}

}  // namespace

void PaintPlainSpinFace(plat::TCanvas& Canvas, int WidthPx, int HeightPx, TKvSpinButtonStyle Style,
                        const TSpinFace& Face, bool Arrows)
{
    FillFace(Canvas, WidthPx, HeightPx);
    if (Style == sbsClassic)
        PaintPlainClassic(Canvas, WidthPx, HeightPx, Face, Arrows);
    else
        PaintPlainDiagonal(Canvas, WidthPx, HeightPx, Face, Arrows);
}

TThemedSpinFacePainter::TThemedSpinFacePainter(int WidthPx, int HeightPx, TKvSpinButtonStyle Style, bool Arrows)
    : FWidthPx(WidthPx), FHeightPx(HeightPx), FStyle(Style), FArrows(Arrows)
{
    if (Style == sbsClassic)
        return;
    const TThemeHandle theme("BUTTON");
    const plat::TRect grown{-1, -1, WidthPx + 1, HeightPx + 1};
    constexpr int states[] = {plat::PBS_NORMAL, plat::PBS_HOT, plat::PBS_PRESSED, plat::PBS_DISABLED};
    for (std::size_t look = 0; look < FButtons.size(); ++look) {
        FButtons[look].SetSize(WidthPx, HeightPx);
        FillFace(FButtons[look].Canvas(), WidthPx, HeightPx);
        if (theme)
            plat::ThemeServices().DrawThemeBackground(theme.Get(), FButtons[look].Canvas(), plat::BP_PUSHBUTTON,
                                                      states[look], grown, nullptr);
    }
    FLowerTriangle = LowerTriangleOf(grown, WidthPx, HeightPx);
    FUpperTriangle = plat::TRegion({0, 0, WidthPx, HeightPx}).Subtract(FLowerTriangle);
    FLineColors = {ThemeColorOr(theme.Get(), plat::TMT_EDGELIGHTCOLOR, plat::clBtnShadow),
                   ThemeColorOr(theme.Get(), plat::TMT_BORDERCOLORHINT, plat::cl3DDkShadow),
                   ThemeColorOr(theme.Get(), plat::TMT_EDGESHADOWCOLOR, plat::clBtnHighlight)};
}

TThemedSpinFacePainter::~TThemedSpinFacePainter() = default;

void TThemedSpinFacePainter::Paint(plat::TCanvas& Canvas, const TSpinFace& Face) const
{
    FillFace(Canvas, FWidthPx, FHeightPx);
    if (FStyle == sbsClassic)
        PaintClassic(Canvas, Face);
    else
        PaintDiagonal(Canvas, Face);
}

void TThemedSpinFacePainter::PaintClassic(plat::TCanvas& Canvas, const TSpinFace& Face) const
{
    const TThemeHandle theme("SPIN");
    if (!theme)
        return;
    constexpr int upStates[] = {plat::UPS_NORMAL, plat::UPS_HOT, plat::UPS_PRESSED, plat::UPS_DISABLED};
    constexpr int downStates[] = {plat::DNS_NORMAL, plat::DNS_HOT, plat::DNS_PRESSED, plat::DNS_DISABLED};
    const THalfLook upLook = LookOf(Face, sbTopDown);
    const int middle = FHeightPx / 2;
    const plat::TRect up{-1, -1, FWidthPx + 1, middle + 1};
    const plat::TRect down{-1, middle, FWidthPx + 1, FHeightPx + 1};
    plat::TRect upClip = up;
    plat::TRect downClip = down;
    // A pressed, hot or disabled up part keeps the dividing row, which shows its edge.
    if (upLook != hlNormal) {
        ++upClip.Bottom;
        ++downClip.Top;
    }
    plat::IThemeServices& themes = plat::ThemeServices();
    themes.DrawThemeBackground(theme.Get(), Canvas, plat::SPNP_UP, upStates[upLook], up, &upClip);
    themes.DrawThemeBackground(theme.Get(), Canvas, plat::SPNP_DOWN, downStates[LookOf(Face, sbBottomDown)], down,
                               &downClip);
}

void TThemedSpinFacePainter::PaintDiagonal(plat::TCanvas& Canvas, const TSpinFace& Face) const
{
    const int saved = Canvas.SaveDC();
    Canvas.SelectClipRgn(&FUpperTriangle);
    Canvas.Draw(0, 0, &FButtons[LookOf(Face, sbTopDown)]);
    Canvas.SelectClipRgn(&FLowerTriangle);
    Canvas.Draw(0, 0, &FButtons[LookOf(Face, sbBottomDown)]);
    Canvas.RestoreDC(saved);
    DiagonalLines(Canvas, FWidthPx, FHeightPx, FLineColors);
    if (FArrows) {
        const auto up = LoadSpinArrow(TSpinArrow::Up);
        const auto down = LoadSpinArrow(TSpinArrow::Down);
        DrawDiagonalGlyphs(Canvas, FWidthPx, FHeightPx, up.get(), down.get(), false, Face.Enabled);
    }
}

}  // namespace skelda::editcontrols
