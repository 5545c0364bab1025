#pragma once

#include "platform/controls/standard/TMaskEdit.h"

#include <string>

namespace plat {

class TCustomGrid;

// The editor a grid shows over its current cell: a masked edit without a frame, a child window
// of the grid. The grid makes it (CreateEditor), loads it with the cell's edit mask, edit text
// and length limit (UpdateContents), places it (Move) and reads its Text back when editing ends.
//
// Keys that move between cells go back to the grid, as the widget library's editor did:
// - key down: Up, Down, Page Up, Page Down, Escape and Tab (without Alt) go to the grid's
//   KeyDown and are swallowed; so do Left/Home and Right/End when the grid always shows its
//   editor and the caret is at that edge (or Ctrl is held), Insert without modifiers and
//   Ctrl+Delete. Escape first puts back the text the editor was loaded with and, unless the
//   grid always shows its editor, ends editing. F2 removes the selection.
// - characters: each goes to the grid's KeyPress first (where Enter ends or starts editing);
//   a printable character the grid does not accept (CanEditAcceptKey) is refused with a beep;
//   Enter selects all text, or removes the selection when all is selected; Enter, Tab and
//   Escape never reach the text.
// - key up: goes to the grid's KeyUp.
// Texts of any length and with line breaks go in and out unchanged.
class TInplaceEdit : public TCustomMaskEdit {
public:
    explicit TInplaceEdit(TComponent* AOwner);

    std::string ClassName() const override { return "TInplaceEdit"; }

    TCustomGrid* Grid() const { return FGrid; }
    void SetGrid(TCustomGrid* Value) { FGrid = Value; }

    // The caret to the end of the text (of a masked text: to its first empty position), nothing
    // selected.
    void Deselect();
    // Loads the grid's current cell: edit mask, edit text and length limit; the text loaded is
    // what Escape puts back.
    virtual void UpdateContents();
    // Shows the editor over Loc (the cell rectangle in the grid's client area) and gives it the
    // focus when the grid has it; an empty rectangle (a cell out of view) hides it.
    void Move(const TRect& Loc) { InternalMove(Loc); }
    // Hides the editor; the focus goes back to the grid when the editor had it.
    void Hide();

    void Dispatch(TMessage& Message) override;

protected:
    // Places and shows the editor (see Move).
    virtual void InternalMove(const TRect& Loc);

    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(unsigned& Key, TShiftState Shift) override;
    void DblClick() override;

private:
    bool CaretAtStart() const;
    bool CaretAtEnd() const;

    TCustomGrid* FGrid = nullptr;
    std::string FLoadedText;
};

}  // namespace plat
