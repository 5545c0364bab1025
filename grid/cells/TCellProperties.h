#pragma once

#include "grid/cells/CellPropertyTypes.h"
#include "grid/cells/TEditorType.h"
#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/core/TPersistent.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"

#include <string>

namespace plat {
class TControl;
}

namespace skelda::grid {

class TCellGridHost;

// The look a new record starts with besides its brush and font, as the grid's
// GetCellPropertyDefaults tells it for a cell. The mirror colours are asked for but not kept.
struct TCellLookDefaults {
    TCellGradientDirection GradientDirection = GradientVertical;
    bool WordWrap = true;
    TVAlignment VAlignment = vtaTop;
    plat::TAlignment Alignment = plat::taLeftJustify;
    plat::TColor MirrorColorTo = plat::clNone;
    plat::TColor MirrorColor = plat::clNone;
    plat::TColor ColorTo = plat::clNone;
};

// The record of a cell that needs more than its text: its own look, flags, editor kind, cell
// object, placed control, node level, calculation, or membership in a merged block. The grid
// keeps it in the cell's object slot and makes it on first need (TBaseGrid::GetCellProperties),
// with the look the cell had at that moment.
//
// Merged blocks: the base (top-left) cell has IsBaseCell true and spans = block size - 1; every
// other cell of the block has IsBaseCell false and spans = its offset back to the base. A cell
// outside any block has IsBaseCell true and both spans -1.
//
// The record owns a graphic object of class TCellGraphic and frees it with itself or when
// another object replaces it; any other object, the control and the calculation object stay
// their owners'.
class TCellProperties : public plat::TPersistent {
public:
    // Marks AOwner as holding records. AOwner may be nullptr for a record outside any grid.
    TCellProperties(TCellGridHost* AOwner, int ACol, int ARow);
    ~TCellProperties() override;

    std::string ClassName() const override { return "TCellProperties"; }

    // From another record: merge data, owner cell, object value, alignments, border, brush
    // colour and style, font, flags, editor, word wrap, node level and control; no repaint.
    // The graphic object, colour-to, gradient direction, paint pass and calculation stay.
    void Assign(const plat::TPersistent& Source) override;

    // Takes the cell's present look into a new record: alignments and word wrap (through their
    // setters), font name, size, style and colour, brush colour, colour-to and gradient
    // direction; no calculation. From then on the record keeps these, whatever the grid's look.
    void TakeLook(const TCellLookDefaults& Look, const plat::TBrush& Brush, const plat::TFont& Font);

    // The base cell of the block holding (ACol, ARow), the cell that owns this record.
    plat::TPoint GetBaseCell(int ACol, int ARow) const;
    // The record carries something besides the look: a cell object or value, a control, a
    // calculation, merge data, a node level, a border, read-only or an editor kind. A record
    // without any of these may be freed without losing anything but its colours and font.
    bool HoldsCellData() const;

    TCellGridHost* GetOwnerGrid() const { return FOwnerGrid; }
    int GetOwnerCol() const { return FOwnerCol; }
    void SetOwnerCol(int Value) { FOwnerCol = Value; }
    int GetOwnerRow() const { return FOwnerRow; }
    void SetOwnerRow(int Value) { FOwnerRow = Value; }

    // The application value stored with the cell (published as CellObject).
    int GetCellObject() const { return FObject; }
    void SetCellObject(int Value) { FObject = Value; }
    plat::TObject* GetGraphicObject() const { return FGraphicObject; }
    // Stores Value; an owned graphic object it replaces is freed.
    void SetGraphicObject(plat::TObject* Value);
    // Hands the graphic object to the caller, who owns it from then on; the field is cleared.
    plat::TObject* ReleaseGraphicObject();

    plat::TBrushStyle GetBrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(plat::TBrushStyle Value) { FBrushStyle = Value; }
    plat::TColor GetBrushColor() const { return FBrushColor; }
    void SetBrushColor(plat::TColor Value);
    plat::TColor GetBrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(plat::TColor Value);
    int GetFontSize() const { return FFontSize; }
    void SetFontSize(int Value) { FFontSize = Value; }
    plat::TColor GetFontColor() const { return FFontColor; }
    void SetFontColor(plat::TColor Value) { FFontColor = Value; }
    plat::TFontStyles GetFontStyle() const { return FFontStyle; }
    void SetFontStyle(plat::TFontStyles Value) { FFontStyle = Value; }
    const std::string& GetFontName() const { return FFontName; }
    void SetFontName(const std::string& Value) { FFontName = Value; }

    int GetCellSpanX() const { return FCellSpanX; }
    void SetCellSpanX(int Value) { FCellSpanX = Value; }
    int GetCellSpanY() const { return FCellSpanY; }
    void SetCellSpanY(int Value) { FCellSpanY = Value; }
    bool GetIsBaseCell() const { return FIsBaseCell; }
    void SetIsBaseCell(bool Value) { FIsBaseCell = Value; }

    int GetBorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { FBorderWidth = Value; }
    plat::TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value) { FBorderColor = Value; }
    plat::TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(plat::TAlignment Value) { FAlignment = Value; }
    TVAlignment GetVAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // The paint pass in which the record's merged block was last painted.
    int GetPaintID() const { return FPaintID; }
    void SetPaintID(int Value) { FPaintID = Value; }

    TColumnCalcType GetCalcType() const { return FCalcType; }
    void SetCalcType(TColumnCalcType Value) { FCalcType = Value; }
    plat::TObject* GetCalcObject() const { return FCalcObject; }
    void SetCalcObject(plat::TObject* Value) { FCalcObject = Value; }
    int GetNodeLevel() const { return FNodeLevel; }
    void SetNodeLevel(int Value) { FNodeLevel = Value; }
    TEditorType GetEditor() const { return FEditor; }
    void SetEditor(TEditorType Value) { FEditor = Value; }
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    TCellGradientDirection GetGradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection Value) { FGradientDirection = Value; }
    plat::TControl* GetControl() const { return FControl; }
    void SetControl(plat::TControl* Value) { FControl = Value; }

private:
    void RepaintOwnerCell();

    TCellGridHost* FOwnerGrid = nullptr;
    int FOwnerCol = 0;
    int FOwnerRow = 0;
    int FObject = 0;
    plat::TObject* FGraphicObject = nullptr;
    plat::TBrushStyle FBrushStyle = plat::bsSolid;
    plat::TColor FBrushColor = plat::clNone;
    plat::TColor FBrushColorTo = plat::clNone;
    int FFontSize = 0;
    plat::TColor FFontColor = plat::clNone;
    plat::TFontStyles FFontStyle;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    int FBorderWidth = 0;
    plat::TColor FBorderColor = 0;
    plat::TAlignment FAlignment = plat::taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int FPaintID = 0;
    bool FWordWrap = true;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = acNONE;
    plat::TObject* FCalcObject = nullptr;
    int FNodeLevel = 0;
    TEditorType FEditor = edNormal;
    std::string FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = GradientVertical;
    plat::TControl* FControl = nullptr;
};

}  // namespace skelda::grid
