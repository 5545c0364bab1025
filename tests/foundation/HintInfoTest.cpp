#include "foundation/TGDIPPicture.h"
#include "foundation/TVezHintInfo.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"

#include <gtest/gtest.h>

namespace skelda::foundation {
namespace {

TEST(HintInfoTest, StartsEmpty)
{
    const TVezHintInfo hint;
    EXPECT_EQ(hint.GetTitle(), "");
    EXPECT_EQ(hint.Notes().Count(), 0);
    EXPECT_FALSE(hint.GetShowHelp());
    EXPECT_TRUE(hint.Picture().GetEmpty());
    EXPECT_EQ(hint.GetWideTitle(), "");
    EXPECT_EQ(hint.GetWideNotes(), "");
    EXPECT_TRUE(hint.IsEmpty());
}

TEST(HintInfoTest, AssignCopiesEverythingByValue)
{
    TVezHintInfo source;
    source.SetTitle("Path");
    source.Notes().Add("long path");
    source.SetShowHelp(true);
    plat::TBitmap bitmap;
    bitmap.SetSize(4, 3);
    source.Picture().Assign(&bitmap);
    source.SetWideTitle("Pfad");
    source.SetWideNotes("langer Pfad");

    TVezHintInfo target;
    target.Assign(source);
    source.Notes().Clear();
    source.Picture().Assign(nullptr);

    EXPECT_EQ(target.GetTitle(), "Path");
    EXPECT_EQ(target.Notes().GetCommaText(), "\"long path\"");
    EXPECT_TRUE(target.GetShowHelp());
    EXPECT_EQ(target.Picture().GetWidth(), 4);
    EXPECT_EQ(target.Picture().GetHeight(), 3);
    EXPECT_EQ(target.GetWideTitle(), "Pfad");
    EXPECT_EQ(target.GetWideNotes(), "langer Pfad");
}

TEST(HintInfoTest, AssignFromAnotherClassChangesNothing)
{
    TVezHintInfo hint;
    hint.SetTitle("kept");
    plat::TStringList stranger;
    stranger.Add("x");
    hint.Assign(stranger);
    EXPECT_EQ(hint.GetTitle(), "kept");
    EXPECT_EQ(hint.Notes().Count(), 0);
}

TEST(HintInfoTest, OnlyTitleAndNotesMakeAHint)
{
    const struct {
        const char* Title;
        const char* Note;
        bool WithPicture;
        bool Empty;
    } cases[] = {
        {"", "", false, true},
        {"", "", true, true},
        {"Title", "", false, false},
        {"", "note", false, false},
    };
    plat::TBitmap bitmap;
    bitmap.SetSize(2, 2);
    for (const auto& c : cases) {
        TVezHintInfo hint;
        hint.SetTitle(c.Title);
        if (*c.Note)
            hint.Notes().Add(c.Note);
        if (c.WithPicture)
            hint.Picture().Assign(&bitmap);
        hint.SetShowHelp(true);
        EXPECT_EQ(hint.IsEmpty(), c.Empty) << c.Title << "|" << c.Note << "|" << c.WithPicture;
    }
}

}  // namespace
}  // namespace skelda::foundation
