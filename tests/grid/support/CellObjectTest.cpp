#include "grid/support/TCellGraphic.h"
#include "platform/core/TCollection.h"
#include "grid/support/TGridItem.h"
#include "platform/core/Exception.h"
#include "platform/core/TStringList.h"
#include "platform/grids/TGridRow.h"

#include <gtest/gtest.h>

#include <memory>

namespace skelda::grid {
namespace {

// An object that tells when it is freed.
class TWatched : public plat::TObject {
public:
    explicit TWatched(bool& Freed) : FFreed(Freed) {}
    ~TWatched() override { FFreed = true; }

private:
    bool& FFreed;
};

TEST(CellTypeTest, KeepsItsStoredOrder)
{
    const struct {
        TCellType Type;
        int Ordinal;
    } cases[] = {{ctBitmap, 0}, {ctNone, 2}, {ctEmpty, 10}, {ctPicture, 12}, {ctRowCheckBox, 20},
                 {ctXPProgress, 24}, {ctRating, 30}, {ctExpand, 32}};
    for (const auto& c : cases)
        EXPECT_EQ(static_cast<int>(c.Type), c.Ordinal);
}

TEST(CellReferenceTest, FreesOnlyWhatItOwns)
{
    bool ownedFreed = false;
    bool borrowedFreed = false;
    TWatched borrowed(borrowedFreed);
    {
        TCellReference owning;
        owning.Own(std::make_unique<TWatched>(ownedFreed));
        EXPECT_TRUE(owning.IsOwned());
        TCellReference borrowing;
        borrowing.Borrow(&borrowed);
        EXPECT_FALSE(borrowing.IsOwned());
        EXPECT_EQ(borrowing.As<TWatched>(), &borrowed);
        EXPECT_EQ(borrowing.As<plat::TStringList>(), nullptr);
    }
    EXPECT_TRUE(ownedFreed);
    EXPECT_FALSE(borrowedFreed);
}

TEST(CellReferenceTest, AColourIsNeverAnObject)
{
    TCellReference reference;
    EXPECT_EQ(reference.GetColor(), plat::clNone);
    reference.SetColor(plat::clRed);
    EXPECT_TRUE(reference.IsColor());
    EXPECT_EQ(reference.GetColor(), plat::clRed);
    EXPECT_EQ(reference.GetObject(), nullptr);

    bool freed = false;
    reference.Own(std::make_unique<TWatched>(freed));
    EXPECT_EQ(reference.GetColor(), plat::clNone);
    reference.SetColor(plat::clBlue);
    EXPECT_TRUE(freed) << "replacing an owned object frees it";
    reference.Borrow(nullptr);
    EXPECT_TRUE(reference.IsEmpty());
}

TEST(CellGraphicTest, ACopiedCreatedFlagNeverFreesABorrowedPicture)
{
    bool createdFreed = false;
    bool borrowedFreed = false;
    TWatched borrowed(borrowedFreed);
    {
        TCellGraphic created;
        created.SetCellType(ctBitmap);
        created.SetCellCreated(true);
        created.CellBitmap().Own(std::make_unique<TWatched>(createdFreed));
        TCellGraphic added;
        added.CellBitmap().Borrow(&borrowed);

        added.Assign(created);
        EXPECT_TRUE(added.GetCellCreated());
        EXPECT_EQ(added.CellBitmap().GetObject(), &borrowed);
    }
    EXPECT_TRUE(createdFreed);
    EXPECT_FALSE(borrowedFreed);
}

// A parked row of two cells, "a" with a watched record and "b".
std::unique_ptr<plat::TGridRow> ParkedRow(bool& RecordFreed)
{
    auto Row = std::make_unique<plat::TGridRow>();
    Row->Reach(0, 2) = {"a", new TWatched(RecordFreed)};
    Row->Reach(1, 2).Text = "b";
    return Row;
}

TEST(GridItemTest, ParkedRecordsHaveTheItemAsTheirOneOwner)
{
    bool Freed = false;
    {
        TGridItem Item(ParkedRow(Freed));
        EXPECT_EQ(Item.Items().GetCommaText(), "a,b");
        Item.Items().SetStrings(1, "written");
        EXPECT_EQ(Item.Row()->Find(1)->Text, "written");
        EXPECT_THROW(Item.Items().Add("more"), plat::EListError);
        EXPECT_FALSE(Freed);
    }
    EXPECT_TRUE(Freed) << "an item dropped without being shown again frees its records";

    Freed = false;
    std::unique_ptr<plat::TGridRow> Back;
    {
        TGridItem Item(ParkedRow(Freed));
        Back = Item.TakeRow();
        EXPECT_EQ(Item.Items().Count(), 0);
    }
    EXPECT_FALSE(Freed) << "records taken back belong to the grid again";
    delete Back->Find(0)->Object;
}

TEST(GridItemTest, ColumnChangesOfAParkedRowFreeTheRecordsOfDeletedCells)
{
    bool Freed = false;
    TGridItem Item(ParkedRow(Freed));
    Item.InsertCells(0, 2);
    EXPECT_EQ(Item.Items().GetCommaText(), ",,a,b");
    Item.MoveCell(3, 0);
    EXPECT_EQ(Item.Items().GetCommaText(), "b,,,a");
    Item.DeleteCells(1, 3);
    EXPECT_TRUE(Freed);
    EXPECT_EQ(Item.Items().GetCommaText(), "b");
}

// The hidden-row store is a collection of items; one that cannot be copied must not empty it.
class THiddenRows : public plat::TCollectionOf<TGridItem> {};

TEST(GridItemTest, AStoreOfHiddenRowsIsNotCopied)
{
    THiddenRows source;
    source.Add().SetIdx(4);
    THiddenRows target;
    target.Add().SetIdx(7);
    EXPECT_THROW(target.Assign(source), plat::EConvertError);
    ASSERT_EQ(target.Count(), 1);
    EXPECT_EQ(target.GetItem(0).GetIdx(), 7);
}

}  // namespace
}  // namespace skelda::grid
