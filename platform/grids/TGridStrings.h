#pragma once

#include "platform/core/TStrings.h"

namespace plat {

class TStringGrid;

// One row or one column of a string grid seen as strings with objects: item i is the cell in
// column i of the row (row i of the column), over the grid's present column (row) count.
// Reading and writing items reads and writes the cells. The number of items follows the grid,
// so inserting and deleting items raise EInvalidGridOperation; Add fills the first empty cell
// (a blank stands for an empty string, so that the cell counts as used) and answers -1 when
// none is left; Clear empties every cell; Assign copies another list's items into the first
// cells and empties the rest. A view must not outlive its grid.
class TGridStrings : public TStrings {
public:
    TGridStrings(TStringGrid& AGrid, int AIndex, bool AIsRow);

    std::string ClassName() const override { return "TGridStrings"; }

    int Add(const std::string& S) override;
    int AddObject(const std::string& S, TObject* AObject) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    void Assign(const TPersistent& Source) override;

protected:
    int GetCount() const override;
    std::string Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;

private:
    void CheckIndex(int Index) const;
    int ColOf(int Index) const { return FIsRow ? Index : FIndex; }
    int RowOf(int Index) const { return FIsRow ? FIndex : Index; }

    TStringGrid& FGrid;
    int FIndex;
    bool FIsRow;
};

}  // namespace plat
