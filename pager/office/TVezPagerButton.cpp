#include "pager/office/TVezPagerButton.h"

#include "foundation/GPColors.h"
#include "foundation/TGDIPPicture.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPPen.h"

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

constexpr plat::TColor kPressedDisc = 0x201E43;
constexpr plat::TColor kHotDisc = 0x3535C0;
constexpr ARGB kLitCross = ComposeARGB(220, 235, 235, 235);
constexpr ARGB kRestingCross = ComposeARGB(220, 165, 165, 165);

}  // namespace

TVezPagerButton::TVezPagerButton(plat::TComponent* AOwner)
    : plat::TGraphicControl(AOwner),
      FIPicture(std::make_unique<TGDIPPicture>()),
      FIHotPicture(std::make_unique<TGDIPPicture>()),
      FIDownPicture(std::make_unique<TGDIPPicture>()),
      FIDisabledPicture(std::make_unique<TGDIPPicture>())
{
    // No click of the library's own: MouseUp decides, for any mouse button.
    SetControlStyle(plat::TControlStyle{plat::csCaptureMouse, plat::csDoubleClicks});
    SetBounds(GetLeft(), GetTop(), 23, 22);
    SetParentFont(true);
    Font().SetName("Tahoma");
    SetShowHint(false);
}

TVezPagerButton::~TVezPagerButton() = default;

void TVezPagerButton::HoverChanged(bool Inside)
{
    if (Designing() || FMouseEnter == Inside)
        return;
    FMouseEnter = Inside;
    if (GetEnabled())
        Repaint();
    const plat::TNotifyEvent& event = Inside ? OnMouseEnter : OnMouseLeave;
    if (event)
        event(this);
}

void TVezPagerButton::Dispatch(plat::TMessage& Message)
{
    switch (Message.Msg) {
    case plat::CM_MOUSEENTER:
    case plat::CM_MOUSELEAVE: {
        const plat::TControlRef<TVezPagerButton> alive(this);
        plat::TGraphicControl::Dispatch(Message);
        if (alive)
            HoverChanged(Message.Msg == plat::CM_MOUSEENTER);
        return;
    }
    case plat::WM_ERASEBKGND:
        Message.Result = 1;
        plat::TGraphicControl::Dispatch(Message);
        return;
    default:
        plat::TGraphicControl::Dispatch(Message);
    }
}

void TVezPagerButton::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<TVezPagerButton> alive(this);
    plat::TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (!alive || Button != plat::mbLeft || !GetEnabled() || Designing())
        return;
    FMouseDown = true;
    Repaint();
}

void TVezPagerButton::MouseMove(plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<TVezPagerButton> alive(this);
    plat::TGraphicControl::MouseMove(Shift, X, Y);
    if (!alive || Designing())
        return;
    const bool inside = GetClientRect().Contains(plat::Point(X, Y));
    if (inside == FMouseEnter)
        return;
    FMouseEnter = inside;
    Repaint();
}

void TVezPagerButton::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<TVezPagerButton> alive(this);
    plat::TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!alive || Designing())
        return;
    Repaint();
    FMouseDown = false;
    if (GetEnabled() && FMouseEnter)
        Click();
}

void TVezPagerButton::Paint()
{
    if (!FDrawClose)
        return;
    TGPGraphics graphics(Canvas().Handle());
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    const int w = GetClientWidth(), h = GetClientHeight();
    const int d = GetWidth() / 3;
    const bool lit = FMouseEnter;
    if (lit) {
        const TGPSolidBrush disc(ColorToARGB(FMouseDown ? kPressedDisc : kHotDisc));
        graphics.FillEllipse(&disc, 2, 1, w - 3, h - 3);
    }
    const TGPPen pen(lit ? kLitCross : kRestingCross, 1.6f);
    graphics.DrawLine(&pen, static_cast<REAL>(d), static_cast<REAL>(d - 1), static_cast<REAL>(w - d + 1),
                      static_cast<REAL>(h - d));
    graphics.DrawLine(&pen, static_cast<REAL>(w - d + 1), static_cast<REAL>(d - 1), static_cast<REAL>(d),
                      static_cast<REAL>(h - d));
}

}  // namespace skelda::pager
