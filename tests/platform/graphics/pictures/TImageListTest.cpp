#include "PictureProbes.h"

#include "platform/core/Exception.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TChangeLink.h"
#include "platform/graphics/TImageList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace plat {
namespace {

using picture_probes::Fill;
using picture_probes::Paint;
using picture_probes::PixelOf;

// A strip of 4 x 4 pictures, each filled with one colour and carrying a black dot at (1, 1)
// and a fuchsia (transparent) corner at (3, 3).
void Strip(TBitmap& strip, std::initializer_list<TColor> colours)
{
    Fill(strip, pf24bit, 4 * static_cast<int>(colours.size()), 4, clWhite);
    int left = 0;
    for (TColor colour : colours) {
        strip.Canvas().Brush().SetColor(colour);
        strip.Canvas().FillRect(Bounds(left, 0, 4, 4));
        Paint(strip, left + 1, 1, clBlack);
        Paint(strip, left + 3, 3, clFuchsia);
        left += 4;
    }
}

class ImageListTest : public ::testing::Test {
protected:
    ImageListTest() : list(nullptr)
    {
        list.SetWidth(4);
        list.SetHeight(4);
    }

    // What index draws at (0, 0) of a 6 x 6 silver bitmap.
    std::unique_ptr<TBitmap> Drawn(int index, bool enabled = true) const
    {
        auto target = std::make_unique<TBitmap>();
        Fill(*target, pf24bit, 6, 6, clSilver);
        list.Draw(target->Canvas(), 0, 0, index, enabled);
        return target;
    }

