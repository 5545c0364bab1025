#include "editcontrols/panel/TKvCustomPanel.h"

namespace skelda::editcontrols {

void TKvCustomPanel::Paint()
{
    TKvExCustomPanel::Paint();
    PaintContent(GetClientRect());
}

void TKvCustomPanel::PaintContent(const plat::TRect& R)
{
    if (OnPaintContent && !IsDestroying())
        OnPaintContent(this, Canvas(), R);
}

}  // namespace skelda::editcontrols
