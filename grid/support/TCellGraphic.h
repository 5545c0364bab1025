#pragma once

#include "grid/drawing/CheckBoxTypes.h"
#include "grid/support/TCellReference.h"
#include "grid/support/TCellType.h"
#include "platform/core/TPersistent.h"

#include <string>
#include <variant>

namespace skelda::grid {

enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };

// The cell object's free value: nothing, an expand state, or an integer (the selected item of a
// radio group after keyboard stepping, a node's data).
using TCellVariant = std::variant<std::monostate, bool, int>;

// The object a cell may carry besides its text: a picture, a check box, a radio group, a
// button, a progress bar, a comment corner and so on, told apart by CellType. Most fields mean
// different things for different kinds (an index, a colour, a count, a size); the kinds that
// make the object fill them.
class TCellGraphic : public plat::TPersistent {
public:
    std::string ClassName() const override { return "TCellGraphic"; }

    // From another TCellGraphic: every field but CellBitmap, CellIcon, CellVar and
    // CellCheckBoxState, which stay as they are. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    TCellType GetCellType() const { return FCellType; }
    void SetCellType(TCellType Value) { FCellType = Value; }
    // The kind's main reference: a bitmap, picture, file picture, string list, index list,
    // interfaced object or colour value.
    TCellReference& CellBitmap() { return FCellBitmap; }
    const TCellReference& CellBitmap() const { return FCellBitmap; }
    // The icon of an icon cell; a colour value for progress bars and range indicators.
    TCellReference& CellIcon() { return FCellIcon; }
    const TCellReference& CellIcon() const { return FCellIcon; }
    TCellVAlign GetCellVAlign() const { return FCellVAlign; }
    void SetCellVAlign(TCellVAlign Value) { FCellVAlign = Value; }
    TCellHAlign GetCellHAlign() const { return FCellHAlign; }
    void SetCellHAlign(TCellHAlign Value) { FCellHAlign = Value; }
    // By kind: image index, padding, packed button size, colour, scroll position, span.
    int GetCellIndex() const { return FCellIndex; }
    void SetCellIndex(int Value) { FCellIndex = Value; }
    // Pictures drawn transparently; for check boxes and radio buttons the flat look.
    bool GetCellTransparent() const { return FCellTransparent; }
    void SetCellTransparent(bool Value) { FCellTransparent = Value; }
    // The object was made by one of the grid's Create operations (it owns its reference).
    bool GetCellCreated() const { return FCellCreated; }
    void SetCellCreated(bool Value) { FCellCreated = Value; }
    // By kind: checked, pushed, horizontal layout, show value, auto range, contracted.
    bool GetCellBoolean() const { return FCellBoolean; }
    void SetCellBoolean(bool Value) { FCellBoolean = Value; }
    // By kind: rotation angle, stretch mode, value, count, page size, shape, scale; 1 for a
    // check box or radio button with a balloon.
    int GetCellAngle() const { return FCellAngle; }
    void SetCellAngle(int Value) { FCellAngle = Value; }
    // A button's offset inside its cell, written when the button is painted.
    double GetCellValue() const { return FCellValue; }
    void SetCellValue(double Value) { FCellValue = Value; }
    // Error marker start and length; minimum and maximum of progress bars; a scroll bar's range.
    int GetCellErrFrom() const { return FCellErrFrom; }
    void SetCellErrFrom(int Value) { FCellErrFrom = Value; }
    int GetCellErrLen() const { return FCellErrLen; }
    void SetCellErrLen(int Value) { FCellErrLen = Value; }
    // Caption, comment text or number format.
    const std::string& GetCellText() const { return FCellText; }
    void SetCellText(const std::string& Value) { FCellText = Value; }
    const TCellVariant& GetCellVar() const { return FCellVar; }
    void SetCellVar(const TCellVariant& Value) { FCellVar = Value; }
    TCheckBoxState GetCellCheckBoxState() const { return FCellCheckBoxState; }
    void SetCellCheckBoxState(TCheckBoxState Value) { FCellCheckBoxState = Value; }

private:
    TCellType FCellType = ctNone;
    TCellReference FCellBitmap;
    TCellReference FCellIcon;
    TCellVAlign FCellVAlign = vaTop;
    TCellHAlign FCellHAlign = haLeft;
    int FCellIndex = 0;
    bool FCellTransparent = false;
    bool FCellCreated = false;
    bool FCellBoolean = false;
    int FCellAngle = 0;
    double FCellValue = 0;
    int FCellErrFrom = 0;
    int FCellErrLen = 0;
    std::string FCellText;
    TCellVariant FCellVar;
    TCheckBoxState FCellCheckBoxState = cbUnchecked;
};

}  // namespace skelda::grid
