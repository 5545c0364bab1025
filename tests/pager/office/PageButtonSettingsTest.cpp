// The pager's button settings: defaults, which changes announce, the user's scroll pictures and
// copying.

#include "pager/office/TPageButtonSettings.h"

#include "foundation/TGDIPPicture.h"
#include "pager/office/TTabProgress.h"
#include "platform/core/Exception.h"
#include "platform/core/TStream.h"
#include "tests/pager/office/Announcements.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace skelda::pager {
namespace {

using foundation::TGDIPPicture;

std::string Bytes(const TGDIPPicture& Picture)
{
    const auto& bytes = Picture.DataStream().Bytes();
    return {bytes.begin(), bytes.end()};
}

std::unique_ptr<TGDIPPicture> ResourcePicture(const char* Name)
{
    auto picture = std::make_unique<TGDIPPicture>();
    picture->LoadFromResourceName(plat::HInstance(), Name);
    return picture;
}

TEST(PageButtonSettingsTest, DefaultsHoldTheBuiltInPicturesAndHints)
{
    TPageButtonSettings s;
    EXPECT_EQ(s.GetButtonSize(), 18);
    EXPECT_FALSE(s.GetPageListButton() || s.GetCloseButton() || s.GetClosedListButton() ||
                 s.GetScrollButtonsAlways() || s.GetFirstButton() || s.GetLastButton() || s.GetShowInsertButton());
    EXPECT_EQ(s.GetCloseButtonLook(), cblOffice);
    EXPECT_EQ(s.GetScrollButtonPrevHint(), "Previous");
    EXPECT_EQ(s.GetScrollButtonNextHint(), "Next");
    EXPECT_EQ(s.GetScrollButtonFirstHint(), "First");
    EXPECT_EQ(s.GetScrollButtonLastHint(), "Last");
    EXPECT_EQ(s.GetCloseButtonHint(), "Close");
    EXPECT_EQ(s.GetPageListButtonHint(), "Page List");
    EXPECT_EQ(s.GetClosedListButtonHint(), "Closed Pages");
    EXPECT_EQ(s.GetInsertButtonHint(), "Insert new page");
    EXPECT_FALSE(s.GetNextPictureChanged() || s.GetPrevPictureChanged() || s.GetFirstPictureChanged() ||
                 s.GetLastPictureChanged())
        << "loading the built-in pictures is not the user's change";

    const struct {
        const TGDIPPicture& Picture;
        const char* Resource;
    } pictures[] = {
        {s.ScrollButtonNextPicture(), "ZORAONEXT"},     {s.ScrollButtonPrevPicture(), "ZORAOPREV"},
        {s.PageListButtonPicture(), "ZORAOLIST"},       {s.CloseButtonPicture(), "ZORAOCLOSE"},
        {s.ScrollButtonFirstPicture(), "ZORAOFIRST"},   {s.ScrollButtonLastPicture(), "ZORAOLAST"},
        {s.ClosedListButtonPicture(), "ZORAOLIST"},     {s.ScrollButtonDownPicture(), "ZORAODOWN"},
        {s.ScrollButtonDownLastPicture(), "ZORAODOWNLAST"}, {s.ScrollButtonUpPicture(), "ZORAOUP"},
        {s.ScrollButtonUpFirstPicture(), "ZORAOUPFIRST"},
    };
    for (const auto& p : pictures) {
        EXPECT_FALSE(p.Picture.GetEmpty()) << p.Resource;
        EXPECT_EQ(Bytes(p.Picture), Bytes(*ResourcePicture(p.Resource))) << p.Resource;
    }
}

TEST(PageButtonSettingsTest, ValuesAnnounceWhenChangedAndPicturesAlways)
{
    TPageButtonSettings s;
    const std::function<void(TPageButtonSettings&)> values[] = {
        [](auto& t) { t.SetButtonSize(22); },           [](auto& t) { t.SetCloseButton(true); },
        [](auto& t) { t.SetPageListButton(true); },     [](auto& t) { t.SetClosedListButton(true); },
        [](auto& t) { t.SetFirstButton(true); },        [](auto& t) { t.SetLastButton(true); },
        [](auto& t) { t.SetScrollButtonsAlways(true); }, [](auto& t) { t.SetShowInsertButton(true); },
        [](auto& t) { t.SetCloseButtonLook(cblChrome); }, [](auto& t) { t.SetCloseButtonHint("Shut"); },
        [](auto& t) { t.SetInsertButtonHint("Add"); },
    };
    EXPECT_EQ(Announcements<TPageButtonSettings>(s, [](auto& t) { t.SetButtonSize(18); }), 0) << "the default size is no change";
    for (const auto& action : values) {
        EXPECT_EQ(Announcements<TPageButtonSettings>(s, action), 1);
        EXPECT_EQ(Announcements<TPageButtonSettings>(s, action), 0) << "the same value again is no change";
    }

    const auto same = ResourcePicture("ZORAOCLOSE");
    EXPECT_GE(Announcements<TPageButtonSettings>(s, [&](auto& t) { t.SetCloseButtonPicture(*same); }), 1)
        << "an equal picture is still announced";
    EXPECT_EQ(Bytes(s.CloseButtonPicture()), Bytes(*same));
    EXPECT_GE(Announcements<TPageButtonSettings>(s, [](auto& t) { t.PageListButtonPicture().Assign(nullptr); }), 1)
        << "a picture changed in place is announced too";
}

TEST(PageButtonSettingsTest, OnlyAChangedScrollPictureCountsAsTheUsers)
{
    TPageButtonSettings s;
    const auto cross = ResourcePicture("ZORAOCLOSE");
    s.SetCloseButtonPicture(*cross);
    s.SetClosedListButtonPicture(*cross);
    EXPECT_FALSE(s.GetNextPictureChanged() || s.GetPrevPictureChanged() || s.GetFirstPictureChanged() ||
                 s.GetLastPictureChanged());

    s.SetScrollButtonNextPicture(*cross);
    EXPECT_TRUE(s.GetNextPictureChanged());
    EXPECT_FALSE(s.GetPrevPictureChanged());
    s.ScrollButtonPrevPicture().Assign(*cross);
    EXPECT_TRUE(s.GetPrevPictureChanged());
    s.SetScrollButtonFirstPicture(*cross);
    s.SetScrollButtonLastPicture(*cross);
    EXPECT_TRUE(s.GetFirstPictureChanged() && s.GetLastPictureChanged());

    // A stored form restores the flags after it has read the pictures.
    s.SetNextPictureChanged(false);
    EXPECT_FALSE(s.GetNextPictureChanged());
}

TEST(PageButtonSettingsTest, SideTabsShowTheArrowsUntilTheUserChangesAPicture)
{
    TPageButtonSettings s;
    const TPagerScrollButton buttons[] = {psbFirst, psbPrevious, psbNext, psbLast};
    const TGDIPPicture* top[] = {&s.ScrollButtonFirstPicture(), &s.ScrollButtonPrevPicture(),
                                 &s.ScrollButtonNextPicture(), &s.ScrollButtonLastPicture()};
    const TGDIPPicture* side[] = {&s.ScrollButtonUpFirstPicture(), &s.ScrollButtonUpPicture(),
                                  &s.ScrollButtonDownPicture(), &s.ScrollButtonDownLastPicture()};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(&s.ScrollPicture(buttons[i], tpTop), top[i]) << i;
        EXPECT_EQ(&s.ScrollPicture(buttons[i], tpBottom), top[i]) << i;
        EXPECT_EQ(&s.ScrollPicture(buttons[i], tpLeft), side[i]) << i;
        EXPECT_EQ(&s.ScrollPicture(buttons[i], tpRight), side[i]) << i;
    }

