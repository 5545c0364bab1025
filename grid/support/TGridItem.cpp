#include "grid/support/TGridItem.h"

#include "platform/core/Exception.h"
#include "platform/core/TStrings.h"
#include "platform/grids/TGridRow.h"

#include <algorithm>

namespace skelda::grid {

namespace {

// The parked row as strings: as many lines as the row has cells.
class TParkedRowStrings final : public plat::TStrings {
public:
    explicit TParkedRowStrings(std::unique_ptr<plat::TGridRow>& ARow) : FRow(ARow) {}

    std::string ClassName() const override { return "TParkedRowStrings"; }

    void Insert(int, const std::string&) override { Refuse(); }
    void Delete(int) override { Refuse(); }
    void Clear() override
    {
        for (int I = 0; I < GetCount(); ++I)
            Cell(I).Text.clear();
    }

protected:
    int GetCount() const override { return FRow ? FRow->Count() : 0; }
    std::string Get(int Index) const override { return Cell(Index).Text; }
    void Put(int Index, const std::string& S) override { Cell(Index).Text = S; }
    plat::TObject* GetObject(int Index) const override { return Cell(Index).Object; }
    void PutObject(int Index, plat::TObject* AObject) override { Cell(Index).Object = AObject; }

private:
    [[noreturn]] static void Refuse() { throw plat::EListError("A hidden row keeps its columns"); }
    plat::TGridCell& Cell(int Index) const
    {
        if (Index < 0 || Index >= GetCount())
            throw plat::EListError("List index out of bounds (" + std::to_string(Index) + ")");
        return FRow->Reach(Index, 0);
    }

    std::unique_ptr<plat::TGridRow>& FRow;
};

}  // namespace

TGridItem::TGridItem() : TGridItem(nullptr) {}

TGridItem::TGridItem(std::unique_ptr<plat::TGridRow> ARow)
    : FRow(std::move(ARow))
    , FItems(std::make_unique<TParkedRowStrings>(FRow))
{
}

TGridItem::~TGridItem()
{
    if (FRow)
        FreeRecords(0, FRow->Count());
}

plat::TStrings& TGridItem::Items()
{
    return *FItems;
}

const plat::TStrings& TGridItem::Items() const
{
    return *FItems;
}

std::unique_ptr<plat::TGridRow> TGridItem::TakeRow()
{
    return std::move(FRow);
}

void TGridItem::FreeRecords(int AFrom, int ATo)
{
    for (int C = AFrom; C < std::min(ATo, FRow->Count()); ++C) {
        plat::TGridCell& Cell = FRow->Reach(C, 0);
        delete Cell.Object;
        Cell.Object = nullptr;
    }
}

void TGridItem::InsertCells(int ACol, int ACount)
{
    if (!FRow)
        return;
    for (int I = 0; I < ACount; ++I)
        FRow->InsertCell(ACol);
}

void TGridItem::DeleteCells(int ACol, int ACount)
{
    if (!FRow)
        return;
    FreeRecords(ACol, ACol + ACount);
    for (int I = 0; I < ACount; ++I)
        FRow->DeleteCell(ACol);
}

void TGridItem::ClearCells()
{
    if (!FRow)
        return;
    FreeRecords(0, FRow->Count());
    for (int C = 0; C < FRow->Count(); ++C)
        FRow->Reach(C, 0).Text.clear();
}

void TGridItem::MoveCell(int AFrom, int ATo)
{
    if (FRow)
        FRow->MoveCell(AFrom, ATo);
}

}  // namespace skelda::grid
