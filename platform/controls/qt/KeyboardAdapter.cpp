#include "platform/controls/qt/KeyboardAdapter.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/forms/HintManager.h"
#include "platform/controls/forms/ModalStack.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/qt/HostWidget.h"
#include "platform/controls/qt/KeyMapping.h"
#include "platform/controls/qt/NativeEventScope.h"
#include "platform/controls/services/InputState.h"
#include "platform/controls/services/UiServices.h"

#include <QKeyEvent>

#include <string>

namespace plat {

namespace {

void UpdateInputState(Qt::KeyboardModifiers Modifiers, unsigned VirtualKey, bool Down)
{
    IInputState& input = Input();
    input.SetKeyDown(VK_SHIFT, Modifiers.testFlag(Qt::ShiftModifier));
    input.SetKeyDown(VK_CONTROL, Modifiers.testFlag(Qt::ControlModifier));
    input.SetKeyDown(VK_MENU, Modifiers.testFlag(Qt::AltModifier));
    if (VirtualKey)
        input.SetKeyDown(VirtualKey, Down);
}

bool IsAltCombination(Qt::KeyboardModifiers Modifiers, unsigned VirtualKey)
{
    return VirtualKey == VK_MENU || (Modifiers.testFlag(Qt::AltModifier) && !Modifiers.testFlag(Qt::ControlModifier));
}

// The characters a key press types, as the platform's character messages gave them.
std::u32string CharsOf(const QKeyEvent& Event, unsigned VirtualKey)
{
    const Qt::KeyboardModifiers modifiers = Event.modifiers();
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    switch (VirtualKey) {
    case VK_BACK:
        return {ctrl ? U'\x7F' : U'\b'};
    case VK_RETURN:
        return {ctrl ? U'\n' : U'\r'};
    case VK_ESCAPE:
        return {U'\x1B'};
    case VK_TAB:
        return ctrl ? std::u32string{} : std::u32string{U'\t'};
    default:
        break;
    }
    if (ctrl && !modifiers.testFlag(Qt::AltModifier)) {
        if (VirtualKey >= 'A' && VirtualKey <= 'Z')
            return {static_cast<char32_t>(VirtualKey - 'A' + 1)};
        switch (VirtualKey) {
        case VK_OEM_4:
            return {U'\x1B'};
        case VK_OEM_5:
            return {U'\x1C'};
        case VK_OEM_6:
            return {U'\x1D'};
        case VK_SPACE:
            return {U' '};
        default:
            return {};
        }
    }
    std::u32string chars;
    for (const char32_t c : Event.text().toStdU32String())
        if (c >= 32 && c != 127)
            chars.push_back(c);
    return chars;
}

// The accelerator character of an Alt combination.
char32_t DialogCharOf(const QKeyEvent& Event, unsigned VirtualKey)
{
    const bool shift = Event.modifiers().testFlag(Qt::ShiftModifier);
    if (VirtualKey >= 'A' && VirtualKey <= 'Z')
        return static_cast<char32_t>(shift ? VirtualKey : VirtualKey - 'A' + 'a');
    const std::u32string text = Event.text().toStdU32String();
    if (!text.empty() && text[0] >= 32)
        return text[0];
    const std::string typed = TextOfVirtualKey(VirtualKey, shift);
    return typed.empty() ? 0 : static_cast<char32_t>(typed[0]);
}

// The dialog-key step: true when the form took the key.
bool FormTookDialogKey(TWinControl* Target, unsigned VirtualKey, std::uint32_t KeyData)
{
    unsigned mask = 0;
    switch (VirtualKey) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        return false;
    }
    const TControlRef<TWinControl> target(Target);
    if (Target->Perform(CM_WANTSPECIALKEY, VirtualKey, KeyData) != 0 || !target)
        return false;
    if ((static_cast<unsigned>(Target->Perform(WM_GETDLGCODE)) & mask) != 0 || !target)
        return false;
    TCustomForm* form = GetParentForm(Target);
    return form && form->Perform(CM_DIALOGKEY, VirtualKey, KeyData) != 0;
}

// The control the key is for: the focused one when it lies in the window that got the key.
TWinControl* KeyTarget(THostWidgetCore& Host)
{
    TWinControl* focused = FocusManager::Focused();
    if (focused && focused->HandleAllocated() && focused->Host()->Widget()->window() == Host.Widget()->window())
        return focused;
    return Host.Control();
}

// Hands the Qt event to the target's native widget: by the caller when the target is the
// receiver itself (returns true), else here.
bool PassNative(THostWidgetCore& Receiver, TWinControl* Target, QKeyEvent* Event)
{
    if (Target == Receiver.Control())
        return true;
    if (Target->HandleAllocated())
        HostWidgetOf(*Target).BaseEvent(Event);
    return false;
}

}  // namespace

