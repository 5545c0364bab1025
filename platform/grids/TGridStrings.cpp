#include "platform/grids/TGridStrings.h"

#include "platform/grids/EInvalidGridOperation.h"
#include "platform/grids/TStringGrid.h"

#include <algorithm>

namespace plat {

TGridStrings::TGridStrings(TStringGrid& AGrid, int AIndex, bool AIsRow) : FGrid(AGrid), FIndex(AIndex), FIsRow(AIsRow)
{
}

int TGridStrings::GetCount() const
{
    return FIsRow ? FGrid.GetColCount() : FGrid.GetRowCount();
}

void TGridStrings::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= GetCount())
        IndexError(Index);
}

std::string TGridStrings::Get(int Index) const
{
    CheckIndex(Index);
    return FGrid.GetCells(ColOf(Index), RowOf(Index));
}

void TGridStrings::Put(int Index, const std::string& S)
{
    CheckIndex(Index);
    FGrid.SetCells(ColOf(Index), RowOf(Index), S);
}

TObject* TGridStrings::GetObject(int Index) const
{
    CheckIndex(Index);
    return FGrid.GetObjects(ColOf(Index), RowOf(Index));
}

void TGridStrings::PutObject(int Index, TObject* AObject)
{
    CheckIndex(Index);
    FGrid.SetObjects(ColOf(Index), RowOf(Index), AObject);
}

int TGridStrings::Add(const std::string& S)
{
    return AddObject(S, nullptr);
}

int TGridStrings::AddObject(const std::string& S, TObject* AObject)
{
    for (int i = 0; i < GetCount(); ++i) {
        if (!Get(i).empty())
            continue;
        Put(i, S.empty() ? std::string(" ") : S);
        PutObject(i, AObject);
        return i;
    }
    return -1;
}

void TGridStrings::Insert(int, const std::string&)
{
    throw EInvalidGridOperation("Grid rows and columns cannot take or lose items");
}

void TGridStrings::Delete(int)
{
    throw EInvalidGridOperation("Grid rows and columns cannot take or lose items");
}

void TGridStrings::Clear()
{
    for (int i = 0; i < GetCount(); ++i) {
        Put(i, {});
        PutObject(i, nullptr);
    }
}

void TGridStrings::Assign(const TPersistent& Source)
{
    const auto* source = dynamic_cast<const TStrings*>(&Source);
    if (!source) {
        TStrings::Assign(Source);
        return;
    }
    if (source == this)
        return;
    // The source may be a view of the same cells; read it whole before writing.
    const int count = GetCount();
    const int taken = std::min(count, source->Count());
    std::vector<std::string> texts;
    std::vector<TObject*> objects;
    for (int i = 0; i < taken; ++i) {
        texts.push_back(source->GetStrings(i));
        objects.push_back(source->GetObjects(i));
    }
    for (int i = 0; i < count; ++i) {
        Put(i, i < taken ? texts[static_cast<std::size_t>(i)] : std::string());
        PutObject(i, i < taken ? objects[static_cast<std::size_t>(i)] : nullptr);
    }
}

}  // namespace plat
