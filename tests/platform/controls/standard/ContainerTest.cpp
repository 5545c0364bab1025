// Header sections, pages with tabs and popup menus.

#include "StandardFixture.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/TMenuItem.h"
#include "platform/controls/forms/TPopupMenu.h"
#include "platform/controls/standard/TEdit.h"
#include "platform/controls/standard/THeaderControl.h"
#include "platform/controls/standard/TPageControl.h"
#include "platform/controls/standard/TTabSheet.h"
#include "platform/core/Exception.h"
#include "platform/graphics/TImageList.h"
#include "platform/testing/Screenshot.h"


#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

class ContainerTest : public StandardFixture {
protected:
    THeaderControl* AddHeader()
    {
        auto* header = AddControl<THeaderControl>(*form, Bounds(0, 0, 300, 17));
        header->AddSection("Call", 100);
        header->AddSection("Distance", 80).SetAlignment(taRightJustify);
        header->OnSectionClick = [this](THeaderControl*, THeaderSection* section) {
            log.Add("click " + section->GetText());
        };
        header->OnSectionResize = [this](THeaderControl*, THeaderSection* section) {
            log.Add("resize " + std::to_string(section->GetWidth()));
        };
        header->OnSectionTrack = [this](THeaderControl*, THeaderSection*, int& width, TSectionTrackState state) {
            log.Add("track " + std::to_string(state) + " " + std::to_string(width));
        };
        return header;
    }

    TPageControl* AddPages(int Count)
    {
        auto* pages = AddControl<TPageControl>(*form, Bounds(10, 10, 300, 200));
        for (int i = 0; i < Count; ++i) {
            auto* sheet = new TTabSheet(form);
            sheet->SetCaption("Page " + std::to_string(i));
            sheet->SetPageControl(pages);
        }
        pages->OnChange = log.Notify("change");
        return pages;
    }
};

TEST_F(ContainerTest, HeaderSectionsLieSideBySide)
{
    THeaderControl* header = AddHeader();
    EXPECT_EQ(header->GetAlign(), alTop);
    EXPECT_EQ(header->Sections(1).Left(), 100);
    EXPECT_EQ(header->Sections(1).Right(), 180);
    EXPECT_EQ(header->SectionAt(99), 0);
    EXPECT_EQ(header->SectionAt(100), 1);
    EXPECT_EQ(header->SectionAt(200), -1);
    EXPECT_EQ(header->Sections(1).GetIndex(), 1);
    EXPECT_THROW(header->Sections(2), EListError);

    THeaderSection& section = header->Sections(0);
    section.SetMinWidth(30);
    section.SetMaxWidth(120);
    section.SetWidth(10);
    EXPECT_EQ(section.GetWidth(), 30);
    section.SetWidth(500);
    EXPECT_EQ(section.GetWidth(), 120);

    header->DeleteSection(0);
    EXPECT_EQ(header->SectionCount(), 1);
    EXPECT_EQ(header->Sections(0).Left(), 0);
}

TEST_F(ContainerTest, DraggingADividerTracksAndResizes)
{
    THeaderControl* header = AddHeader();
    header->Sections(0).SetMaxWidth(150);
    form->Show();
    ui.Simulator().Drag(*header, {101, 8}, {201, 8}, 2);
    EXPECT_THAT(log.Entries(),
                ElementsAre("track 0 101", "track 1 150", "track 1 150", "track 2 150", "resize 150"));
    EXPECT_EQ(header->Sections(1).Left(), 150);

    // The handler may hold the width back.
    log.Clear();
    header->OnSectionTrack = [](THeaderControl*, THeaderSection*, int& width, TSectionTrackState) { width = 60; };
    ui.Clock().Advance(1000);
    ui.Simulator().Drag(*header, {150, 8}, {120, 8}, 1);
    EXPECT_EQ(header->Sections(0).GetWidth(), 60);
}

TEST_F(ContainerTest, ASectionClickNeedsPressAndReleaseOnIt)
{
    THeaderControl* header = AddHeader();
    form->Show();
    ui.Simulator().Click(*header, {40, 8});
    ui.Clock().Advance(1000);
    ui.Simulator().Drag(*header, {40, 8}, {140, 8});
    header->Sections(1).SetAllowClick(false);
    ui.Clock().Advance(1000);
    ui.Simulator().Click(*header, {140, 8});
    EXPECT_THAT(log.Entries(), ElementsAre("click Call"));
}