bool TKeyboardAdapter::KeyPress(THostWidgetCore& Host, QKeyEvent* Event, bool)
{
    TVirtualKey key = VirtualKeyFromQt(Event->key(), Event->modifiers());
    UpdateInputState(Event->modifiers(), key.Code, true);
    HintManager::CancelHint();
    TWinControl* target = KeyTarget(Host);
    if (!target->IsEnabledInParents() || !ModalStack::AcceptsInput(target))
        return false;
    const std::u32string chars = CharsOf(*Event, key.Code);
    if (key.Code == 0 && chars.empty())
        return PassNative(Host, target, Event);
    // A key-down code of 0 reads as swallowed: a character without a key of its own comes, as
    // typed Unicode did on the platform, with VK_PACKET.
    if (key.Code == 0)
        key.Code = VK_PACKET;

    const bool alt = IsAltCombination(Event->modifiers(), key.Code);
    std::uint32_t keyData = 1;
    if (key.Extended)
        keyData |= KF_EXTENDED;
    if (alt)
        keyData |= KF_ALTDOWN;
    if (Event->isAutoRepeat())
        keyData |= KF_REPEAT;

    const TControlRef<TWinControl> alive(target);
    THostWidgetCore& targetHost = HostWidgetOf(*target);
    // What the native widget gets: nothing, the Qt event itself, or the characters the
    // handlers let through (changed or not). Decided while the scope is open, done after.
    enum class NativeStep { Nothing, Original, Characters };
    NativeStep step = NativeStep::Nothing;
    std::u32string delivered;
    {
        TNativeEventScope scope(targetHost, Event, true);
        const unsigned downMsg = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
        scope.Expect(downMsg);
        scope.Expect(WM_CHAR);

        TMessage down{downMsg, key.Code, static_cast<LPARAM>(keyData), 0};
        target->Perform(down);
        if (!alive)
            return false;
        bool swallowed = down.WParam == 0;
        if (!swallowed)
            swallowed = FormTookDialogKey(target, key.Code, keyData);
        if (!alive)
            return false;

        if (alt) {
            if (!swallowed && key.Code != VK_MENU) {
                if (const char32_t ch = DialogCharOf(*Event, key.Code); ch != 0)
                    if (TCustomForm* form = GetParentForm(target))
                        swallowed = form->Perform(CM_DIALOGCHAR, ch, keyData) != 0;
                if (!alive)
                    return false;
            }
            if (!swallowed && scope.Reached(downMsg))
                step = NativeStep::Original;
        } else if (chars.empty()) {
            if (!swallowed && scope.Reached(downMsg))
                step = NativeStep::Original;
        } else if (!swallowed) {
            TNativeEventScope::Carrier* carrier = scope.Find(WM_CHAR);
            for (const char32_t ch : chars) {
                carrier->Reached = false;
                TMessage message{WM_CHAR, ch, static_cast<LPARAM>(keyData), 0};
                target->Perform(message);
                if (!alive)
                    return false;
                if (carrier->Reached && carrier->WParam != 0)
                    delivered.push_back(static_cast<char32_t>(carrier->WParam));
            }
            step = delivered == chars ? NativeStep::Original : NativeStep::Characters;
        }
    }
    switch (step) {
    case NativeStep::Original:
        return PassNative(Host, target, Event);
    case NativeStep::Characters:
        for (const char32_t ch : delivered) {
            TMessage message{WM_CHAR, ch, static_cast<LPARAM>(keyData), 0};
            targetHost.SynthesizeNative(message);
        }
        return false;
    default:
        return false;
    }
}

bool TKeyboardAdapter::KeyRelease(THostWidgetCore& Host, QKeyEvent* Event, bool)
{
    // The platform repeats only key-down messages.
    if (Event->isAutoRepeat())
        return false;
    const TVirtualKey key = VirtualKeyFromQt(Event->key(), Event->modifiers());
    UpdateInputState(Event->modifiers(), key.Code, false);
    TWinControl* target = KeyTarget(Host);
    if (!target->IsEnabledInParents() || !ModalStack::AcceptsInput(target))
        return false;
    if (key.Code == 0)
        return PassNative(Host, target, Event);
    const bool alt = IsAltCombination(Event->modifiers(), key.Code);
    std::uint32_t keyData = 1 | KF_REPEAT | KF_UP;
    if (key.Extended)
        keyData |= KF_EXTENDED;
    if (alt)
        keyData |= KF_ALTDOWN;
    const TControlRef<TWinControl> alive(target);
    const unsigned msg = alt ? WM_SYSKEYUP : WM_KEYUP;
    bool reached = false;
    {
        TNativeEventScope scope(HostWidgetOf(*target), Event, true);
        scope.Expect(msg);
        target->Perform(msg, key.Code, static_cast<LPARAM>(keyData));
        reached = alive && scope.Reached(msg);
    }
    return reached && PassNative(Host, target, Event);
}

}  // namespace plat
