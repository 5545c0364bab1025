#pragma once

#include "platform/controls/core/TWinControl.h"
#include "platform/controls/standard/StandardControlTypes.h"

#include <memory>
#include <string>

namespace plat {

class TEditSurface;

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// Messages of the native edit beyond the clipboard ones (WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR,
// WM_UNDO).
enum : unsigned {
    EM_UNDO = 0x00C7,
    EM_SETMARGINS = 0x00D3,
};
// Which margins EM_SETMARGINS sets (WParam); LParam holds the left one in its low word and the
// right one in its high word.
enum : unsigned { EC_LEFTMARGIN = 0x1, EC_RIGHTMARGIN = 0x2 };

// An edit field on a native Qt text widget (a line edit here; the memo puts a plain text edit
// under it). Lengths, limits and selections count code points.
//
// As on the platform, the field's own window procedure (DefaultHandler) does the editing work:
// WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR and WM_UNDO act on the text, the control characters of
// Ctrl+X, C, V, Z and A and the keys Shift+Delete, Ctrl+Insert and Shift+Insert become those
// messages, typed characters are refused past MaxLength and converted for CharCase. A class
// that intercepts these messages in Dispatch controls every way to the clipboard.
//
// OnChange runs after every change of the text, by the user or by code (SetText, the clipboard
// commands); a change by the user (reported as CN_COMMAND with EN_CHANGE) also sets Modified,
// SetText clears it.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* AOwner);
    ~TCustomEdit() override;

    std::string ClassName() const override { return "TCustomEdit"; }

    std::string GetText() const override;
    void SetText(const std::string& Value) override;

    // 0 is no limit. The limit applies to what the user types and pastes, not to SetText.
    int GetMaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool GetModified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }
    // 0 shows the text; any other character hides each character behind it and forbids copying.
    char32_t GetPasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char32_t Value);
    // Whether the whole text is selected when the field gets the focus from the keyboard.
    bool GetAutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TEditCharCase GetCharCase() const { return FCharCase; }
    // Converts the present text too.
    void SetCharCase(TEditCharCase Value);
    // bsSingle gives the sunken client edge, bsNone no frame.
    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    // Room kept free left and right of the text inside the field.
    void SetMargins(int LeftPx, int RightPx);

    int GetSelStart() const;
    // Puts the caret there (0 .. length), with nothing selected.
    void SetSelStart(int Value);
    int GetSelLength() const;
    // Selects that many characters from SelStart (clipped to the text).
    void SetSelLength(int Value);
    std::string GetSelText() const;
    // Replaces the selection, as typing would (MaxLength aside).
    void SetSelText(const std::string& Value);
    void SelectAll();

    void ClearSelection();
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void Undo();
    bool CanUndo() const;
    void Clear() { SetText(""); }

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    TNotifyEvent OnChange;

protected:
    void UpdateNativeColors() override;
    TWindowHost* CreateHost(const TCreateParams& Params) override;
    void CreateParams(TCreateParams& Params) const override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void DoEnter() override;

    // Runs OnChange.
    virtual void Change();
    // Multi-line fields keep their selection when they get the focus.
    virtual bool IsMultiLine() const { return false; }
    // Text as the clipboard gives it, fitted to the field (one line for a single-line field).
    virtual std::string FitPastedText(const std::string& Text) const;

    // The native field; nullptr before the window exists.
    TEditSurface* Surface() const { return HandleAllocated() ? FSurface.get() : nullptr; }
    // Characters that may still be added in place of the selection (large without a limit).
    int Room() const;
    // Ch as CharCase wants it.
    char32_t ApplyCharCase(char32_t Ch) const;
    // Replaces the selection as the user would, then reports the change (OnChange, Modified).
    void ReplaceSelection(const std::string& Text);
    // An edit the control makes on the user's behalf: sets the text and the caret; when the
    // text changed, Modified is set and Change runs.
    void ApplyUserEdit(const std::string& Text, int CaretPos);
    // The text as the field holds it (GetText may present it otherwise).
    std::string RawText() const;

private:
    void UserEdited();
    void ApplyPasswordChar();
    void Paste();
    void Copy();
    void Cut();
    void ClearSelected();
    bool HandleEditKey(unsigned Key);

    std::unique_ptr<TEditSurface> FSurface;
    int FMaxLength = 0;
    bool FReadOnly = false;
    bool FModified = false;
    char32_t FPasswordChar = 0;
    bool FAutoSelect = true;
    TAlignment FAlignment = taLeftJustify;
    TEditCharCase FCharCase = ecNormal;
    TBorderStyle FBorderStyle = bsSingle;
    int FMarginLeftPx = 0;
    int FMarginRightPx = 0;
    // The selection while there is no window.
    int FSelStart = 0;
    int FSelLength = 0;
};

}  // namespace plat
