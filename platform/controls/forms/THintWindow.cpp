#include "platform/controls/forms/THintWindow.h"

#include "platform/controls/forms/TScreen.h"
#include "platform/graphics/CanvasFlags.h"

#include <algorithm>

namespace plat {

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    InitVisible(false);
    SetColor(clInfoBk);
    Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params) const
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
    Params.WindowClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint, void*)
{
    TRect rect = Rect(0, 0, MaxWidth, 0);
    Canvas().Font().Assign(Font());
    Canvas().DrawText(AHint, rect, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    // Room for the border and a margin around the text.
    rect.Right += 6;
    rect.Bottom += 2;
    return rect;
}

void THintWindow::ActivateHint(TRect Rect, const std::string& AHint)
{
    ActivateHintData(Rect, AHint, nullptr);
}

void THintWindow::ActivateHintData(TRect Rect, const std::string& AHint, void*)
{
    SetText(AHint);
    // Kept on the screen: pushed left and up where it would run off.
    const TRect desktop = TheScreen().DesktopRect();
    if (!desktop.IsEmpty()) {
        const int left = std::max(std::min(Rect.Left, desktop.Right - Rect.Width()), desktop.Left);
        const int top = std::max(std::min(Rect.Top, desktop.Bottom - Rect.Height()), desktop.Top);
        Rect = Bounds(left, top, Rect.Width(), Rect.Height());
    }
    SetBoundsRect(Rect);
    HandleNeeded();
    SetVisible(true);
    Invalidate();
}

void THintWindow::ReleaseHandle()
{
    SetVisible(false);
}

void THintWindow::Paint()
{
    TRect rect = GetClientRect();
    rect = Rect(rect.Left + 2, rect.Top + 2, rect.Right, rect.Bottom);
    Canvas().Font().SetColor(clInfoText);
    Canvas().Brush().SetStyle(bsClear);
    Canvas().DrawText(GetText(), rect, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

}  // namespace plat
