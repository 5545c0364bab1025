#include "editcontrols/panel/TKvCaptionPanel.h"

#include "editcontrols/base/DrawingUtils.h"
#include "editcontrols/panel/TKvCapBtn.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/WindowHost.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TIcon.h"
#include "platform/system/SystemMetrics.h"

#include <algorithm>
#include <utility>

namespace skelda::editcontrols {

namespace {

// The order the caption buttons take their places in, from the start of the bar.
constexpr std::array<TKvCapBtnStyle, 5> PlacingOrder{capClose, capMax, capRestore, capMin, capHelp};

bool IsSizingCode(int Code)
{
    return Code >= plat::HTLEFT && Code <= plat::HTBOTTOMRIGHT;
}

bool SizesLeft(int Code)
{
    return Code == plat::HTLEFT || Code == plat::HTTOPLEFT || Code == plat::HTBOTTOMLEFT;
}

bool SizesRight(int Code)
{
    return Code == plat::HTRIGHT || Code == plat::HTTOPRIGHT || Code == plat::HTBOTTOMRIGHT;
}

bool SizesTop(int Code)
{
    return Code == plat::HTTOP || Code == plat::HTTOPLEFT || Code == plat::HTTOPRIGHT;
}

bool SizesBottom(int Code)
{
    return Code == plat::HTBOTTOM || Code == plat::HTBOTTOMLEFT || Code == plat::HTBOTTOMRIGHT;
}

plat::TCursor SizingCursor(int Code)
{
    switch (Code) {
    case plat::HTLEFT:
    case plat::HTRIGHT:
        return plat::crSizeWE;
    case plat::HTTOP:
    case plat::HTBOTTOM:
        return plat::crSizeNS;
    case plat::HTTOPLEFT:
    case plat::HTBOTTOMRIGHT:
        return plat::crSizeNWSE;
    default:
        return plat::crSizeNESW;
    }
}

}  // namespace

TKvCaptionPanel::TKvCaptionPanel(plat::TComponent* AOwner)
    : TKvCustomPanel(AOwner), FCaptionFont(std::make_unique<plat::TFont>()), FIcon(std::make_unique<plat::TIcon>())
{
    for (const TKvCapBtnStyle style : PlacingOrder) {
        auto* button = new TKvCapBtn(this);
        button->SetStyle(style);
        button->SetParent(this);
        FButtonArray[static_cast<std::size_t>(style)] = button;
    }
    FCaptionFont->SetSize(10);
    FCaptionFont->SetStyle({plat::fsBold});
    FCaptionFont->SetColor(plat::clWhite);
    FCaptionFont->OnChange = [this](plat::TObject*) { Invalidate(); };
    FIcon->OnChange = [this](plat::TObject*) { Invalidate(); };
    SetBorderStyle(plat::bsSingle);
}

TKvCaptionPanel::~TKvCaptionPanel()
{
    FCaptionFont->OnChange = nullptr;
    FIcon->OnChange = nullptr;
}

TKvCapBtn& TKvCaptionPanel::CaptionButton(TKvCapBtnStyle Style) const
{
    return *FButtonArray[static_cast<std::size_t>(Style)];
}

void TKvCaptionPanel::SetCaption(const std::string& Value)
{
    FCaption = Value;
    SetText("");
    Invalidate();
}

void TKvCaptionPanel::SetCaptionPosition(TKvDrawPosition Value)
{
    if (Value == FCaptionPosition)
        return;
    FCaptionPosition = Value;
    LayoutChanged();
}

void TKvCaptionPanel::SetButtons(TKvCapBtnStyles Value)
{
    FButtons = Value;
    for (const TKvCapBtnStyle style : PlacingOrder)
        CaptionButton(style).SetVisible(FButtons.Contains(style));
    PlaceButtons();
    Invalidate();
}

void TKvCaptionPanel::SetCaptionColor(plat::TColor Value)
{
    if (Value == FCaptionColor)
        return;
    FCaptionColor = Value;
    Invalidate();
}

void TKvCaptionPanel::SetFlatButtons(bool Value)
{
    if (Value == FFlat)
        return;
    FFlat = Value;
    for (TKvCapBtn* button : FButtonArray)
        button->SetFlat(Value);
    LayoutChanged();
}

void TKvCaptionPanel::SetOutlookLook(bool Value)
{
    if (Value == FOutlookLook)
        return;
    FOutlookLook = Value;
    FCaptionOffsetSmall = Value ? 0 : 2;
    FCaptionOffsetLarge = Value ? 0 : 3;
    LayoutChanged();
}

void TKvCaptionPanel::SetIcon(const plat::TIcon& Value)
{
    FIcon->Assign(Value);
    Invalidate();
}

void TKvCaptionPanel::SetResizable(bool Value)
{
    if (Value == FResizable)
        return;
    FResizable = Value;
    RecreateWnd();
    LayoutChanged();
}

void TKvCaptionPanel::SetCaptionHeight(int Value)
{
    if (Value == FCaptionHeight)
        return;
    FCaptionHeight = Value;
    LayoutChanged();
}

void TKvCaptionPanel::LayoutChanged()
{
    Realign();
    PlaceButtons();
    Invalidate();
}

int TKvCaptionPanel::CaptionThickness() const
{
    return FCaptionHeight == 0 ? plat::GetSystemMetrics(plat::SM_CYCAPTION) : FCaptionHeight;
}

int TKvCaptionPanel::PaintedCaptionThickness() const
{
    int thickness = CaptionThickness();
    if (FOutlookLook) {
        switch (FCaptionPosition) {
        case dpLeft:
            thickness -= 3;
            break;
        case dpRight:
            thickness -= 4;
            break;
        default:
            thickness -= 5;
            break;
        }
        if (FFlat)
            thickness += 1;
    }
    return thickness;
}

plat::TRect TKvCaptionPanel::BarRect(int Thickness) const
{
    const plat::TRect client = GetClientRect();
    const int b = FCaptionOffsetSmall;
    const int cw = client.Width();
    const int ch = client.Height();
    switch (FCaptionPosition) {
    case dpLeft:
        return plat::Rect(b, b, Thickness + b, ch - b);
    case dpTop:
        return plat::Rect(b, b, cw - b, Thickness + b);
    case dpRight:
        return plat::Rect(cw - Thickness - b, b, cw - b, ch - b);
    case dpBottom:
    default:
        return plat::Rect(b, ch - Thickness - b, cw - b, ch - b);
    }
}

plat::TRect TKvCaptionPanel::CaptionRect() const
{
    return BarRect(PaintedCaptionThickness());
}

void TKvCaptionPanel::ExcludeBar(plat::TRect& Rect) const
{
    const int edge = CaptionThickness() + FCaptionOffsetSmall;
    const plat::TRect client = GetClientRect();
    switch (FCaptionPosition) {
    case dpLeft:
        Rect.Left = edge;
        break;
    case dpTop:
        Rect.Top = edge;
        break;
    case dpRight:
        Rect.Right = client.Width() - edge;
        break;
    case dpBottom:
        Rect.Bottom = client.Height() - edge;
        break;
    }
}

plat::TRect TKvCaptionPanel::ChildArea() const
{
    plat::TRect area = GetClientRect();
    AdjustClientRect(area);
    ExcludeBar(area);
    return area;
}

void TKvCaptionPanel::AlignControls(plat::TControl* AControl, plat::TRect& Rect)
{
    ExcludeBar(Rect);
    TKvCustomPanel::AlignControls(AControl, Rect);
}

void TKvCaptionPanel::PlaceButtons()
{
    if (FButtons.Empty())
        return;
    const plat::TRect bar = CaptionRect();
    const TKvCapBtn& sample = CaptionButton(capClose);
    const int extra = FFlat ? 1 : 0;
    const int dx = sample.GetWidth() + extra;
    const int dy = sample.GetHeight() + extra;
    const int small = FCaptionOffsetSmall;
    plat::TPoint at;
    plat::TPoint step;
    switch (FCaptionPosition) {
    case dpLeft:
        at = {bar.Left + small, bar.Top + small};
        step = {0, dy + small};
        break;
    case dpRight:
        at = {bar.Left + small, bar.Bottom - dy - small};
        step = {0, -(dy + small)};
        break;
    case dpTop:
    case dpBottom:
    default:
        at = {bar.Right - dx - small, bar.Top + FCaptionOffsetLarge};
        step = {-(dx + small), 0};
        break;
    }
    for (const TKvCapBtnStyle style : PlacingOrder) {
        TKvCapBtn& button = CaptionButton(style);
        if (!FButtons.Contains(style)) {
            button.SetVisible(false);
            continue;
        }
        button.SetBounds(at.X, at.Y, button.GetWidth(), button.GetHeight());
        button.SetVisible(true);
        if (style != capHelp)
            at = {at.X + step.X, at.Y + step.Y};
    }
}

void TKvCaptionPanel::CreateParams(plat::TCreateParams& Params) const
{
    TKvCustomPanel::CreateParams(Params);
    if (GetBorderStyle() == plat::bsSingle) {
        // A thin border and a dialog frame together would make a window caption.
        Params.Style &= ~static_cast<std::uint32_t>(plat::WS_BORDER);
        Params.Style |= FResizable ? plat::WS_THICKFRAME : plat::WS_DLGFRAME;
        Params.ExStyle &= ~static_cast<std::uint32_t>(plat::WS_EX_CLIENTEDGE);
    }
}

void TKvCaptionPanel::Paint()
{
    plat::TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(plat::bsSolid);
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(GetClientRect());
    FBevel = FCaptionOffsetSmall;
    FCaptionRect = CaptionRect();
    canvas.Brush().SetColor(FCaptionColor);
    canvas.FillRect(FCaptionRect);
    if (!FIcon->GetEmpty())
        DrawIcon(FCaptionRect);
    if (!FCaption.empty())
        DrawCaption(FCaptionRect);
    PlaceButtons();
}

void TKvCaptionPanel::DrawIcon(const plat::TRect& Bar)
{
    const int width = FIcon->GetWidth();
    const int height = FIcon->GetHeight();
    plat::TPoint at;
    switch (FCaptionPosition) {
    case dpLeft:
        at = {Bar.Left + (Bar.Width() - width) / 2, Bar.Bottom - height - 1};
        break;
    case dpRight:
        at = {Bar.Left + (Bar.Width() - width) / 2, Bar.Top + 1};
        break;
    default:
        at = {Bar.Left + 1, Bar.Top + (Bar.Height() - height) / 2};
        break;
    }
    Canvas().Draw(at.X, at.Y, FIcon.get());
}

void TKvCaptionPanel::DrawCaption(const plat::TRect& Bar)
{
    plat::TCanvas& canvas = Canvas();
    canvas.Font().Assign(*FCaptionFont);
    switch (FCaptionPosition) {
    case dpLeft:
        canvas.Font().SetOrientation(900);
        break;
    case dpRight:
        canvas.Font().SetOrientation(-900);
        break;
    default:
        canvas.Font().SetOrientation(0);
        break;
    }
    canvas.Brush().SetStyle(plat::bsClear);
    const int textHeight = CanvasTextHeight(canvas);
    const int o = FOutlookLook ? 1 : 0;
    const bool icon = !FIcon->GetEmpty();
    const int saved = canvas.SaveDC();
    canvas.IntersectClipRect(Bar);
    switch (FCaptionPosition) {
    case dpLeft: {
        // Upside down: the text starts at the bottom and reads upward.
        plat::TRect r = Bar;
        if (icon)
            r.Bottom -= FIcon->GetHeight() + 2;
        std::swap(r.Top, r.Bottom);
        r = plat::MovedRect(r, (Bar.Width() - textHeight) / 2 - o, -FOffset);
        canvas.TextOut(r.Left, r.Top, FCaption);
        break;
    }
    case dpRight: {
        // Left and right swapped: the text starts at the top and reads downward.
        plat::TRect r = Bar;
        if (icon)
            r.Top += FIcon->GetHeight() + 2;
        std::swap(r.Left, r.Right);
        r = plat::MovedRect(r, -((Bar.Width() - textHeight) / 2 - o), FOffset);
        canvas.TextOut(r.Left, r.Top, FCaption);
        break;
    }
    default: {
        plat::TRect r = plat::MovedRect(Bar, FOffset, (Bar.Height() - textHeight) / 2 - o);
        if (icon)
            r.Left += FIcon->GetWidth() + 2;
        canvas.DrawText(FCaption, r, plat::DT_NOPREFIX | plat::DT_VCENTER);
        break;
    }
    }
    canvas.RestoreDC(saved);
    canvas.Font().SetOrientation(0);
}

void TKvCaptionPanel::Resize()
{
    TKvCustomPanel::Resize();
    PlaceButtons();
    Invalidate();
}

void TKvCaptionPanel::CaptionButtonClick(TKvCapBtnStyle Button)
{
    if (OnButtonClick && !IsDestroying())
        OnButtonClick(this, Button);
}

bool TKvCaptionPanel::StartAutoDrag()
{
    bool allow = GetAlign() == plat::alNone;
    if (OnStartAutoDrag && !IsDestroying())
        OnStartAutoDrag(this, allow);
    return allow;
}

void TKvCaptionPanel::EndAutoDrag()
{
    if (OnEndAutoDrag && !IsDestroying())
        OnEndAutoDrag(this);
}

bool TKvCaptionPanel::CanSize() const
{
    return FResizable && GetBorderStyle() == plat::bsSingle && GetAlign() == plat::alNone;
}

int TKvCaptionPanel::HitTest(plat::TPoint Pos) const
{
    const plat::TRect client = GetClientRect();
    const plat::TRect insets = NonClientInsets();
    const plat::TRect window =
        plat::Rect(-insets.Left, -insets.Top, client.Right + insets.Right, client.Bottom + insets.Bottom);
    if (!window.Contains(Pos))
        return plat::HTNOWHERE;
    if (client.Contains(Pos))
        return CaptionRect().Contains(Pos) ? plat::HTCAPTION : plat::HTCLIENT;
    if (!CanSize())
        return plat::HTNOWHERE;
    // The corners reach along the edges as far as the platform's corner grips.
    const int grip = plat::GetSystemMetrics(plat::SM_CXVSCROLL);
    bool left = Pos.X < client.Left;
    bool right = Pos.X >= client.Right;
    bool top = Pos.Y < client.Top;
    bool bottom = Pos.Y >= client.Bottom;
    if (left || right) {
        top = top || Pos.Y < window.Top + grip;
        bottom = bottom || Pos.Y >= window.Bottom - grip;
    }
    if (top || bottom) {
        left = left || Pos.X < window.Left + grip;
        right = right || Pos.X >= window.Right - grip;
    }
    if (top)
        return left ? plat::HTTOPLEFT : right ? plat::HTTOPRIGHT : plat::HTTOP;
    if (bottom)
        return left ? plat::HTBOTTOMLEFT : right ? plat::HTBOTTOMRIGHT : plat::HTBOTTOM;
    return left ? plat::HTLEFT : plat::HTRIGHT;
}

void TKvCaptionPanel::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<> alive(this);
    TKvCustomPanel::MouseDown(Button, Shift, X, Y);
    if (!alive)
        return;
    FMouseDown = true;
    const int hit = HitTest({X, Y});
    if (IsSizingCode(hit)) {
        if (Button != plat::mbLeft)
            return;
        FSizing = hit;
        FSizeAnchor = ClientToScreen({X, Y});
        FSizeStart = GetBoundsRect();
        SetMouseCapture(true);
        return;
    }
    if (hit == plat::HTCAPTION && FAutoDrag && StartAutoDrag() && alive) {
        BringToFront();
        FDragging = true;
        plat::ReleaseCapture();
        SetMouseCapture(true);
        FAnchorPos = {X, Y};
    }
}