TEST_F(ContainerTest, PagesShowOneAtATimeInTheirArea)
{
    TPageControl* pages = AddPages(3);
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->GetActivePageIndex(), 0) << "the first page added";
    EXPECT_TRUE(pages->Pages(0)->GetVisible());
    EXPECT_FALSE(pages->Pages(1)->GetVisible());
    EXPECT_EQ(pages->Pages(2)->GetBoundsRect(), pages->DisplayRect());

    pages->SetActivePageIndex(2);
    EXPECT_EQ(pages->GetActivePage(), pages->Pages(2));
    EXPECT_FALSE(pages->Pages(0)->GetVisible());
    pages->SetActivePageIndex(7);
    EXPECT_EQ(pages->GetActivePage(), nullptr);

    // Pages of another control are ignored.
    auto* other = new TTabSheet(form);
    pages->SetActivePage(other);
    EXPECT_EQ(pages->GetActivePage(), nullptr);

    // Hidden tabs are skipped when stepping; tab and page indexes part.
    pages->Pages(1)->SetTabVisible(false);
    EXPECT_EQ(pages->Pages(2)->TabIndex(), 1);
    EXPECT_EQ(pages->Pages(1)->TabIndex(), -1);
    EXPECT_EQ(pages->FindNextPage(pages->Pages(0), true, true), pages->Pages(2));
    EXPECT_EQ(pages->FindNextPage(pages->Pages(0), true, false), pages->Pages(1));
    EXPECT_EQ(pages->FindNextPage(pages->Pages(0), false, true), pages->Pages(2));

    // Reordering and removing.
    pages->Pages(2)->SetPageIndex(0);
    EXPECT_EQ(pages->Pages(0)->GetCaption(), "Page 2");
    pages->SetActivePageIndex(0);
    delete pages->Pages(0);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->GetActivePage(), pages->Pages(0)) << "the next page takes the place";
    EXPECT_TRUE(log.Entries().empty()) << "changes by code run no events";
}

TEST_F(ContainerTest, TheUserChangesPagesByTabAndKeysUnlessOnChangingRefuses)
{
    TPageControl* pages = AddPages(3);
    auto* edit = AddControl<TEdit>(*pages->Pages(0), Bounds(10, 10, 80, 21));
    bool allow = true;
    pages->OnChanging = [&](TObject*, bool& allowChange) {
        log.Add("changing");
        allowChange = allow;
    };
    form->Show();
    edit->SetFocus();
    Screenshot(*pages, "pages.png");

    const TRect tab = pages->TabRect(1);
    ASSERT_FALSE(tab.IsEmpty());
    const TPoint secondTab{(tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2};
    ui.Simulator().Click(*pages, secondTab);
    EXPECT_EQ(pages->GetActivePageIndex(), 1);
    EXPECT_THAT(log.Entries(), ElementsAre("changing", "change"));
    EXPECT_TRUE(pages->Focused()) << "the focus left the hidden page";

    log.Clear();
    ui.Simulator().KeyPress(VK_RIGHT);
    EXPECT_EQ(pages->GetActivePageIndex(), 2);
    ui.Simulator().KeyPress(VK_RIGHT);
    EXPECT_EQ(pages->GetActivePageIndex(), 0) << "round to the first";
    EXPECT_THAT(log.Entries(), ElementsAre("changing", "change", "changing", "change"));

    log.Clear();
    allow = false;
    ui.Clock().Advance(1000);
    ui.Simulator().Click(*pages, secondTab);
    ui.Simulator().KeyPress(VK_LEFT);
    EXPECT_EQ(pages->GetActivePageIndex(), 0);
    EXPECT_THAT(log.Entries(), ElementsAre("changing", "changing"));
}

TEST_F(ContainerTest, APopupMenuRunsTheChosenItem)
{
    auto* menu = new TPopupMenu(form);
    auto add = [&](TMenuItem& parent, const std::string& caption) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->OnClick = log.Notify(caption);
        parent.Add(item);
        return item;
    };
    add(menu->Items(), "&Copy")->SetShortCut(ShortCut('C', {ssCtrl}));
    add(menu->Items(), "-");
    TMenuItem* hidden = add(menu->Items(), "Hidden");
    hidden->SetVisible(false);
    TMenuItem* disabled = add(menu->Items(), "Disabled");
    disabled->SetEnabled(false);
    TMenuItem* view = add(menu->Items(), "&View");
    TMenuItem* small = add(*view, "Small");
    TMenuItem* large = add(*view, "Large");
    for (TMenuItem* item : {small, large}) {
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
    }
    small->SetChecked(true);
    menu->OnPopup = log.Notify("popup");

    ui.Menus().Choose("Copy");
    menu->Popup(100, 200);
    ui.Menus().Choose("View|Large");
    menu->Popup(10, 20);
    ui.Menus().Choose("Disabled");
    menu->Popup(10, 20);
    menu->Popup(10, 20);
    EXPECT_THAT(log.Entries(), ElementsAre("popup", "&Copy", "popup", "Large", "popup", "popup"));

    const auto& shown = ui.Menus().Shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].ScreenPos, (TPoint{100, 200}));
    ASSERT_EQ(shown[0].Items.size(), 4u) << "the hidden item is left out";
    EXPECT_EQ(shown[0].Items[1].Caption, "-");
    EXPECT_FALSE(shown[0].Items[2].Enabled);
    ASSERT_EQ(shown[0].Items[3].Items.size(), 2u);
    EXPECT_TRUE(shown[0].Items[3].Items[0].Checked);
    EXPECT_TRUE(shown[0].Items[3].Items[0].RadioItem);

    // Checking a radio item unchecks the others of its group.
    large->SetChecked(true);
    EXPECT_FALSE(small->GetChecked());
    EXPECT_EQ(menu->Items().Items(0)->GetShortCut(), scCtrl | 'C');
}

