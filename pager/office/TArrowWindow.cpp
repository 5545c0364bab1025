#include "pager/office/TArrowWindow.h"

#include "platform/controls/core/WindowRegion.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRegion.h"

namespace skelda::pager {

using namespace plat;

TArrowWindow::TArrowWindow(TComponent* AOwner, TArrowDirection Direction) : TPanel(AOwner), Dir(Direction)
{
    SetColor(clBlue);
    InitVisible(false);
    SetControlStyle(TControlStyle{csOpaque});
    SetBounds(GetLeft(), GetTop(), kSidePx, kSidePx);
}

std::array<TPoint, 7> TArrowWindow::ArrowPoints(TArrowDirection Direction)
{
    switch (Direction) {
    case arrUp:
        return {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}};
    case arrDown:
        return {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}};
    case arrLeft:
        return {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}};
    case arrRight:
        break;
    }
    return {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}};
}

void TArrowWindow::CreateParams(TCreateParams& Params) const
{
    TPanel::CreateParams(Params);
    Params.Style = WS_POPUP;
    // A control made visible on the platform was never activated; here only these keep it so.
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
}

void TArrowWindow::CreateWnd()
{
    TPanel::CreateWnd();
    Arrow = ArrowPoints(Dir);
    SetWindowRgn(*this, PolygonRegion(Arrow, WINDING), true);
}

void TArrowWindow::Dispatch(TMessage& Message)
{
    // A window without a parent is made on demand only; the pager just shows the arrow.
    if (Message.Msg == CM_VISIBLECHANGED && Message.WParam != 0)
        HandleNeeded();
    TPanel::Dispatch(Message);
}

void TArrowWindow::Paint()
{
    Canvas().Pen().SetColor(GetColor());
    Canvas().Brush().SetColor(GetColor());
    const TRect client = GetClientRect();
    Canvas().Rectangle(client.Left, client.Top, client.Right, client.Bottom);
}

}  // namespace skelda::pager