    TImageList list;
};

TEST_F(ImageListTest, StripsAreCutIntoPictures)
{
    TBitmap strip;
    Strip(strip, {clRed, clLime, clBlue});
    EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
    EXPECT_EQ(list.AddMasked(strip, clFuchsia), 3);
    EXPECT_EQ(list.GetCount(), 6);
    EXPECT_EQ(PixelOf(*Drawn(4), 0, 0), clLime);
    EXPECT_EQ(PixelOf(*Drawn(5), 2, 2), clBlue);
    EXPECT_EQ(list.Add(TBitmap(), nullptr), -1);
    EXPECT_EQ(list.GetCount(), 6);
}

TEST_F(ImageListTest, TransparentPixelsComeFromMaskOrMaskColour)
{
    TBitmap strip;
    Strip(strip, {clRed});
    TBitmap mask;
    Fill(mask, pf1bit, 4, 4, clBlack);
    Paint(mask, 0, 0, clWhite);
    list.Add(strip, &mask);
    list.AddMasked(strip, clFuchsia);
    list.Add(strip, nullptr);

    struct Case {
        int index;
        TColor atOrigin;
        TColor atCorner;
    };
    for (const Case& c : {Case{0, clSilver, clFuchsia}, Case{1, clRed, clSilver}, Case{2, clRed, clFuchsia}}) {
        SCOPED_TRACE(c.index);
        const auto drawn = Drawn(c.index);
        EXPECT_EQ(PixelOf(*drawn, 0, 0), c.atOrigin);
        EXPECT_EQ(PixelOf(*drawn, 3, 3), c.atCorner);
        EXPECT_EQ(PixelOf(*drawn, 1, 1), clBlack);
    }

    list.SetBkColor(clYellow);
    EXPECT_EQ(PixelOf(*Drawn(1), 3, 3), clYellow);
}

TEST_F(ImageListTest, ReplaceAndDeleteKeepTheOtherIndexes)
{
    TBitmap strip;
    Strip(strip, {clRed, clLime, clBlue});
    list.AddMasked(strip, clFuchsia);
    TBitmap yellow;
    Strip(yellow, {clYellow});

    list.ReplaceMasked(1, yellow, clFuchsia);
    EXPECT_EQ(PixelOf(*Drawn(1), 0, 0), clYellow);
    list.Delete(0);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(PixelOf(*Drawn(0), 0, 0), clYellow);
    EXPECT_EQ(PixelOf(*Drawn(1), 0, 0), clBlue);
    list.Replace(1, yellow, nullptr);
    EXPECT_EQ(PixelOf(*Drawn(1), 3, 3), clFuchsia);

    for (int index : {-1, 2}) {
        SCOPED_TRACE(index);
        EXPECT_THROW(list.Delete(index), EInvalidOperation);
        EXPECT_THROW(list.Replace(index, yellow, nullptr), EInvalidOperation);
        EXPECT_EQ(PixelOf(*Drawn(index), 0, 0), clSilver);
    }
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(ImageListTest, DisabledPicturesShowTheirInkEmbossed)
{
    TBitmap picture;
    Fill(picture, pf24bit, 4, 4, clWhite);
    Paint(picture, 1, 1, clRed);
    list.Add(picture, nullptr);

    const auto enabled = Drawn(0, true);
    const auto disabled = Drawn(0, false);
    EXPECT_EQ(PixelOf(*enabled, 1, 1), clRed);
    EXPECT_EQ(PixelOf(*enabled, 0, 0), clWhite);
    EXPECT_EQ(PixelOf(*disabled, 1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(*disabled, 2, 2), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelOf(*disabled, 0, 0), clSilver);
}

TEST_F(ImageListTest, GetBitmapDrawsOverTheBitmap)
{
    TBitmap strip;
    Strip(strip, {clRed});
    list.AddMasked(strip, clFuchsia);
    TBitmap bitmap;
    Fill(bitmap, pf24bit, 9, 9, clGreen);
    list.GetBitmap(0, bitmap);
    EXPECT_EQ(bitmap.GetWidth(), 4);
    EXPECT_EQ(PixelOf(bitmap, 0, 0), clRed);
    EXPECT_EQ(PixelOf(bitmap, 3, 3), clGreen);
}

TEST_F(ImageListTest, NewSizeEmptiesTheList)
{
    TBitmap strip;
    Strip(strip, {clRed});
    list.Add(strip, nullptr);
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.SetWidth(8);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(list.SetHeight(0), EInvalidOperation);
    EXPECT_EQ(list.GetHeight(), 4);
}

TEST_F(ImageListTest, AssignCopiesSizeColourAndPictures)
{
    TBitmap strip;
    Strip(strip, {clRed, clLime});
    list.AddMasked(strip, clFuchsia);
    list.SetBkColor(clYellow);
    TImageList copy(nullptr);
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(list);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.GetWidth(), 4);
    EXPECT_EQ(copy.GetCount(), 2);
    EXPECT_EQ(copy.GetBkColor(), clYellow);
    list.Clear();
    TBitmap target;
    Fill(target, pf24bit, 6, 6, clSilver);
    copy.Draw(target.Canvas(), 0, 0, 1);
    EXPECT_EQ(PixelOf(target, 0, 0), clLime) << "the copy keeps its pictures";
    EXPECT_THROW(copy.Assign(strip), EConvertError);
}

TEST_F(ImageListTest, EveryRegisteredLinkHearsEachChangeOnce)
{
    std::vector<std::string> heard;
    list.OnChange = [&](TObject*) { heard.push_back("list"); };
    TChangeLink first;
    TChangeLink second;
    first.OnChange = [&](TObject* sender) { heard.push_back(sender == &list ? "first" : "first?"); };
    second.OnChange = [&](TObject*) { heard.push_back("second"); };
    list.RegisterChanges(&first);
    list.RegisterChanges(&second);
    list.RegisterChanges(&first);
    EXPECT_EQ(first.GetSender(), &list);

    list.SetBkColor(clRed);
    EXPECT_EQ(heard, (std::vector<std::string>{"list", "first", "second"}));

    heard.clear();
    list.UnRegisterChanges(&first);
    list.Clear();
    EXPECT_EQ(heard, (std::vector<std::string>{"list", "second"}));
    EXPECT_EQ(first.GetSender(), nullptr);

    TImageList other(nullptr);
    other.RegisterChanges(&second);
    heard.clear();
    list.Clear();
    EXPECT_EQ(heard, (std::vector<std::string>{"list"})) << "a link follows one list at a time";
}

TEST_F(ImageListTest, LinksAndListsMayBeFreedInAnyOrderEvenFromAChangeHandler)
{
    auto doomed = std::make_unique<TChangeLink>();
    TChangeLink survivor;
    int survivorHeard = 0;
    survivor.OnChange = [&](TObject*) { ++survivorHeard; };
    TChangeLink killer;
    killer.OnChange = [&](TObject*) { doomed.reset(); };
    list.RegisterChanges(&killer);
    list.RegisterChanges(doomed.get());
    list.RegisterChanges(&survivor);
    list.Clear();
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(survivorHeard, 1);

    auto owned = std::make_unique<TImageList>(nullptr);
    TChangeLink orphan;
    orphan.OnChange = [&](TObject*) { owned.reset(); };
    TChangeLink after;
    int afterHeard = 0;
    after.OnChange = [&](TObject*) { ++afterHeard; };
    owned->RegisterChanges(&orphan);
    owned->RegisterChanges(&after);
    owned->Clear();
    EXPECT_EQ(owned, nullptr);
    EXPECT_EQ(afterHeard, 0) << "the list went with the first handler";
    EXPECT_EQ(orphan.GetSender(), nullptr);
    EXPECT_EQ(after.GetSender(), nullptr);
}

}  // namespace
}  // namespace plat