TEST_F(ContainerTest, AMenuKnowsWhatItPopsUpForUntilThatIsFreed)
{
    auto* menu = new TPopupMenu(form);
    auto* item = new TMenuItem(form);
    item->SetCaption("Close");
    TComponent* askedFor = nullptr;
    item->OnClick = [&](TObject*) { askedFor = menu->GetPopupComponent(); };
    menu->Items().Add(item);
    auto* owner = new TForm(Application);
    auto* edit = new TEdit(owner);
    menu->SetPopupComponent(edit);

    ui.Menus().Choose("Close");
    menu->Popup(0, 0);
    EXPECT_EQ(askedFor, edit);

    delete owner;
    EXPECT_EQ(menu->GetPopupComponent(), nullptr);
}

TEST_F(ContainerTest, AMenuHandsItsImagesAndTheItemsImageIndexesToTheMenus)
{
    auto* menu = new TPopupMenu(form);
    auto* images = new TImageList(form);
    menu->SetImages(images);
    for (int index : {2, -1}) {
        auto* item = new TMenuItem(form);
        item->SetCaption("Item " + std::to_string(index));
        item->SetImageIndex(index);
        menu->Items().Add(item);
    }
    menu->Popup(0, 0);
    delete images;
    menu->Popup(0, 0);

    const auto& shown = ui.Menus().Shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].Images, images);
    EXPECT_EQ(shown[0].Items[0].ImageIndex, 2);
    EXPECT_EQ(shown[0].Items[1].ImageIndex, -1);
    EXPECT_EQ(shown[1].Images, nullptr) << "a freed image list is forgotten";
}

TEST_F(ContainerTest, MenuItemsOwnTheirSubItems)
{
    TMenuItem root(nullptr);
    auto* a = new TMenuItem(nullptr);
    auto* b = new TMenuItem(nullptr);
    root.Add(a);
    a->Add(b);
    EXPECT_THROW(b->Add(a), EInvalidOperation);
    EXPECT_THROW(root.Items(1), EListError);

    // Moving an item takes it out of its old place.
    root.Add(b);
    EXPECT_EQ(a->Count(), 0);
    EXPECT_EQ(b->Parent(), &root);
    delete b;
    EXPECT_EQ(root.Count(), 1);
    root.Delete(0);
    EXPECT_EQ(root.Count(), 0);
}

}  // namespace