void TKvCaptionPanel::MouseMove(plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<> alive(this);
    TKvCustomPanel::MouseMove(Shift, X, Y);
    if (!alive)
        return;
    if ((FDragging || FSizing != plat::HTNOWHERE) && !GetMouseCapture()) {
        // The capture went elsewhere (the window lost the mouse): the move or size is over.
        FSizing = plat::HTNOWHERE;
        if (std::exchange(FDragging, false))
            EndAutoDrag();
        return;
    }
    if (FDragging)
        SetBounds(X + GetLeft() - FAnchorPos.X, Y + GetTop() - FAnchorPos.Y, GetWidth(), GetHeight());
    else if (FSizing != plat::HTNOWHERE)
        SizeTo(ClientToScreen({X, Y}));
}

void TKvCaptionPanel::SizeTo(plat::TPoint Screen)
{
    const int dx = Screen.X - FSizeAnchor.X;
    const int dy = Screen.Y - FSizeAnchor.Y;
    const plat::TRect insets = NonClientInsets();
    const int minimum = CaptionThickness() + 2 * FCaptionOffsetSmall;
    const int minWidth = insets.Left + insets.Right + minimum;
    const int minHeight = insets.Top + insets.Bottom + minimum;
    plat::TRect r = FSizeStart;
    if (SizesLeft(FSizing))
        r.Left = std::min(FSizeStart.Left + dx, FSizeStart.Right - minWidth);
    if (SizesRight(FSizing))
        r.Right = std::max(FSizeStart.Right + dx, FSizeStart.Left + minWidth);
    if (SizesTop(FSizing))
        r.Top = std::min(FSizeStart.Top + dy, FSizeStart.Bottom - minHeight);
    if (SizesBottom(FSizing))
        r.Bottom = std::max(FSizeStart.Bottom + dy, FSizeStart.Top + minHeight);
    SetBoundsRect(r);
}

