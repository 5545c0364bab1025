#include "platform/controls/standard/TCustomEdit.h"

#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/qt/HostWidget.h"
#include "platform/controls/qt/NativeWidgetSupport.h"
#include "platform/controls/standard/TEditSurface.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/QtConversions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QFrame>
#include <QLineEdit>

#include <algorithm>
#include <climits>
#include <limits>

namespace plat {

namespace {

// Control characters the field's window procedure turns into clipboard and selection work.
enum : char32_t { CtrlA = 1, CtrlC = 3, CtrlV = 0x16, CtrlX = 0x18, CtrlZ = 0x1A };

bool KeyHeld(unsigned VirtualKey)
{
    return GetKeyState(VirtualKey) < 0;
}

std::string ConvertCase(const std::string& Text, TEditCharCase CharCase)
{
    switch (CharCase) {
    case ecUpperCase:
        return Utf8UpperCase(Text);
    case ecLowerCase:
        return Utf8LowerCase(Text);
    default:
        return Text;
    }
}

}  // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
}

TCustomEdit::~TCustomEdit() = default;

TWindowHost* TCustomEdit::CreateHost(const TCreateParams&)
{
    return new THostWidget<QLineEdit>(this);
}

void TCustomEdit::CreateParams(TCreateParams& Params) const
{
    TWinControl::CreateParams(Params);
    if (FBorderStyle == bsSingle)
        Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    QWidget* widget = Host()->Widget();
    // The frame is ours (WM_NCPAINT); the text keeps inside it.
    const TRect insets = NonClientInsets();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setFrame(false);
        line->setContentsMargins(insets.Left, insets.Top, insets.Right, insets.Bottom);
        // MaxLength is ours, in code points; Qt's own limit would cut any text at 32767.
        line->setMaxLength(std::numeric_limits<int>::max());
    } else if (auto* frame = qobject_cast<QFrame*>(widget)) {
        ReserveFrame(frame, insets);
    }
    widget->setFocusPolicy(Qt::StrongFocus);
    FSurface = TEditSurface::For(widget);
    const QString text = ToQString(TControl::GetText());
    FSurface->SetText(text);
    FSurface->SetReadOnly(FReadOnly);
    SetAlignment(FAlignment);
    FSurface->SetTextMargins(FMarginLeftPx, FMarginRightPx);
    ApplyPasswordChar();
    UpdateNativeColors();
    const int start = Utf16PositionOf(text, FSelStart);
    FSurface->SetSelection(start, Utf16PositionOf(text, FSelStart + FSelLength));
    FSurface->OnUserEdit(Host(), [](TWinControl& control) { SendCommand(control, EN_CHANGE); });
}

void TCustomEdit::DestroyWnd()
{
    if (FSurface) {
        const int start = GetSelStart();
        const int length = GetSelLength();
        TControl::SetText(RawText());
        FSelStart = start;
        FSelLength = length;
        FSurface.reset();
    }
    TWinControl::DestroyWnd();
}

std::string TCustomEdit::RawText() const
{
    if (const TEditSurface* surface = Surface())
        return FromQString(surface->Text());
    return TControl::GetText();
}

std::string TCustomEdit::GetText() const
{
    return RawText();
}

void TCustomEdit::SetText(const std::string& Value)
{
    if (Value == RawText())
        return;
    if (TEditSurface* surface = Surface()) {
        surface->SetText(ToQString(Value));
        Perform(CM_TEXTCHANGED);
    } else {
        FSelStart = 0;
        FSelLength = 0;
        TControl::SetText(Value);
    }
    FModified = false;
    Change();
}

void TCustomEdit::Change()
{
    if (OnChange && !IsDestroying())
        OnChange(this);
}

void TCustomEdit::UserEdited()
{
    FModified = true;
    Change();
}

void TCustomEdit::SetMaxLength(int Value)
{
    FMaxLength = std::max(Value, 0);
}

void TCustomEdit::SetReadOnly(bool Value)
{
    FReadOnly = Value;
    if (TEditSurface* surface = Surface())
        surface->SetReadOnly(Value);
}

void TCustomEdit::SetPasswordChar(char32_t Value)
{
    FPasswordChar = Value;
    ApplyPasswordChar();
}

void TCustomEdit::ApplyPasswordChar()
{
    auto* line = HandleAllocated() ? qobject_cast<QLineEdit*>(Host()->Widget()) : nullptr;
    if (!line)
        return;
    line->setEchoMode(FPasswordChar ? QLineEdit::Password : QLineEdit::Normal);
    line->setStyleSheet(FPasswordChar ? QStringLiteral("QLineEdit { lineedit-password-character: %1 }")
                                            .arg(static_cast<unsigned>(FPasswordChar))
                                      : QString());
}

