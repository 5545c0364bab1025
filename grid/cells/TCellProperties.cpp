#include "grid/cells/TCellProperties.h"

#include "grid/cells/TCellGridHost.h"

namespace skelda::grid {

namespace {

bool IsOwnedGraphic(const plat::TObject* Object)
{
    return Object != nullptr && Object->ClassName() == "TCellGraphic";
}

}  // namespace

TCellProperties::TCellProperties(TCellGridHost* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow)
{
    if (FOwnerGrid)
        FOwnerGrid->CellPropertiesCreated();
}

TCellProperties::~TCellProperties()
{
    if (IsOwnedGraphic(FGraphicObject))
        delete FGraphicObject;
}

void TCellProperties::Assign(const plat::TPersistent& Source)
{
    const auto* Src = dynamic_cast<const TCellProperties*>(&Source);
    if (!Src) {
        plat::TPersistent::Assign(Source);
        return;
    }
    FIsBaseCell = Src->FIsBaseCell;
    FCellSpanX = Src->FCellSpanX;
    FCellSpanY = Src->FCellSpanY;
    FOwnerRow = Src->FOwnerRow;
    FOwnerCol = Src->FOwnerCol;
    FObject = Src->FObject;
    FAlignment = Src->FAlignment;
    FBorderColor = Src->FBorderColor;
    FBorderWidth = Src->FBorderWidth;
    FBrushColor = Src->FBrushColor;
    FBrushStyle = Src->FBrushStyle;
    FFontColor = Src->FFontColor;
    FFontStyle = Src->FFontStyle;
    FFontName = Src->FFontName;
    FFontSize = Src->FFontSize;
    FReadOnly = Src->FReadOnly;
    FEditor = Src->FEditor;
    FVAlignment = Src->FVAlignment;
    FWordWrap = Src->FWordWrap;
    FNodeLevel = Src->FNodeLevel;
    FControl = Src->FControl;
}

void TCellProperties::TakeLook(const TCellLookDefaults& Look, const plat::TBrush& Brush, const plat::TFont& Font)
{
    FCalcType = acNONE;
    SetAlignment(Look.Alignment);
    SetVAlignment(Look.VAlignment);
    SetWordWrap(Look.WordWrap);
    FFontName = Font.GetName();
    FFontSize = Font.GetSize();
    FFontStyle = Font.GetStyle();
    FFontColor = Font.GetColor();
    FBrushColor = Brush.GetColor();
    FBrushColorTo = Look.ColorTo;
    FGradientDirection = Look.GradientDirection;
}

plat::TPoint TCellProperties::GetBaseCell(int ACol, int ARow) const
{
    if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1)
        return {ACol - FCellSpanX, ARow - FCellSpanY};
    return {ACol, ARow};
}

bool TCellProperties::HoldsCellData() const
{
    const bool Merged = !FIsBaseCell || FCellSpanX != -1 || FCellSpanY != -1;
    return Merged || FObject != 0 || FGraphicObject || FControl || FCalcObject || FCalcType != acNONE ||
           FNodeLevel != 0 || FBorderWidth != 0 || FReadOnly || FEditor != edNormal;
}

void TCellProperties::SetGraphicObject(plat::TObject* Value)
{
    if (Value == FGraphicObject)
        return;
    plat::TObject* Old = FGraphicObject;
    FGraphicObject = Value;
    if (IsOwnedGraphic(Old))
        delete Old;
}

plat::TObject* TCellProperties::ReleaseGraphicObject()
{
    plat::TObject* Object = FGraphicObject;
    FGraphicObject = nullptr;
    return Object;
}

void TCellProperties::SetBrushColor(plat::TColor Value)
{
    FBrushColor = Value;
    RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(plat::TColor Value)
{
    FBrushColorTo = Value;
    RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    RepaintOwnerCell();
}

void TCellProperties::RepaintOwnerCell()
{
    if (!FOwnerGrid)
        return;
    // A record travels with its cell when lines move or are deleted, and keeps the position it
    // was made for; where that position no longer holds it, only repainting the grid is sure.
    if (FOwnerGrid->FindCellProperties(FOwnerCol, FOwnerRow) == this)
        FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
    else
        FOwnerGrid->RepaintGrid();
}

}  // namespace skelda::grid
