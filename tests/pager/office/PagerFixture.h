#pragma once

#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/testing/UiTestEnvironment.h"
#include "tests/pager/glow/GlowFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace skelda::pager::testing {

// What must hold of a pager's lists, docked and floating pages together, after anything code
// does to them.
inline void ExpectConsistent(const TVezOfficePager& Pager)
{
    std::set<const TVezOfficePage*> seen;
    std::set<int> tabIndices;
    std::set<const TVezOfficePage*> hiddenTabs;
    const TVezOfficePage* active = Pager.GetActivePage();
    if (active) {
        EXPECT_GE(Pager.IndexOfPage(active), 0) << "the active page is in the list";
    }
    EXPECT_EQ(Pager.GetActivePageIndex(), active ? Pager.IndexOfPage(active) : -1);
    for (int i = 0; i < Pager.GetVezPageCount(); ++i) {
        const TVezOfficePage* page = Pager.VezPages(i);
        EXPECT_TRUE(seen.insert(page).second) << "page " << i << " listed twice";
        EXPECT_EQ(page->GetVezOfficePager(), &Pager) << "page " << i;
        EXPECT_EQ(page->GetParent(), &Pager) << "page " << i;
        if (page != active) {
            EXPECT_FALSE(page->GetVisible()) << "page " << i << " shows but is not active";
        }
        EXPECT_TRUE(tabIndices.insert(page->GetTabIndex()).second) << "TabIndex " << page->GetTabIndex() << " twice";
        if (!page->GetTabVisible())
            hiddenTabs.insert(page);
    }
    for (int i = 0; i < Pager.FloatingPageCount(); ++i) {
        const TVezOfficePage* page = Pager.FloatingPages(i);
        EXPECT_TRUE(seen.insert(page).second) << "floating page " << i << " docked or listed twice";
        const TVezOfficePager* clone = page->GetVezOfficePager();
        EXPECT_TRUE(clone && clone->GetClonedOfPager() == &Pager && clone->GetVezPageCount() == 1)
            << "floating page " << i << " alone in a clone of the pager";
        EXPECT_TRUE(page->GetFloating() && page->GetFloatingWindow()) << "floating page " << i;
        EXPECT_EQ(page->GetParentPager(), &Pager) << "floating page " << i;
        EXPECT_TRUE(tabIndices.insert(page->GetTabIndex()).second) << "TabIndex " << page->GetTabIndex() << " twice";
    }
    std::set<const TVezOfficePage*> closed;
    for (int i = 0; i < Pager.ClosedPageCount(); ++i)
        EXPECT_TRUE(closed.insert(Pager.ClosedPage(i)).second) << "closed page listed twice";
    EXPECT_EQ(closed, hiddenTabs) << "the closed pages are the pages with hidden tabs";
}

// A shown form with a pager that measures captions 6 pixels a character, 13 high.
class PagerTest : public ::testing::Test {
protected:
    PagerTest()
    {
        form->SetClientWidth(600);
        form->SetClientHeight(300);
        pager = new TVezOfficePager(form);
        pager->SetTextMeasurer(&measurer);
        pager->SetParent(form);
        form->Show();
    }
    ~PagerTest() override { delete form; }

    TVezOfficePage* AddPage(const std::string& Caption)
    {
        auto* page = new TVezOfficePage(form);
        page->SetCaption(Caption);
        pager->AddVezPage(page);
        return page;
    }
    void AddPages(int Count)
    {
        for (int i = 0; i < Count; ++i)
            AddPage(std::string(1, static_cast<char>('A' + i)));
    }
    std::string Captions() const
    {
        std::string text;
        for (int i = 0; i < pager->GetVezPageCount(); ++i)
            text += pager->VezPages(i)->GetCaption();
        return text;
    }
    // Records the pager's page events as text.
    void RecordEvents()
    {
        pager->OnChanging = [this](plat::TObject*, int From, int To, bool& Allow) {
            events.push_back("changing " + std::to_string(From) + ">" + std::to_string(To));
            Allow = allowChange;
        };
        pager->OnChange = [this](plat::TObject*) { events.push_back("change"); };
        pager->OnTabMoved = [this](plat::TObject*, int From, int To) {
            events.push_back("moved " + std::to_string(From) + ">" + std::to_string(To));
        };
    }

    FixedTextMeasurer measurer;
    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    TVezOfficePager* pager = nullptr;
    std::vector<std::string> events;
    bool allowChange = true;
};

}  // namespace skelda::pager::testing