    const auto cross = ResourcePicture("ZORAOCLOSE");
    s.SetScrollButtonNextPicture(*cross);
    EXPECT_EQ(&s.ScrollPicture(psbNext, tpLeft), &s.ScrollButtonNextPicture());
    EXPECT_EQ(&s.ScrollPicture(psbPrevious, tpLeft), &s.ScrollButtonUpPicture()) << "the others keep their arrows";
    s.SetScrollButtonFirstPicture(*cross);
    s.SetScrollButtonLastPicture(*cross);
    s.SetScrollButtonPrevPicture(*cross);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(&s.ScrollPicture(buttons[i], tpRight), top[i]) << i;
}

TEST(PageButtonSettingsTest, AssignCopiesAllButTheSideArrowsAndFlags)
{
    TPageButtonSettings source;
    const auto cross = ResourcePicture("ZORAOCLOSE");
    source.SetCloseButton(true);
    source.SetPageListButton(true);
    source.SetClosedListButton(true);
    source.SetScrollButtonsAlways(true);
    source.SetFirstButton(true);
    source.SetLastButton(true);
    source.SetShowInsertButton(true);
    source.SetCloseButtonLook(cblChrome);
    source.SetButtonSize(24);
    source.SetScrollButtonNextHint("Onward");
    source.SetClosedListButtonHint("Gone");
    source.SetInsertButtonHint("New");
    source.SetScrollButtonFirstPicture(*cross);

    TPageButtonSettings target;
    int announced = 0;
    target.OnChange = [&](plat::TObject*) { ++announced; };
    target.Assign(source);
    EXPECT_GT(announced, 0);
    EXPECT_TRUE(target.GetCloseButton() && target.GetPageListButton() && target.GetClosedListButton() &&
                target.GetScrollButtonsAlways() && target.GetFirstButton() && target.GetLastButton() &&
                target.GetShowInsertButton());
    EXPECT_EQ(target.GetCloseButtonLook(), cblChrome);
    EXPECT_EQ(target.GetButtonSize(), 24);
    EXPECT_EQ(target.GetScrollButtonNextHint(), "Onward");
    EXPECT_EQ(target.GetClosedListButtonHint(), "Gone");
    EXPECT_EQ(target.GetInsertButtonHint(), "New");
    EXPECT_EQ(Bytes(target.ScrollButtonFirstPicture()), Bytes(*cross));
    // Every copied scroll picture is marked as it lands, whatever the source's flags.
    EXPECT_TRUE(target.GetNextPictureChanged() && target.GetPrevPictureChanged() &&
                target.GetFirstPictureChanged() && target.GetLastPictureChanged());

    TTabProgress other;
    EXPECT_THROW(target.Assign(other), plat::EConvertError);
}

}  // namespace
}  // namespace skelda::pager
