#pragma once

#include "editcontrols/base/TKvExCustomMaskEdit.h"
#include "editcontrols/spin/SpinEditTypes.h"
#include "editcontrols/spin/SpinValueText.h"
#include "platform/controls/standard/TUpDown.h"

#include <cstdint>
#include <optional>
#include <string>

namespace skelda::editcontrols {

class TKvSpinButton;
class TKvUpDown;

// A single-line edit for a number, with step buttons at its side. The text is the only store of
// the number: GetValue reads it, SetValue writes it. Integer, float and hexadecimal values;
// lower and upper limits, each checked when set (a non-zero limit is always checked); a step
// (Increment) for the buttons, the arrow keys and the wheel; decimals or a display format;
// thousands grouping where it reads back (see GroupsThousands).
//
// Limits: SetValue and GetValue hold the number to the checked limits, so what the program
// reads is in range even while the field still shows what is being typed. While typing
// (coCheckOnChange) only the upper limit is enforced: a number above it becomes the limit at
// once, one below the lower limit stays as typed (typing "100" in a 5..2500 field passes
// through 1 and 10), and a text that shows no number yet ("", "-") stays as it is. Leaving the
// field (coCheckOnExit) applies both limits: silently with coCropBeyondLimit, else as the range
// error "Value must be between %0:g and %1:g", posted so that it shows after the focus change,
// with the focus and the whole text back in the field.
//
// Typing: digits; a sign only where it starts the number (or its exponent), never in a
// hexadecimal field; in a float field one decimal separator ("." types it) and one exponent
// mark; in a hexadecimal field A-F. A refused key beeps when BeepOnError (NotifyValidationError).
// Typing a second decimal separator puts the caret behind the first one; Delete before it and
// Backspace behind it step over it. After the text is formatted the caret stays where it was,
// moved past thousands separators that formatting added before it. Enter and Escape are also
// offered to the form as dialog keys, Enter then swallowed.
//
// Steps: StepUp and StepDown add or subtract Increment (beep only when ReadOnly), report a
// change when the text changed (OnChange) and always fire OnTopClick or OnBottomClick.
//
// The buttons (ButtonKind): the up-down control (bkStandard), or a spin button split along its
// diagonal (bkDiagonal) or across its middle (bkClassic) in a child window; they are the
// control's own and laid out on every change of size, font or kind. The height never falls
// below the font's text height plus four border heights plus 1.
//
// The text conversions are left to a derived class (ParseText, FormatValue); TKvSpinEdit
// supplies the standard ones.
class TKvCustomSpinEdit : public TKvExCustomMaskEdit {
public:
    explicit TKvCustomSpinEdit(plat::TComponent* AOwner);
    ~TKvCustomSpinEdit() override;

    std::string ClassName() const override { return "TKvCustomSpinEdit"; }

    // The number in the field held to the checked limits; a text that shows no number reads as
    // MinValue (rounded for the integer kinds).
    long double GetValue() const;
    // Writes the number, held to the checked limits, into the text; Modified keeps its state.
    void SetValue(long double AValue);
    // The value truncated toward zero, held to 32 bits.
    std::int32_t GetAsInteger() const;
    void SetAsInteger(std::int32_t AValue) { SetValue(AValue); }

    TValueType GetValueType() const { return FValueType; }
    // Reads the text again as the new kind and writes it back; the integer kinds round
    // Increment (0 becomes 1), vtHex turns Thousands off.
    virtual void SetValueType(TValueType AValue);
    long double GetMinValue() const { return FMinValue; }
    void SetMinValue(long double AValue);
    long double GetMaxValue() const { return FMaxValue; }
    void SetMaxValue(long double AValue);
    bool GetCheckMinValue() const { return FCheckMinValue; }
    // Stays true while MinValue is not 0.
    void SetCheckMinValue(bool AValue);
    bool GetCheckMaxValue() const { return FCheckMaxValue; }
    // Stays true while MaxValue is not 0.
    void SetCheckMaxValue(bool AValue);
    TKvCheckOptions GetCheckOptions() const { return FCheckOptions; }
    void SetCheckOptions(TKvCheckOptions AValue) { FCheckOptions = AValue; }
    long double GetIncrement() const { return FIncrement; }
    void SetIncrement(long double AValue) { FIncrement = AValue; }
    std::uint8_t GetDecimal() const { return FDecimal; }
    void SetDecimal(std::uint8_t AValue);
    const std::string& GetDisplayFormat() const { return FDisplayFormat; }
    // Takes effect at the next write of the value.
    void SetDisplayFormat(const std::string& AValue);
    bool GetThousands() const { return FThousands; }
    // Ignored in a hexadecimal field.
    void SetThousands(bool AValue);
    bool GetEditorEnabled() const { return FEditorEnabled; }
    // False: only the buttons, the arrow keys and the wheel change the value.
    void SetEditorEnabled(bool AValue) { FEditorEnabled = AValue; }
    bool GetArrowKeys() const { return FArrowKeys; }
    void SetArrowKeys(bool AValue);
    TSpinButtonKind GetButtonKind() const { return FButtonKind; }
    void SetButtonKind(TSpinButtonKind AValue);
    bool GetShowButton() const { return FShowButton; }
    void SetShowButton(bool AValue);

