#include "pager/office/TabProgressBar.h"

#include "foundation/GPColors.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPGraphics.h"
#include "pager/office/TTabProgress.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

std::unique_ptr<TGPBrush> BarBrush(const plat::TRect& Rect, plat::TColor From, plat::TColor To, bool Swap,
                                   LinearGradientMode Mode)
{
    if (To == plat::clNone)
        return std::make_unique<TGPSolidBrush>(ColorToARGB(From));
    if (Swap)
        std::swap(From, To);
    const TGPRectF box{static_cast<REAL>(Rect.Left), static_cast<REAL>(Rect.Top), static_cast<REAL>(Rect.Width()),
                       static_cast<REAL>(Rect.Height())};
    return std::make_unique<TGPLinearGradientBrush>(box, ColorToARGB(From), ColorToARGB(To), Mode);
}

void Fill(TGPGraphics& Graphics, const TGPBrush& Brush, const plat::TRect& Rect)
{
    Graphics.FillRectangle(&Brush, static_cast<REAL>(Rect.Left), static_cast<REAL>(Rect.Top),
                           static_cast<REAL>(Rect.Width()), static_cast<REAL>(Rect.Height()));
}

}  // namespace

void DrawTabProgress(const TTabProgress& Progress, TGPGraphics* Graphics, const plat::TRect& Rect,
                     TTabPosition Position, bool Rotated)
{
    if (!Graphics)
        return;
    plat::TRect r = Rect;
    switch (Position) {
    case tpTop:
        r.Top += 1;
        r.Right += 2;
        break;
    case tpBottom:
        r.Right += 1;
        break;
    case tpLeft:
        r.Bottom -= 1;
        break;
    case tpRight:
        r.Right += 2;
        break;
    }
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    const bool along = Position == tpTop || Position == tpBottom || !Rotated;
    const int lengthPx = along ? r.Width() : r.Height();
    const LinearGradientMode mode = along ? LinearGradientModeVertical : LinearGradientModeHorizontal;
    const bool swap = !along && Position == tpRight;

    Fill(*Graphics, *BarBrush(r, Progress.GetColor(), Progress.GetColorTo(), swap, mode), r);

    int donePx = 0;
    if (Progress.GetMax() > 0) {
        const double fraction = static_cast<double>(Progress.GetPosition()) / Progress.GetMax();
        donePx = static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * lengthPx));
    }
    if (donePx <= 0)
        return;
    plat::TRect done = r;
    if (along)
        done.Right = r.Left + donePx;
    else if (Position == tpLeft)
        done.Top = r.Bottom - donePx;
    else
        done.Bottom = r.Top + donePx;
    Fill(*Graphics, *BarBrush(done, Progress.GetCompleteColor(), Progress.GetCompleteColorTo(), swap, mode), done);
}

bool TTabProgressPainter::IsVisible() const
{
    return FProgress.GetVisible();
}

void TTabProgressPainter::Draw(TGPGraphics& Graphics, const plat::TRect& Rect, TTabPosition Orientation,
                               bool Rotated) const
{
    DrawTabProgress(FProgress, &Graphics, Rect, Orientation, Rotated);
}

}  // namespace skelda::pager
