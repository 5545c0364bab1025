#include "pager/office/TFloatingPagerWindow.h"

#include "pager/office/TVezOfficePager.h"

namespace skelda::pager {

void TFloatingPagerWindow::DoClose(plat::TCloseAction& Action)
{
    plat::TForm::DoClose(Action);
    if (Action == plat::caNone)
        return;
    // A page hidden with its window could never be reached again.
    for (int i = 0; i < ControlCount(); ++i) {
        auto* clone = dynamic_cast<TVezOfficePager*>(Controls(i));
        if (clone && clone->GetClonedOfPager()) {
            clone->GetClonedOfPager()->DockPagesOf(*clone);
            return;
        }
    }
}

}  // namespace skelda::pager