    virtual void StepUp();
    virtual void StepDown();

    void Dispatch(plat::TMessage& Message) override;

    plat::TNotifyEvent OnTopClick;
    plat::TNotifyEvent OnBottomClick;

protected:
    // The number the text shows under the value type, nothing when it shows none.
    virtual std::optional<long double> ParseText() const = 0;
    // The text of a number under the value type and the display settings.
    virtual std::string FormatValue(long double AValue) const = 0;
    // A focused float field with a display format shows the plain number ("0.00" for two
    // decimals), so that it is edited without grouping or decoration.
    virtual void ApplyFocusedFormat();
    // Whether a typed character may go into the field at the caret.
    virtual bool AcceptsChar(char32_t Key) const;

    TSpinTextFormat TextFormat() const;

    void Change() override;
    void KeyDown(unsigned& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoEnter() override;
    void DoExit() override;
    bool DoMouseWheel(plat::TShiftState Shift, int WheelDelta, plat::TPoint MousePos) override;
    void NotifyFocusKilled(plat::TWinControl* NextWnd) override;
    void NotifyBoundsChanged() override;
    void NotifyFontChanged() override;
    void NotifyEnabledChanged() override;
    void CreateWnd() override;
    void Loaded() override;

private:
    // The text as a number, unlimited; MinValue where it shows none.
    long double TypedValue() const;
    long double ClampValue(long double AValue) const;
    long double CheckValueRange(long double AValue, bool RaiseOnError) const;
    // Writes the number into the text as it is (no limits), the typed minus kept.
    void ShowValue(long double AValue);
    // The limits while typing: only a number above the upper limit is cut back.
    void CheckWhileTyping();
    void Step(bool Up);
    void RaisePostedRangeError();
    void MoveCaretPastGrouping(int CaretBefore, const std::string& TextBefore);
    // Whether a sign typed now would start the number or its exponent, with no sign after it.
    bool SignFits() const;
    void UpDownClick(plat::TUDBtnType Button);
    // Whether the check flag follows its limit on the next change (the persistence rule of the
    // limit bookkeeping).
    bool IsCheckMinValueStored() const;
    bool IsCheckMaxValueStored() const;

    void RecreateButtons();
    void ResizeButtons();
    void SetEditRect();
    int MinimumHeight() const;

    bool FFocused = false;
    bool FLCheckMaxValue = true;
    bool FLCheckMinValue = true;
    std::optional<long double> FOldValue;
    bool FChanging = false;
    TKvSpinButton* FButton = nullptr;
    plat::TWinControl* FBtnWindow = nullptr;
    TKvUpDown* FUpDown = nullptr;
    bool FIsNegative = false;

    TValueType FValueType = vtInteger;
    long double FMinValue = 0;
    long double FMaxValue = 0;
    bool FCheckMinValue = false;
    bool FCheckMaxValue = false;
    TKvCheckOptions FCheckOptions{coCheckOnChange, coCheckOnExit, coCropBeyondLimit};
    long double FIncrement = 1;
    std::uint8_t FDecimal = 2;
    std::string FDisplayFormat;
    bool FThousands = false;
    bool FEditorEnabled = true;
    bool FArrowKeys = true;
    TSpinButtonKind FButtonKind = bkDiagonal;
    bool FShowButton = true;
    // The range error of the last exit, raised by the message posted for it.
    std::string FPendingRangeError;
};

// The spin edit with the standard text conversions (ParseSpinText, FormatSpinValue), starting
// with the text "0".
class TKvSpinEdit : public TKvCustomSpinEdit {
public:
    explicit TKvSpinEdit(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TKvSpinEdit"; }

protected:
    std::optional<long double> ParseText() const override;
    std::string FormatValue(long double AValue) const override;
};

}  // namespace skelda::editcontrols
