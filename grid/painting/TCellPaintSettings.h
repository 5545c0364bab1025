#pragma once

namespace skelda::grid {

class TBackGround;
class TBands;
class TCellSelection;
class TControlLook;
class TFilter;
class TFilterDropDown;
class TGridLookSettings;
class TLineSelection;
class TMouseActions;
class TPrintSettings;
class TShowModified;
class TSortIndexList;
class TSortSettings;

// The settings groups and selections the cell painters read. The grid owns them; they outlive
// the painters. The background stays writable because its picture is copied from its canvas.
struct TCellPaintSettings {
    const TGridLookSettings& Look;
    const TControlLook& ControlLook;
    const TSortSettings& Sort;
    const TSortIndexList& SortIndexes;
    TBackGround& BackGround;
    const TFilter& Filter;
    const TFilterDropDown& FilterDropDown;
    const TBands& Bands;
    const TShowModified& ShowModified;
    const TMouseActions& MouseActions;
    const TPrintSettings& Print;
    const TLineSelection& RowSelection;
    const TLineSelection& ColSelection;
    const TCellSelection& SelectedCells;
};

}  // namespace skelda::grid
