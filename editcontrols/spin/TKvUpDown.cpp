#include "editcontrols/spin/TKvUpDown.h"

#include "editcontrols/spin/StandardButtonWidth.h"
#include "platform/controls/core/ScrollBarCodes.h"

namespace skelda::editcontrols {

TKvUpDown::TKvUpDown(plat::TComponent* AOwner) : plat::TUpDown(AOwner)
{
    SetOrientation(plat::udVertical);
    SetMin(-1);
    SetMax(1);
    SetPosition(0);
    SetWidth(StandardButtonWidth());
}

TKvUpDown::~TKvUpDown()
{
    OnClick = nullptr;
}

void TKvUpDown::StepTaken(int Position)
{
    if (FChanging)
        return;
    FChanging = true;
    const plat::TControlRef<> alive(this);
    try {
        if (Position > 0)
            Click(plat::btNext);
        else if (Position < 0)
            Click(plat::btPrev);
        if (alive)
            SetPosition(0);
    } catch (...) {
        if (alive)
            FChanging = false;
        throw;
    }
    if (alive)
        FChanging = false;
}

void TKvUpDown::Dispatch(plat::TMessage& Message)
{
    switch (Message.Msg) {
    case plat::CN_HSCROLL:
    case plat::CN_VSCROLL:
        if (plat::LOWORD(Message.WParam) == plat::SB_THUMBPOSITION) {
            StepTaken(static_cast<int>(Message.LParam));
            return;
        }
        break;
    case plat::WM_SIZE:
        plat::TUpDown::Dispatch(Message);
        if (GetWidth() != StandardButtonWidth())
            SetWidth(StandardButtonWidth());
        return;
    case plat::WM_TIMER: {
        const plat::TControlRef<> alive(this);
        try {
            plat::TUpDown::Dispatch(Message);
        } catch (...) {
            if (alive)
                Perform(plat::WM_CANCELMODE);
            throw;
        }
        return;
    }
    default:
        break;
    }
    plat::TUpDown::Dispatch(Message);
}

}  // namespace skelda::editcontrols
