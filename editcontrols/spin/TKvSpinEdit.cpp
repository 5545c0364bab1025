#include "editcontrols/spin/TKvSpinEdit.h"

#include "editcontrols/spin/StandardButtonWidth.h"
#include "editcontrols/spin/TKvSpinButton.h"
#include "editcontrols/spin/TKvUpDown.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/MessageDelivery.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/TForm.h"
#include "platform/core/Exception.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/RectOps.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/system/FloatFormat.h"
#include "platform/system/MathRoutines.h"
#include "platform/system/SystemMetrics.h"

#include <algorithm>
#include <limits>

namespace skelda::editcontrols {

namespace {

// Raises the range error of an exit once the focus change that found it is over.
unsigned RangeErrorMessage()
{
    static const unsigned id = plat::RegisterWindowMessage("KvSpinEditRangeError");
    return id;
}

bool IsSign(char32_t Ch)
{
    return Ch == U'+' || Ch == U'-';
}

int CountBefore(const std::string& Text, int Caret, char Separator)
{
    const std::string head = plat::Utf8Copy(Text, 1, Caret);
    return static_cast<int>(std::count(head.begin(), head.end(), Separator));
}

}  // namespace

TKvCustomSpinEdit::TKvCustomSpinEdit(plat::TComponent* AOwner) : TKvExCustomMaskEdit(AOwner)
{
    SetControlStyle(GetControlStyle() - plat::TControlStyle{plat::csSetCaption});
    RecreateButtons();
}

TKvCustomSpinEdit::~TKvCustomSpinEdit()
{
    FChanging = true;
    Destroying();
}

TSpinTextFormat TKvCustomSpinEdit::TextFormat() const
{
    return {FValueType, FDisplayFormat, FDecimal, FThousands};
}

long double TKvCustomSpinEdit::TypedValue() const
{
    if (const std::optional<long double> value = ParseText())
        return *value;
    return FValueType == vtFloat ? FMinValue : static_cast<long double>(plat::Round(FMinValue));
}

long double TKvCustomSpinEdit::ClampValue(long double AValue) const
{
    if (FCheckMaxValue && AValue > FMaxValue)
        return FMaxValue;
    if (FCheckMinValue && AValue < FMinValue)
        return FMinValue;
    return AValue;
}

long double TKvCustomSpinEdit::CheckValueRange(long double AValue, bool RaiseOnError) const
{
    const long double limited = ClampValue(AValue);
    if ((FCheckMinValue || FCheckMaxValue) && RaiseOnError && limited != AValue)
        throw plat::EOutOfRange("Value must be between %0:g and %1:g", {FMinValue, FMaxValue});
    return limited;
}

long double TKvCustomSpinEdit::GetValue() const
{
    return ClampValue(TypedValue());
}

void TKvCustomSpinEdit::SetValue(long double AValue)
{
    ShowValue(ClampValue(AValue));
}

std::int32_t TKvCustomSpinEdit::GetAsInteger() const
{
    const std::int64_t truncated = plat::Trunc(GetValue());
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(truncated, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

void TKvCustomSpinEdit::ShowValue(long double AValue)
{
    std::string text = FormatValue(AValue);
    if (FIsNegative && !text.empty() && text.front() != '-')
        text.insert(0, 1, '-');
    const bool modified = GetModified();
    const plat::TControlRef<> alive(this);
    SetText(text);
    if (!alive)
        return;
    SetModified(modified);
    ApplyFocusedFormat();
}

void TKvCustomSpinEdit::ApplyFocusedFormat()
{
    if (FValueType != vtFloat || !FFocused || FDisplayFormat.empty())
        return;
    std::string picture = "0";
    if (FDecimal > 0)
        picture += "." + std::string(FDecimal, '0');
    const bool modified = GetModified();
    const plat::TControlRef<> alive(this);
    SetText(plat::FormatFloat(picture, static_cast<double>(TypedValue())));
    if (alive)
        SetModified(modified);
}

void TKvCustomSpinEdit::SetValueType(TValueType AValue)
{
    if (AValue == FValueType)
        return;
    FValueType = AValue;
    SetValue(GetValue());
    if (AValue == vtInteger || AValue == vtHex) {
        FIncrement = static_cast<long double>(plat::Round(FIncrement));
        if (FIncrement == 0)
            FIncrement = 1;
    }
    if (AValue == vtHex)
        FThousands = false;
}

bool TKvCustomSpinEdit::IsCheckMinValueStored() const
{
    return FMinValue == 0 && FCheckMinValue == (FMaxValue == 0);
}

bool TKvCustomSpinEdit::IsCheckMaxValueStored() const
{
    return FMaxValue == 0 && FCheckMaxValue == (FMinValue == 0);
}

void TKvCustomSpinEdit::SetMinValue(long double AValue)
{
    if (AValue == FMinValue)
        return;
    const bool stored = IsCheckMinValueStored();
    const bool wasZero = FMinValue == 0;
    FMinValue = AValue;
    if (wasZero != (AValue == 0) && FLCheckMinValue) {
        FCheckMinValue = FMinValue != 0 || FMaxValue != 0;
        if (!stored && FLCheckMaxValue)
            FCheckMaxValue = FCheckMinValue;
    }
    SetValue(GetValue());
}

void TKvCustomSpinEdit::SetMaxValue(long double AValue)
{
    if (AValue == FMaxValue)
        return;
    const bool stored = IsCheckMaxValueStored();
    const bool wasZero = FMaxValue == 0;
    FMaxValue = AValue;
    if (wasZero != (AValue == 0) && FLCheckMaxValue) {
        FCheckMaxValue = FMinValue != 0 || FMaxValue != 0;
        if (!stored && FLCheckMinValue)
            FCheckMinValue = FCheckMaxValue;
    }
    SetValue(GetValue());
}

void TKvCustomSpinEdit::SetCheckMinValue(bool AValue)
{
    FCheckMinValue = AValue || FMinValue != 0;
    if (ComponentState().Contains(plat::csLoading))
        FLCheckMinValue = false;
    SetValue(GetValue());
}

void TKvCustomSpinEdit::SetCheckMaxValue(bool AValue)
{
    FCheckMaxValue = AValue || FMaxValue != 0;
    if (ComponentState().Contains(plat::csLoading))
        FLCheckMaxValue = false;
    SetValue(GetValue());
}

void TKvCustomSpinEdit::SetDecimal(std::uint8_t AValue)
{
    if (AValue == FDecimal)
        return;
    FDecimal = AValue;
    SetValue(GetValue());
}

void TKvCustomSpinEdit::SetDisplayFormat(const std::string& AValue)
{
    if (AValue == FDisplayFormat)
        return;
    FDisplayFormat = AValue;
    Invalidate();
}

void TKvCustomSpinEdit::SetThousands(bool AValue)
{
    if (FValueType != vtHex)
        FThousands = AValue;
}

void TKvCustomSpinEdit::SetArrowKeys(bool AValue)
{
    FArrowKeys = AValue;
    ResizeButtons();
}

void TKvCustomSpinEdit::SetButtonKind(TSpinButtonKind AValue)
{
    if (AValue == FButtonKind)
        return;
    FButtonKind = AValue;
    RecreateButtons();
}

void TKvCustomSpinEdit::SetShowButton(bool AValue)
{
    if (AValue == FShowButton)
        return;
    FShowButton = AValue;
    RecreateButtons();
}

void TKvCustomSpinEdit::Loaded()
{
    TKvExCustomMaskEdit::Loaded();
    FLCheckMinValue = true;
    FLCheckMaxValue = true;
    FOldValue = TypedValue();
}

void TKvCustomSpinEdit::CheckWhileTyping()
{
    const std::optional<long double> typed = ParseText();
    if (!typed)
        return;
    long double value = *typed;
    if (FCheckMaxValue && value > FMaxValue) {
        value = FMaxValue;
        FIsNegative = false;
    }
    ShowValue(value);
}

void TKvCustomSpinEdit::Change()
{
    if (FChanging || !HandleAllocated())
        return;
    const plat::TControlRef<> alive(this);
    const int caret = GetSelStart();
    const std::string before = GetText();
    FChanging = true;
    FIsNegative = !before.empty() && before.front() == '-';
    try {
        if (!ComponentState().Contains(plat::csDesigning) && FCheckOptions.Contains(coCheckOnChange))
            CheckWhileTyping();
    } catch (...) {
        if (alive) {
            FChanging = false;
            FIsNegative = false;
        }
        throw;
    }
    if (!alive)
        return;
    FChanging = false;
    FIsNegative = false;
    SetSelStart(caret);
    const long double value = TypedValue();
    if (FOldValue && *FOldValue == value)
        return;
    if (GroupsThousands(TextFormat()) && GetSelStart() == caret)
        MoveCaretPastGrouping(caret, before);
    TKvExCustomMaskEdit::Change();
    if (alive)
        FOldValue = value;
}

void TKvCustomSpinEdit::MoveCaretPastGrouping(int CaretBefore, const std::string& TextBefore)
{
    const char separator = plat::FormatSettings().ThousandSeparator;
    SetSelStart(CaretBefore + CountBefore(GetText(), CaretBefore, separator) -
                CountBefore(TextBefore, CaretBefore, separator));
}

void TKvCustomSpinEdit::Step(bool Up)
{
    if (GetReadOnly()) {
        NotifyValidationError();
        return;
    }
    const plat::TControlRef<> alive(this);
    const std::string before = GetText();
    FChanging = true;
    try {
        SetValue(GetValue() + (Up ? FIncrement : -FIncrement));
    } catch (...) {
        if (alive)
            FChanging = false;
        throw;
    }
    if (!alive)
        return;
    FChanging = false;
    if (plat::Utf8UpperCase(GetText()) != plat::Utf8UpperCase(before)) {
        SetModified(true);
        Change();
        if (!alive)
            return;
    }
    const plat::TNotifyEvent handler = Up ? OnTopClick : OnBottomClick;
    if (handler && !IsDestroying())
        handler(this);
}

void TKvCustomSpinEdit::StepUp()
{
    Step(true);
}

void TKvCustomSpinEdit::StepDown()
{
    Step(false);
}

bool TKvCustomSpinEdit::SignFits() const
{
    if (FValueType == vtHex)
        return false;
    const std::u32string text = plat::Utf8ToCodePoints(GetText());
    const auto start = static_cast<std::size_t>(GetSelStart());
    const std::size_t end = start + static_cast<std::size_t>(GetSelLength());
    const bool signFollows = end < text.size() && IsSign(text[end]);
    if (start == 0)
        return !signFollows;
    const char32_t previous = text[start - 1];
    return FValueType == vtFloat && (previous == U'E' || previous == U'e') && !signFollows;
}

bool TKvCustomSpinEdit::AcceptsChar(char32_t Key) const
{
    if (!FEditorEnabled)
        return Key < 32 && Key != U'\b';
    if (Key < 32 || (Key >= U'0' && Key <= U'9'))
        return true;
    if (IsSign(Key))
        return SignFits();
    const plat::TFormatSettings& settings = plat::FormatSettings();
    const std::string text = GetText();
    switch (FValueType) {
    case vtFloat:
        if (text.find(settings.DecimalSeparator) == std::string::npos) {
            if (Key == static_cast<unsigned char>(settings.DecimalSeparator))
                return true;
            if (Key == U'.' && !(FThousands && settings.ThousandSeparator == '.'))
                return true;
        }
        return (Key == U'E' || Key == U'e') && plat::Utf8UpperCase(text).find('E') == std::string::npos;
    case vtHex:
        return (Key >= U'A' && Key <= U'F') || (Key >= U'a' && Key <= U'f');
    case vtInteger:
        return false;
    }
    return false;
}

void TKvCustomSpinEdit::KeyPress(char32_t& Key)
{
    const plat::TFormatSettings& settings = plat::FormatSettings();
    const auto decimal = static_cast<char32_t>(static_cast<unsigned char>(settings.DecimalSeparator));
    if (Key == U'.' && !(FThousands && settings.ThousandSeparator == '.'))
        Key = decimal;
    if (FValueType == vtFloat && Key == decimal) {
        const std::u32string text = plat::Utf8ToCodePoints(GetText());
        if (const std::size_t at = text.find(decimal); at != std::u32string::npos) {
            Key = 0;
            SetSelStart(static_cast<int>(at) + 1);
            return;
        }
    }
    if (!AcceptsChar(Key)) {
        Key = 0;
        NotifyValidationError();
        return;
    }
    const plat::TControlRef<> alive(this);
    TKvExCustomMaskEdit::KeyPress(Key);
    if (!alive || (Key != U'\r' && Key != U'\x1B'))
        return;
    if (plat::TCustomForm* form = plat::GetParentForm(this)) {
        form->Perform(plat::CM_DIALOGKEY, Key, 0);
        if (!alive)
            return;
    }
    if (Key == U'\r')
        Key = 0;
}

void TKvCustomSpinEdit::KeyDown(unsigned& Key, plat::TShiftState Shift)
{
    const plat::TControlRef<> alive(this);
    TKvExCustomMaskEdit::KeyDown(Key, Shift);
    if (!alive || Key == 0)
        return;
    if (FArrowKeys && (Key == plat::VK_UP || Key == plat::VK_DOWN)) {
        const bool up = Key == plat::VK_UP;
        Key = 0;
        if (up)
            StepUp();
        else
            StepDown();
        return;
    }
    if (Key == plat::VK_DELETE && !FEditorEnabled) {
        Key = 0;
        return;
    }
    if (!Shift.Empty() || GetSelLength() != 0)
        return;
    // The separator cannot be deleted by these keys: they step over it.
    const auto decimal = static_cast<char32_t>(static_cast<unsigned char>(plat::FormatSettings().DecimalSeparator));
    const std::u32string text = plat::Utf8ToCodePoints(GetText());
    const auto caret = static_cast<std::size_t>(GetSelStart());
    if (Key == plat::VK_DELETE && caret < text.size() && text[caret] == decimal) {
        Key = 0;
        SetSelStart(static_cast<int>(caret) + 1);
    } else if (Key == plat::VK_BACK && caret > 0 && caret <= text.size() && text[caret - 1] == decimal) {
        Key = 0;
        SetSelStart(static_cast<int>(caret) - 1);
    }
}

bool TKvCustomSpinEdit::DoMouseWheel(plat::TShiftState, int WheelDelta, plat::TPoint)
{
    if (WheelDelta > 0)
        StepUp();
    else
        StepDown();
    return true;
}

void TKvCustomSpinEdit::DoEnter()
{
    FFocused = true;
    Invalidate();
    const plat::TControlRef<> alive(this);
    ApplyFocusedFormat();
    if (!alive)
        return;
    if (GetAutoSelect() && plat::GetKeyState(plat::VK_LBUTTON) >= 0)
        SelectAll();
    TKvExCustomMaskEdit::DoEnter();
}

void TKvCustomSpinEdit::DoExit()
{
    FFocused = false;
    Invalidate();
    const plat::TControlRef<> alive(this);
    if (!ComponentState().Contains(plat::csDesigning) && FCheckOptions.Contains(coCheckOnExit)) {
        long double value = 0;
        try {
            value = CheckValueRange(TypedValue(), !FCheckOptions.Contains(coCropBeyondLimit));
        } catch (const plat::EOutOfRange& error) {
            // Raised here the error would cut the focus change short with a message box in its
            // middle; posted, it shows once the field has the focus back.
            FFocused = true;
            SelectAll();
            FPendingRangeError = error.Message();
            plat::PostMessage(this, RangeErrorMessage());
            if (CanFocus())
                SetFocus();
            return;
        }
        SetValue(value);
        if (!alive)
            return;
    }
    TKvExCustomMaskEdit::DoExit();
}

void TKvCustomSpinEdit::NotifyFocusKilled(plat::TWinControl* NextWnd)
{
    const plat::TControlRef<> alive(this);
    if (!ComponentState().Contains(plat::csDesigning) && FCheckOptions.Contains(coCheckOnExit) &&
        FCheckOptions.Contains(coCropBeyondLimit)) {
        SetValue(GetValue());
        if (!alive)
            return;
    }
    TKvExCustomMaskEdit::NotifyFocusKilled(NextWnd);
}

void TKvCustomSpinEdit::RaisePostedRangeError()
{
    throw plat::EOutOfRange(FPendingRangeError);
}

void TKvCustomSpinEdit::Dispatch(plat::TMessage& Message)
{
    if (Message.Msg == RangeErrorMessage()) {
        RaisePostedRangeError();
        return;
    }
    if ((Message.Msg == plat::WM_CUT || Message.Msg == plat::WM_PASTE) && (!FEditorEnabled || GetReadOnly()))
        return;
    TKvExCustomMaskEdit::Dispatch(Message);
}

void TKvCustomSpinEdit::UpDownClick(plat::TUDBtnType Button)
{
    const plat::TControlRef<> alive(this);
    if (GetTabStop() && CanFocus() && !Focused()) {
        SetFocus();
        if (!alive)
            return;
    }
    if (Button == plat::btNext)
        StepUp();
    else
        StepDown();
}

void TKvCustomSpinEdit::RecreateButtons()
{
    if (IsDestroying())
        return;
    delete FButton;
    FButton = nullptr;
    delete FBtnWindow;
    FBtnWindow = nullptr;
    delete FUpDown;
    FUpDown = nullptr;
    if (FShowButton && FButtonKind == bkStandard) {
        FUpDown = new TKvUpDown(this);
        FUpDown->SetParent(this);
        FUpDown->SetBounds(0, 1, StandardButtonWidth(), GetHeight());
        FUpDown->SetAlign(plat::alRight);
        FUpDown->SetEnabled(GetEnabled());
        FUpDown->OnClick = [this](plat::TObject*, plat::TUDBtnType Button) { UpDownClick(Button); };
    } else if (FShowButton) {
        FBtnWindow = new plat::TWinControl(this);
        FBtnWindow->SetParent(this);
        FBtnWindow->SetBounds(0, 0, FButtonKind == bkClassic ? GetHeight() : StandardButtonWidth(), GetHeight());
        FButton = new TKvSpinButton(this);
        FButton->SetParent(FBtnWindow);
        if (FButtonKind == bkClassic)
            FButton->SetButtonStyle(sbsClassic);
        FButton->SetFocusControl(this);
        FButton->SetEnabled(GetEnabled());
        FButton->OnTopClick = [this](plat::TObject*) { StepUp(); };
        FButton->OnBottomClick = [this](plat::TObject*) { StepDown(); };
        FButton->SetBounds(1, 1, FBtnWindow->GetWidth() - 1, FBtnWindow->GetHeight() - 1);
    }
    ResizeButtons();
    SetEditRect();
}

void TKvCustomSpinEdit::ResizeButtons()
{
    if (FUpDown) {
        FUpDown->SetWidth(StandardButtonWidth());
        FUpDown->SetAlign(plat::alRight);
        return;
    }
    if (!FBtnWindow)
        return;
    const int width = GetWidth();
    const int height = GetHeight();
    const int buttonWidth = StandardButtonWidth();
    const bool classic = FButtonKind == bkClassic;
    plat::TRect window;
    if (GetBorderStyle() == plat::bsSingle)
        window = classic ? plat::Bounds(width - buttonWidth - 4, -1, buttonWidth, height - 3)
                         : plat::Bounds(width - height - 1, -1, height - 3, height - 3);
    else
        window = classic ? plat::Bounds(width - buttonWidth, 0, buttonWidth, height)
                         : plat::Bounds(width - height, 0, height, height);
    // The platform showed a child window only inside its parent's client area; here it would
    // cover the frame, so the window keeps to the client area and the button keeps its place.
    const plat::TRect shown = plat::IntersectedRect(window, GetClientRect());
    FBtnWindow->SetBoundsRect(shown);
    FButton->SetBounds(1 + window.Left - shown.Left, 1 + window.Top - shown.Top, window.Width() - 1,
                       window.Height() - 1);
}

void TKvCustomSpinEdit::SetEditRect()
{
    const int buttonWidth = FUpDown ? FUpDown->GetWidth() : FButton ? FButton->GetWidth() : 0;
    SetMargins(0, buttonWidth > 0 ? buttonWidth + 2 : 0);
}

int TKvCustomSpinEdit::MinimumHeight() const
{
    plat::TBitmap scratch;
    scratch.Canvas().Font().Assign(Font());
    return scratch.Canvas().TextHeight("0") + 4 * plat::GetSystemMetrics(plat::SM_CYBORDER) + 1;
}

void TKvCustomSpinEdit::NotifyBoundsChanged()
{
    const plat::TControlRef<> alive(this);
    TKvExCustomMaskEdit::NotifyBoundsChanged();
    if (!alive)
        return;
    if (const int minimum = MinimumHeight(); GetHeight() < minimum) {
        SetHeight(minimum);
        return;
    }
    ResizeButtons();
    SetEditRect();
}

void TKvCustomSpinEdit::NotifyFontChanged()
{
    const plat::TControlRef<> alive(this);
    TKvExCustomMaskEdit::NotifyFontChanged();
    if (!alive)
        return;
    ResizeButtons();
    SetEditRect();
}

void TKvCustomSpinEdit::NotifyEnabledChanged()
{
    const plat::TControlRef<> alive(this);
    TKvExCustomMaskEdit::NotifyEnabledChanged();
    if (!alive)
        return;
    if (FUpDown)
        FUpDown->SetEnabled(GetEnabled());
    if (FButton)
        FButton->SetEnabled(GetEnabled());
}

void TKvCustomSpinEdit::CreateWnd()
{
    TKvExCustomMaskEdit::CreateWnd();
    SetEditRect();
}

TKvSpinEdit::TKvSpinEdit(plat::TComponent* AOwner) : TKvCustomSpinEdit(AOwner)
{
    SetText("0");
}

std::optional<long double> TKvSpinEdit::ParseText() const
{
    return ParseSpinText(GetText(), TextFormat());
}

std::string TKvSpinEdit::FormatValue(long double AValue) const
{
    return FormatSpinValue(AValue, TextFormat());
}

}  // namespace skelda::editcontrols