void TCustomEdit::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    if (TEditSurface* surface = Surface())
        surface->SetAlignment(Value == taRightJustify ? Qt::AlignRight
                              : Value == taCenter     ? Qt::AlignHCenter
                                                      : Qt::AlignLeft);
}

void TCustomEdit::SetCharCase(TEditCharCase Value)
{
    FCharCase = Value;
    if (Value != ecNormal)
        SetText(ConvertCase(RawText(), Value));
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    RecreateWnd();
}

void TCustomEdit::SetMargins(int LeftPx, int RightPx)
{
    FMarginLeftPx = std::max(LeftPx, 0);
    FMarginRightPx = std::max(RightPx, 0);
    if (TEditSurface* surface = Surface())
        surface->SetTextMargins(FMarginLeftPx, FMarginRightPx);
}

void TCustomEdit::UpdateNativeColors()
{
    if (HandleAllocated())
        ApplyNativeColors(Host()->Widget(), GetColor(), Font().GetColor(), QPalette::Base);
}

int TCustomEdit::GetSelStart() const
{
    if (const TEditSurface* surface = Surface()) {
        int start = 0;
        int end = 0;
        surface->GetSelection(start, end);
        return CodePointsBefore(surface->Text(), start);
    }
    return FSelStart;
}

int TCustomEdit::GetSelLength() const
{
    if (const TEditSurface* surface = Surface()) {
        int start = 0;
        int end = 0;
        surface->GetSelection(start, end);
        const QString text = surface->Text();
        return CodePointsBefore(text, end) - CodePointsBefore(text, start);
    }
    return FSelLength;
}

void TCustomEdit::SetSelStart(int Value)
{
    const int length = Utf8Length(RawText());
    const int start = std::clamp(Value, 0, length);
    if (TEditSurface* surface = Surface()) {
        const int pos = Utf16PositionOf(surface->Text(), start);
        surface->SetSelection(pos, pos);
        return;
    }
    FSelStart = start;
    FSelLength = 0;
}

void TCustomEdit::SetSelLength(int Value)
{
    const int start = GetSelStart();
    const int end = std::clamp(start + std::max(Value, 0), start, Utf8Length(RawText()));
    if (TEditSurface* surface = Surface()) {
        const QString text = surface->Text();
        surface->SetSelection(Utf16PositionOf(text, start), Utf16PositionOf(text, end));
        return;
    }
    FSelLength = end - start;
}

std::string TCustomEdit::GetSelText() const
{
    return Utf8Copy(RawText(), GetSelStart() + 1, GetSelLength());
}

void TCustomEdit::SetSelText(const std::string& Value)
{
    ReplaceSelection(Value);
}

void TCustomEdit::SelectAll()
{
    if (TEditSurface* surface = Surface()) {
        surface->SetSelection(0, static_cast<int>(surface->Text().size()));
        return;
    }
    FSelStart = 0;
    FSelLength = Utf8Length(RawText());
}

void TCustomEdit::ReplaceSelection(const std::string& Text)
{
    if (TEditSurface* surface = Surface()) {
        // The native field reports the edit (OnUserEdit).
        surface->ReplaceSelection(ToQString(Text));
        return;
    }
    const std::string text = TControl::GetText();
    const int length = Utf8Length(text);
    const std::string result = Utf8Copy(text, 1, FSelStart) + Text + Utf8Copy(text, FSelStart + FSelLength + 1, length);
    FSelStart += Utf8Length(Text);
    FSelLength = 0;
    TControl::SetText(result);
    UserEdited();
}

void TCustomEdit::ApplyUserEdit(const std::string& Text, int CaretPos)
{
    const bool changed = Text != RawText();
    if (TEditSurface* surface = Surface()) {
        const QString text = ToQString(Text);
        if (changed)
            surface->SetText(text);
        const int pos = Utf16PositionOf(text, CaretPos);
        surface->SetSelection(pos, pos);
    } else {
        if (changed)
            TControl::SetText(Text);
        FSelStart = CaretPos;
        FSelLength = 0;
    }
    if (changed)
        UserEdited();
}

int TCustomEdit::Room() const
{
    if (FMaxLength <= 0)
        return INT_MAX;
    return FMaxLength - (Utf8Length(RawText()) - GetSelLength());
}

