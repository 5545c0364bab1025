#pragma once

#include "platform/core/TPersistent.h"
#include "platform/graphics/Colors.h"

#include <memory>

namespace plat {
class TBitmap;
}  // namespace plat

namespace skelda::grid {

enum TSortBlankPosition { blFirst, blLast };
enum TSortDirection { sdAscending, sdDescending };
enum TIndexSortKey { ikShift, ikCtrl };

// How the grid sorts: the sort column and direction, the indicators in the sort row and how ties
// and blanks are ordered.
class TSortSettings : public plat::TPersistent {
public:
    TSortSettings();
    ~TSortSettings() override;

    std::string ClassName() const override { return "TSortSettings"; }

    // From another TSortSettings: every setting except SortOnVirtualCells and IgnoreCase, the
    // glyphs by content. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    // Show the sort indicator; a click in the sort row sorts only then.
    bool GetShow() const { return FShow; }
    void SetShow(bool Value) { FShow = Value; }
    // Sort by several columns (the grid's sort index list) by header clicks.
    bool GetIndexShow() const { return FIndexShow; }
    void SetIndexShow(bool Value) { FIndexShow = Value; }
    // Break ties by the following columns.
    bool GetFull() const { return FFull; }
    void SetFull(bool Value) { FFull = Value; }
    bool GetSingleColumn() const { return FSingleColumn; }
    void SetSingleColumn(bool Value) { FSingleColumn = Value; }
    bool GetIgnoreBlanks() const { return FIgnoreBlanks; }
    void SetIgnoreBlanks(bool Value) { FIgnoreBlanks = Value; }
    TSortBlankPosition GetBlankPos() const { return FBlankPos; }
    void SetBlankPos(TSortBlankPosition Value) { FBlankPos = Value; }
    bool GetAutoFormat() const { return FAutoFormat; }
    void SetAutoFormat(bool Value) { FAutoFormat = Value; }
    TSortDirection GetDirection() const { return FDirection; }
    void SetDirection(TSortDirection Value) { FDirection = Value; }
    bool GetNormalCellsOnly() const { return FNormalCellsOnly; }
    void SetNormalCellsOnly(bool Value) { FNormalCellsOnly = Value; }
    bool GetFixedCols() const { return FFixedCols; }
    void SetFixedCols(bool Value) { FFixedCols = Value; }
    // The sort column; -1 for none.
    int GetColumn() const { return FColumn; }
    void SetColumn(int Value) { FColumn = Value; }
    // The fixed row whose clicks sort.
    int GetRow() const { return FRow; }
    void SetRow(int Value) { FRow = Value; }
    bool GetAutoColumnMerge() const { return FAutoColumnMerge; }
    void SetAutoColumnMerge(bool Value) { FAutoColumnMerge = Value; }
    plat::TColor GetIndexColor() const { return FIndexColor; }
    void SetIndexColor(plat::TColor Value) { FIndexColor = Value; }
    TSortDirection GetInitSortDirection() const { return FInitSortDirection; }
    void SetInitSortDirection(TSortDirection Value) { FInitSortDirection = Value; }
    bool GetUndoSort() const { return FUndoSort; }
    void SetUndoSort(bool Value) { FUndoSort = Value; }
    bool GetAutoSortForGrouping() const { return FAutoSortForGrouping; }
    void SetAutoSortForGrouping(bool Value) { FAutoSortForGrouping = Value; }
    bool GetSortOnVirtualCells() const { return FSortOnVirtualCells; }
    void SetSortOnVirtualCells(bool Value) { FSortOnVirtualCells = Value; }
    bool GetIgnoreCase() const { return FIgnoreCase; }
    void SetIgnoreCase(bool Value) { FIgnoreCase = Value; }
    // The sorted column's header gradient; clNone for none.
    plat::TColor GetHeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(plat::TColor Value) { FHeaderColor = Value; }
    plat::TColor GetHeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(plat::TColor Value) { FHeaderColorTo = Value; }
    plat::TColor GetHeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(plat::TColor Value) { FHeaderMirrorColor = Value; }
    plat::TColor GetHeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(plat::TColor Value) { FHeaderMirrorColorTo = Value; }
    // The key that adds or toggles a sort index on a header click.
    TIndexSortKey GetIndexSortKey() const { return FIndexSortKey; }
    void SetIndexSortKey(TIndexSortKey Value) { FIndexSortKey = Value; }
    // Indicators; when empty the painter draws its own triangles.
    plat::TBitmap& UpGlyph() { return *FUpGlyph; }
    const plat::TBitmap& UpGlyph() const { return *FUpGlyph; }
    void SetUpGlyph(const plat::TBitmap& Value);
    plat::TBitmap& DownGlyph() { return *FDownGlyph; }
    const plat::TBitmap& DownGlyph() const { return *FDownGlyph; }
    void SetDownGlyph(const plat::TBitmap& Value);
    plat::TBitmap& IndexUpGlyph() { return *FIndexUpGlyph; }
    const plat::TBitmap& IndexUpGlyph() const { return *FIndexUpGlyph; }
    void SetIndexUpGlyph(const plat::TBitmap& Value);
    plat::TBitmap& IndexDownGlyph() { return *FIndexDownGlyph; }
    const plat::TBitmap& IndexDownGlyph() const { return *FIndexDownGlyph; }
    void SetIndexDownGlyph(const plat::TBitmap& Value);

private:
    bool FShow = false;
    bool FIndexShow = false;
    bool FFull = true;
    bool FSingleColumn = false;
    bool FIgnoreBlanks = false;
    TSortBlankPosition FBlankPos = blFirst;
    bool FAutoFormat = true;
    TSortDirection FDirection = sdAscending;
    bool FNormalCellsOnly = false;
    bool FFixedCols = false;
    int FColumn = -1;
    int FRow = 0;
    bool FAutoColumnMerge = false;
    plat::TColor FIndexColor = plat::clYellow;
    TSortDirection FInitSortDirection = sdAscending;
    bool FUndoSort = false;
    bool FAutoSortForGrouping = true;
    bool FSortOnVirtualCells = true;
    bool FIgnoreCase = false;
    plat::TColor FHeaderColor = plat::clNone;
    plat::TColor FHeaderColorTo = plat::clNone;
    plat::TColor FHeaderMirrorColor = plat::clNone;
    plat::TColor FHeaderMirrorColorTo = plat::clNone;
    TIndexSortKey FIndexSortKey = ikShift;
    std::unique_ptr<plat::TBitmap> FUpGlyph;
    std::unique_ptr<plat::TBitmap> FDownGlyph;
    std::unique_ptr<plat::TBitmap> FIndexUpGlyph;
    std::unique_ptr<plat::TBitmap> FIndexDownGlyph;
};

}  // namespace skelda::grid
