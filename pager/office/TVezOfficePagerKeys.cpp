#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/core/KeyboardFocus.h"
#include "platform/controls/core/VirtualKeys.h"

namespace skelda::pager {

void TVezOfficePager::KeyDown(unsigned& Key, plat::TShiftState Shift)
{
    switch (Key) {
    case plat::VK_TAB:
        if (plat::TWinControl* parent = GetParent()) {
            plat::TWinControl* next = parent->FindNextControl(this, true, true);
            if (next && next->CanFocus())
                next->SetFocus();
        }
        break;
    case plat::VK_ESCAPE:
        HideTabShortCutHints();
        break;
    case plat::VK_LEFT:
    case plat::VK_UP:
        HideTabShortCutHints();
        SelectNextPage(false);
        break;
    case plat::VK_RIGHT:
    case plat::VK_DOWN:
        HideTabShortCutHints();
        SelectNextPage(true);
        break;
    default:
        break;
    }
    plat::TCustomControl::KeyDown(Key, Shift);
}

bool TVezOfficePager::DialogKey(unsigned Key, plat::TShiftState Shift)
{
    if (Key != plat::VK_TAB || !Shift.Contains(plat::ssCtrl))
        return false;
    plat::TWinControl* focused = plat::GetKeyboardFocus();
    if (!focused || (focused != this && !ContainsControl(focused)))
        return false;
    SelectNextPage(!Shift.Contains(plat::ssShift));
    return true;
}

bool TVezOfficePager::DialogChar(char32_t Char)
{
    for (int i = 0; i < FVezPages.Count(); ++i) {
        const TVezOfficePage* page = FVezPages.Get(i);
        const std::string caption = page->GetCaption();
        // A hidden or disabled tab cannot be reached by the mouse or the arrows either.
        if (plat::IsAccel(Char, caption.empty() ? page->GetWideCaption() : caption) && page->GetTabVisible() &&
            page->GetTabEnabled() && CanFocus()) {
            SetActivePageIndex(i);
            return true;
        }
    }
    return false;
}

}  // namespace skelda::pager
