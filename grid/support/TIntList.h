#pragma once

#include "platform/core/TObject.h"

#include <functional>
#include <string>
#include <vector>

namespace skelda::grid {

// Sender, then the cell the list belongs to.
using TImageChangeEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow)>;

// A list of integers that belongs to a cell and reports its changes with that cell, so that a
// cell showing several images can be repainted when its image indexes change. Add, Delete,
// SetValue and DeleteValue report a change; Insert and Clear stay silent.
// A bad index raises plat::EListError "List index out of bounds (<index>)".
class TIntList : public plat::TObject {
public:
    TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

    std::string ClassName() const override { return "TIntList"; }

    int GetCol() const { return FCol; }
    int GetRow() const { return FRow; }
    int Count() const { return static_cast<int>(FItems.size()); }

    // Appends Value and returns its index.
    int Add(int Value);
    // Inserts Value before Index (0 .. Count).
    void Insert(int Index, int Value);
    void Delete(int Index);
    void Clear() { FItems.clear(); }
    int GetValue(int Index) const;
    void SetValue(int Index, int Value);
    // Deletes the first entry equal to Value; nothing happens when there is none.
    void DeleteValue(int Value);
    bool HasValue(int Value) const;

    // The items in order as decimal numbers joined by ",".
    std::string GetStrValue() const;
    // Empties the list, then adds each item of the comma text (commas and unquoted blanks
    // separate items, double quotes group them). An item that is not an integer raises
    // plat::EConvertError; the items added before it stay.
    void SetStrValue(const std::string& Value);

    TImageChangeEvent OnChange;

private:
    void CheckIndex(int Index) const;
    void Changed();

    int FCol;
    int FRow;
    std::vector<int> FItems;
};

}  // namespace skelda::grid
