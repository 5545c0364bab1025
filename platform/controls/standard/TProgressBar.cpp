#include "platform/controls/standard/TProgressBar.h"

#include "platform/controls/forms/WindowTimers.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>

namespace plat {

namespace {

constexpr std::uintptr_t MarqueeTimer = 1;
constexpr int BlockGapPx = 2;
// Blocks the marquee block is long, and how many it moves at each step.
constexpr int MarqueeBlocks = 3;

}  // namespace

TProgressBar::TProgressBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clBtnFace);
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetMin(int Value)
{
    FMin = Value;
    FMax = std::max(FMax, FMin);
    SetPosition(FPosition);
    Invalidate();
}

void TProgressBar::SetMax(int Value)
{
    FMax = Value;
    FMin = std::min(FMin, FMax);
    SetPosition(FPosition);
    Invalidate();
}

void TProgressBar::SetPosition(int Value)
{
    const int position = std::clamp(Value, FMin, FMax);
    if (position == FPosition)
        return;
    FPosition = position;
    Invalidate();
}

void TProgressBar::StepIt()
{
    const long long next = static_cast<long long>(FPosition) + FStep;
    SetPosition(next > FMax ? FMin : static_cast<int>(std::max<long long>(next, FMin)));
}

void TProgressBar::StepBy(int Delta)
{
    SetPosition(static_cast<int>(std::clamp<long long>(static_cast<long long>(FPosition) + Delta, FMin, FMax)));
}

void TProgressBar::SetOrientation(TProgressBarOrientation Value)
{
    if (Value == FOrientation)
        return;
    FOrientation = Value;
    if (!ComponentState().Contains(csLoading))
        SetBounds(GetLeft(), GetTop(), GetHeight(), GetWidth());
    Invalidate();
}

void TProgressBar::SetSmooth(bool Value)
{
    FSmooth = Value;
    Invalidate();
}

void TProgressBar::SetStyle(TProgressBarStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    FMarqueeOffset = 0;
    RunMarquee();
    Invalidate();
}

void TProgressBar::SetMarqueeInterval(int Value)
{
    FMarqueeIntervalMs = std::max(Value, 1);
    RunMarquee();
}

void TProgressBar::RunMarquee()
{
    if (FStyle == pbstMarquee)
        SetTimer(this, MarqueeTimer, static_cast<unsigned>(FMarqueeIntervalMs));
    else
        KillTimer(this, MarqueeTimer);
}

int TProgressBar::TrackLength() const
{
    // Inside the one-pixel sunken edge and a pixel of space.
    const int length = FOrientation == pbHorizontal ? GetClientWidth() : GetClientHeight();
    return std::max(length - 4, 0);
}

int TProgressBar::BlockLength() const
{
    const int thickness = (FOrientation == pbHorizontal ? GetClientHeight() : GetClientWidth()) - 4;
    return std::max(thickness * 2 / 3, 1);
}

void TProgressBar::Paint()
{
    TCanvas& canvas = Canvas();
    TRect rect = GetClientRect();
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(rect);
    canvas.DrawEdge(rect, BDR_SUNKENOUTER, BF_RECT);
    const TRect inner = Rect(2, 2, GetClientWidth() - 2, GetClientHeight() - 2);
    if (inner.IsEmpty())
        return;
    const int track = TrackLength();
    int from = 0;
    int to = 0;
    if (FStyle == pbstMarquee) {
        const int block = BlockLength() + BlockGapPx;
        from = FMarqueeOffset;
        to = std::min(FMarqueeOffset + MarqueeBlocks * block, track);
    } else if (FMax > FMin) {
        to = static_cast<int>(static_cast<long long>(track) * (FPosition - FMin) / (FMax - FMin));
    }
    canvas.Brush().SetColor(clHighlight);
    const int step = FSmooth ? std::max(to - from, 1) : BlockLength() + BlockGapPx;
    const int fill = FSmooth ? step : BlockLength();
    for (int at = from; at < to; at += step) {
        const int end = std::min(at + fill, track);
        if (FOrientation == pbHorizontal)
            canvas.FillRect(Rect(inner.Left + at, inner.Top, inner.Left + end, inner.Bottom));
        else
            canvas.FillRect(Rect(inner.Left, inner.Bottom - end, inner.Right, inner.Bottom - at));
    }
}

void TProgressBar::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_TIMER && TWMTimer(Message).TimerID() == MarqueeTimer) {
        const int track = TrackLength();
        FMarqueeOffset += BlockLength() + BlockGapPx;
        if (FMarqueeOffset >= track)
            FMarqueeOffset = 0;
        Invalidate();
        return;
    }
    TCustomControl::Dispatch(Message);
}

}  // namespace plat