char32_t TCustomEdit::ApplyCharCase(char32_t Ch) const
{
    if (FCharCase == ecNormal)
        return Ch;
    return Utf8CodePointAt(ConvertCase(CodePointToUtf8(Ch), FCharCase), 1);
}

std::string TCustomEdit::FitPastedText(const std::string& Text) const
{
    return Text.substr(0, Text.find_first_of("\r\n"));
}

bool TCustomEdit::CanUndo() const
{
    const TEditSurface* surface = Surface();
    return !FReadOnly && surface && surface->CanUndo();
}

void TCustomEdit::ClearSelection()
{
    Perform(WM_CLEAR);
}

void TCustomEdit::CutToClipboard()
{
    Perform(WM_CUT);
}

void TCustomEdit::CopyToClipboard()
{
    Perform(WM_COPY);
}

void TCustomEdit::PasteFromClipboard()
{
    Perform(WM_PASTE);
}

void TCustomEdit::Undo()
{
    Perform(WM_UNDO);
}

void TCustomEdit::Copy()
{
    if (FPasswordChar || GetSelLength() == 0)
        return;
    QGuiApplication::clipboard()->setText(ToQString(GetSelText()));
}

void TCustomEdit::Cut()
{
    if (FReadOnly || FPasswordChar)
        return;
    Copy();
    ClearSelected();
}

void TCustomEdit::ClearSelected()
{
    if (FReadOnly || GetSelLength() == 0)
        return;
    ReplaceSelection("");
}

void TCustomEdit::Paste()
{
    if (FReadOnly)
        return;
    std::string text = ConvertCase(FitPastedText(FromQString(QGuiApplication::clipboard()->text())), FCharCase);
    const int room = Room();
    if (room < Utf8Length(text))
        text = Utf8Copy(text, 1, std::max(room, 0));
    if (text.empty() && GetSelLength() == 0)
        return;
    ReplaceSelection(text);
}

bool TCustomEdit::HandleEditKey(unsigned Key)
{
    const bool shift = KeyHeld(VK_SHIFT);
    const bool ctrl = KeyHeld(VK_CONTROL);
    if (Key == VK_INSERT && shift && !ctrl) {
        Perform(WM_PASTE);
        return true;
    }
    if (Key == VK_INSERT && ctrl && !shift) {
        Perform(WM_COPY);
        return true;
    }
    if (Key == VK_DELETE && shift && !ctrl) {
        Perform(WM_CUT);
        return true;
    }
    return false;
}

void TCustomEdit::DoEnter()
{
    if (FAutoSelect && !IsMultiLine() && !KeyHeld(VK_LBUTTON))
        SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND:
        if (TWMCommand(Message).NotifyCode() == EN_CHANGE) {
            UserEdited();
            return;
        }
        break;
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
        return;
    default:
        break;
    }
    TWinControl::Dispatch(Message);
}

void TCustomEdit::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CHAR: {
        const auto ch = static_cast<char32_t>(Message.WParam);
        switch (ch) {
        case CtrlA:
            SelectAll();
            return;
        case CtrlC:
            Perform(WM_COPY);
            return;
        case CtrlV:
            Perform(WM_PASTE);
            return;
        case CtrlX:
            Perform(WM_CUT);
            return;
        case CtrlZ:
            Perform(WM_UNDO);
            return;
        case U'\b':
        case U'\t':
        case U'\r':
        case U'\x1B':
            break;
        default:
            // Other control characters type nothing.
            if (ch < 32 || ch == 127)
                return;
            if (Room() <= 0)
                return;
            Message.WParam = ApplyCharCase(ch);
            break;
        }
        break;
    }
    case WM_KEYDOWN:
        if (HandleEditKey(static_cast<unsigned>(Message.WParam)))
            return;
        break;
    case WM_CUT:
        Cut();
        return;
    case WM_COPY:
        Copy();
        return;
    case WM_PASTE:
        Paste();
        return;
    case WM_CLEAR:
        ClearSelected();
        return;
    case WM_UNDO:
    case EM_UNDO:
        if (!FReadOnly && Surface())
            Surface()->Undo();
        Message.Result = 1;
        return;
    case EM_SETMARGINS: {
        const auto margins = static_cast<std::uintptr_t>(Message.LParam);
        SetMargins(Message.WParam & EC_LEFTMARGIN ? LOWORD(margins) : FMarginLeftPx,
                   Message.WParam & EC_RIGHTMARGIN ? HIWORD(margins) : FMarginRightPx);
        return;
    }
    default:
        break;
    }
    TWinControl::DefaultHandler(Message);
}

}  // namespace plat
