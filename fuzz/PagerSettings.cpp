// The office pager's layout string, written to a pager of five pages (two of them closed, the
// third active): every string leaves the pages consistent (each docked page listed once,
// attached and parented by the pager, only the active page visible, ActivePage agreeing with
// ActivePageIndex, the closed pages exactly the hidden tabs; each floating page alone in a clone
// of the pager inside its window; TabIndex unique over both), the docked pages stand in the order
// the items give, and the string the pager then reads back restores the same layout, floating
// windows and all, when written again.

#include "FontconfigLeaks.h"
#include "FuzzSupport.h"
#include "HeadlessWidgets.h"

#include "pager/office/PagerLayoutString.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"


#include <algorithm>
#include <set>
#include <string>
#include <vector>

using skelda::fuzz::Check;
using skelda::pager::ParsePagerLayout;
using skelda::pager::TPagerLayoutItem;
using skelda::pager::TVezOfficePage;
using skelda::pager::TVezOfficePager;

namespace {

// Layout strings name a handful of pages; longer inputs only slow the search down.
constexpr std::size_t MaxTextBytes = 2048;
constexpr int PageCount = 5;

TVezOfficePager& Pager()
{
    static TVezOfficePager* pager = [] {
        auto* p = new TVezOfficePager(nullptr);
        for (int i = 0; i < PageCount; ++i)
            p->AddVezPage("Page " + std::to_string(i));
        return p;
    }();
    return *pager;
}

void CheckConsistent(const TVezOfficePager& P, const std::string& Input)
{
    Check(P.GetVezPageCount() + P.FloatingPageCount() == PageCount, "pages lost", Input);
    const TVezOfficePage* active = P.GetActivePage();
    // Floating the active page activates the next page with a visible, enabled tab, if any.
    Check(active != nullptr || P.FloatingPageCount() > 0, "no active page", Input);
    Check(P.GetActivePageIndex() == P.IndexOfPage(active), "active page and index disagree", Input);
    std::set<const TVezOfficePage*> pages;
    std::set<const TVezOfficePage*> hidden;
    std::set<int> tabIndices;
    for (int i = 0; i < P.GetVezPageCount(); ++i) {
        const TVezOfficePage* page = P.VezPages(i);
        Check(pages.insert(page).second, "page listed twice", Input);
        Check(page->GetVezOfficePager() == &P && page->GetParent() == &P, "page not attached", Input);
        Check(page == active || !page->GetVisible(), "inactive page shows", Input);
        Check(!page->GetFloating(), "docked page floats", Input);
        Check(tabIndices.insert(page->GetTabIndex()).second, "TabIndex twice", Input);
        if (!page->GetTabVisible())
            hidden.insert(page);
    }
    for (int i = 0; i < P.FloatingPageCount(); ++i) {
        const TVezOfficePage* page = P.FloatingPages(i);
        Check(pages.insert(page).second, "floating page listed twice", Input);
        const TVezOfficePager* clone = page->GetVezOfficePager();
        Check(clone && clone->GetClonedOfPager() == &P && clone->GetVezPageCount() == 1 &&
                  clone->GetActivePage() == page,
              "floating page not alone in a clone", Input);
        Check(page->GetFloating() && page->GetParentPager() == &P && page->GetFloatingWindow(),
              "floating page without its window", Input);
        Check(tabIndices.insert(page->GetTabIndex()).second, "TabIndex twice", Input);
    }
    std::set<const TVezOfficePage*> closed;
    for (int i = 0; i < P.ClosedPageCount(); ++i)
        closed.insert(P.ClosedPage(i));
    Check(closed == hidden && static_cast<int>(closed.size()) == P.ClosedPageCount(),
          "closed list differs from the hidden tabs", Input);
}

std::vector<int> DockedTabIndices(const TVezOfficePager& P)
{
    std::vector<int> tabIndices;
    for (int i = 0; i < P.GetVezPageCount(); ++i)
        tabIndices.push_back(P.VezPages(i)->GetTabIndex());
    return tabIndices;
}

// The docked pages first in the order the V and H items name them (a page named twice where it
// was named first), then the others in creation order. A page that floats takes no place, even
// when an item named it before another floated it.
void CheckDockedOrder(const TVezOfficePager& P, const std::string& Input)
{
    std::vector<int> docked = DockedTabIndices(P);
    std::sort(docked.begin(), docked.end());
    std::vector<int> expected;
    for (const TPagerLayoutItem& item : ParsePagerLayout(Input)) {
        const bool names = item.Kind == 'V' || item.Kind == 'H';
        if (names && std::binary_search(docked.begin(), docked.end(), item.Number) &&
            std::find(expected.begin(), expected.end(), item.Number) == expected.end())
            expected.push_back(item.Number);
    }
    for (const int tabIndex : docked)
        if (std::find(expected.begin(), expected.end(), tabIndex) == expected.end())
            expected.push_back(tabIndex);
    Check(DockedTabIndices(P) == expected, "docked order differs from the items'", Input);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
    skelda::fuzz::StartHeadlessWidgets(Argc, Argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size > MaxTextBytes)
        return 0;
    const std::string input(skelda::fuzz::AsText(Data, Size));
    TVezOfficePager& pager = Pager();
    pager.ResetPages();
    pager.VezPages(1)->SetTabVisible(false);
    pager.VezPages(3)->SetTabVisible(false);
    pager.SetActivePageIndex(2);

    pager.SetSettings(input);
    CheckConsistent(pager, input);
    CheckDockedOrder(pager, input);

    const std::string saved = pager.GetSettings();
    pager.SetSettings("");
    pager.SetSettings(saved);
    CheckConsistent(pager, saved);
    Check(pager.GetSettings() == saved, "layout not restored", saved + " became " + pager.GetSettings());
    // Docks the floating pages again, freeing their windows: top-level windows still open when
    // the process ends would outlive the Qt state their destruction needs.
    pager.ResetPages();
    Check(pager.FloatingPageCount() == 0, "a page still floats after the reset", saved);
    return 0;
}