void TKvCaptionPanel::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<> alive(this);
    TKvCustomPanel::MouseUp(Button, Shift, X, Y);
    if (!alive)
        return;
    if (FSizing != plat::HTNOWHERE) {
        SizeTo(ClientToScreen({X, Y}));
        FSizing = plat::HTNOWHERE;
        SetMouseCapture(false);
    }
    if (FDragging) {
        SetMouseCapture(false);
        EndAutoDrag();
        if (!alive)
            return;
    }
    FDragging = false;
}

void TKvCaptionPanel::SetSizingCursor(plat::TMessage& Message)
{
    if (HandleAllocated() && CanSize()) {
        const int hit = FSizing != plat::HTNOWHERE ? FSizing : HitTest(ScreenToClient(plat::GetCursorPos()));
        if (IsSizingCode(hit)) {
            Host()->SetCursor(SizingCursor(hit));
            Message.Result = 1;
            return;
        }
    }
    TKvCustomPanel::Dispatch(Message);
}

void TKvCaptionPanel::Dispatch(plat::TMessage& Message)
{
    switch (Message.Msg) {
    case plat::WM_SETCURSOR:
        SetSizingCursor(Message);
        return;
    case plat::WM_NCHITTEST: {
        const plat::TPoint screen{plat::GET_X_LPARAM(Message.LParam), plat::GET_Y_LPARAM(Message.LParam)};
        Message.Result = HitTest(ScreenToClient(screen));
        return;
    }
    default:
        TKvCustomPanel::Dispatch(Message);
    }
}

}  // namespace skelda::editcontrols
