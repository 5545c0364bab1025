// The pager's side of its typed shortcut hints (TPagerShortCutHints): when they show and hide
// with the focus, the characters they are typed, and what they ask of the pager.

#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/core/Messages.h"

namespace skelda::pager {

namespace {

// The nearest form up the parent chain (a form inside a form counts).
plat::TCustomForm* NearestParentForm(const plat::TControl& Control)
{
    for (plat::TWinControl* parent = Control.GetParent(); parent; parent = parent->GetParent())
        if (auto* form = dynamic_cast<plat::TCustomForm*>(parent))
            return form;
    return nullptr;
}

}  // namespace

void TVezOfficePager::ShowTabShortCutHints()
{
    if (FShowShortCutHints)
        FShortCutHints.Show();
}

void TVezOfficePager::FocusMessage(const plat::TMessage& Message)
{
    if (Message.Msg == plat::WM_KILLFOCUS) {
        if (FShortCutHints.Showing())
            HideTabShortCutHints();
        return;
    }
    const auto* focused = reinterpret_cast<const plat::TWinControl*>(Message.LParam);
    if (focused == this) {
        if (!Loading() && !Designing())
            ShowTabShortCutHints();
    } else if (FShortCutHints.Showing()) {
        HideTabShortCutHints();
    }
    InvalidateTabStrip();
}

void TVezOfficePager::KeyPress(char32_t& Key)
{
    if (FShortCutHints.Showing())
        FShortCutHints.Typed(Key);
    plat::TCustomControl::KeyPress(Key);
}

// --- IShortCutHintHost -----------------------------------------------------------------------------

int TVezOfficePager::HintPageCount() const
{
    return FVezPages.Count();
}

TVezOfficePage& TVezOfficePager::HintPage(int Index) const
{
    return *FVezPages.Get(Index);
}

void TVezOfficePager::ShortCutChosen(int Index)
{
    SetActivePageIndex(Index);
}

plat::TCustomForm* TVezOfficePager::HintForm() const
{
    return Designing() ? nullptr : NearestParentForm(*this);
}

}  // namespace skelda::pager
