#include "grid/controls/TArrowWindow.h"

namespace skelda::grid {

namespace {

const std::array<TArrowWindow::TShape, 4> Shapes = {{
    {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}},
    {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}},
    {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}},
    {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}},
}};

}  // namespace

TArrowWindow::TArrowWindow(plat::TComponent* AOwner, TArrowDirection Dir)
    : plat::TPanel(AOwner), FDirection(Dir)
{
    InitVisible(false);
    SetColor(plat::clLime);
}

const TArrowWindow::TShape& TArrowWindow::Shape(TArrowDirection Dir)
{
    return Shapes.at(static_cast<std::size_t>(Dir));
}

void TArrowWindow::CreateParams(plat::TCreateParams& Params) const
{
    plat::TPanel::CreateParams(Params);
    Params.Style = plat::WS_POPUP;
}

}  // namespace skelda::grid
