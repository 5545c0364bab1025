#pragma once

#include "platform/core/TCollectionItem.h"

#include <string>

namespace skelda::grid {

enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };

// One condition of the grid's row filter: a column's text tested against Condition, its result
// joined to those of the items before it by Operation.
class TFilterData : public plat::TCollectionItem {
public:
    std::string ClassName() const override { return "TFilterData"; }

    // From another TFilterData: every property. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    // The column tested; -1 (with fcRow) for type-ahead narrowing over whole rows.
    int GetColumn() const { return FColumn; }
    void SetColumn(int Value) { FColumn = Value; }
    // Empty accepts every row.
    const std::string& GetCondition() const { return FCondition; }
    void SetCondition(const std::string& Value) { FCondition = Value; }
    bool GetCaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    // Removed from the end of the cell text before matching.
    const std::string& GetSuffix() const { return FSuffix; }
    void SetSuffix(const std::string& Value) { FSuffix = Value; }
    // Removed from the start of the cell text before matching.
    const std::string& GetPrefix() const { return FPrefix; }
    void SetPrefix(const std::string& Value) { FPrefix = Value; }
    TFilterOperation GetOperation() const { return FOperation; }
    void SetOperation(TFilterOperation Value) { FOperation = Value; }
    // Which text of the cell is tested.
    TFilterCells GetData() const { return FData; }
    void SetData(TFilterCells Value) { FData = Value; }

private:
    int FColumn = 0;
    std::string FCondition;
    bool FCaseSensitive = true;
    std::string FSuffix;
    std::string FPrefix;
    TFilterOperation FOperation = foSHORT;
    TFilterCells FData = fcVirtual;
};

}  // namespace skelda::grid
