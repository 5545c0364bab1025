#include "platform/controls/qt/KeyMapping.h"

#include "platform/controls/core/VirtualKeys.h"

namespace plat {

namespace {

// Keys that type a character: both Qt keys (Qt names the shifted symbol) and both texts.
struct PrintableKey {
    unsigned Vk;
    int QtKey;
    int QtShiftedKey;
    char Text;
    char ShiftedText;
};

constexpr PrintableKey printableKeys[] = {
    {'1', Qt::Key_1, Qt::Key_Exclam, '1', '!'},
    {'2', Qt::Key_2, Qt::Key_At, '2', '@'},
    {'3', Qt::Key_3, Qt::Key_NumberSign, '3', '#'},
    {'4', Qt::Key_4, Qt::Key_Dollar, '4', '$'},
    {'5', Qt::Key_5, Qt::Key_Percent, '5', '%'},
    {'6', Qt::Key_6, Qt::Key_AsciiCircum, '6', '^'},
    {'7', Qt::Key_7, Qt::Key_Ampersand, '7', '&'},
    {'8', Qt::Key_8, Qt::Key_Asterisk, '8', '*'},
    {'9', Qt::Key_9, Qt::Key_ParenLeft, '9', '('},
    {'0', Qt::Key_0, Qt::Key_ParenRight, '0', ')'},
    {VK_OEM_MINUS, Qt::Key_Minus, Qt::Key_Underscore, '-', '_'},
    {VK_OEM_PLUS, Qt::Key_Equal, Qt::Key_Plus, '=', '+'},
    {VK_OEM_4, Qt::Key_BracketLeft, Qt::Key_BraceLeft, '[', '{'},
    {VK_OEM_6, Qt::Key_BracketRight, Qt::Key_BraceRight, ']', '}'},
    {VK_OEM_5, Qt::Key_Backslash, Qt::Key_Bar, '\\', '|'},
    {VK_OEM_1, Qt::Key_Semicolon, Qt::Key_Colon, ';', ':'},
    {VK_OEM_7, Qt::Key_Apostrophe, Qt::Key_QuoteDbl, '\'', '"'},
    {VK_OEM_3, Qt::Key_QuoteLeft, Qt::Key_AsciiTilde, '`', '~'},
    {VK_OEM_COMMA, Qt::Key_Comma, Qt::Key_Less, ',', '<'},
    {VK_OEM_PERIOD, Qt::Key_Period, Qt::Key_Greater, '.', '>'},
    {VK_OEM_2, Qt::Key_Slash, Qt::Key_Question, '/', '?'},
    {VK_SPACE, Qt::Key_Space, Qt::Key_Space, ' ', ' '},
};

struct KeypadKey {
    unsigned Vk;
    int QtKey;
    char Text;
};

constexpr KeypadKey keypadKeys[] = {
    {VK_MULTIPLY, Qt::Key_Asterisk, '*'}, {VK_ADD, Qt::Key_Plus, '+'},
    {VK_SUBTRACT, Qt::Key_Minus, '-'},    {VK_DECIMAL, Qt::Key_Period, '.'},
    {VK_DECIMAL, Qt::Key_Comma, ','},     {VK_DIVIDE, Qt::Key_Slash, '/'},
};

struct NamedKey {
    unsigned Vk;
    int QtKey;
    // Extended when not on the keypad (the grey navigation block).
    bool GreyBlock;
};

constexpr NamedKey namedKeys[] = {
    {VK_ESCAPE, Qt::Key_Escape, false},   {VK_TAB, Qt::Key_Tab, false},
    {VK_TAB, Qt::Key_Backtab, false},     {VK_BACK, Qt::Key_Backspace, false},
    {VK_RETURN, Qt::Key_Return, false},   {VK_INSERT, Qt::Key_Insert, true},
    {VK_DELETE, Qt::Key_Delete, true},    {VK_PAUSE, Qt::Key_Pause, false},
    {VK_SNAPSHOT, Qt::Key_Print, true},   {VK_CLEAR, Qt::Key_Clear, false},
    {VK_HOME, Qt::Key_Home, true},        {VK_END, Qt::Key_End, true},
    {VK_LEFT, Qt::Key_Left, true},        {VK_UP, Qt::Key_Up, true},
    {VK_RIGHT, Qt::Key_Right, true},      {VK_DOWN, Qt::Key_Down, true},
    {VK_PRIOR, Qt::Key_PageUp, true},     {VK_NEXT, Qt::Key_PageDown, true},
    {VK_SHIFT, Qt::Key_Shift, false},     {VK_CONTROL, Qt::Key_Control, false},
    {VK_MENU, Qt::Key_Alt, false},        {VK_RMENU, Qt::Key_AltGr, false},
    {VK_LWIN, Qt::Key_Meta, false},       {VK_APPS, Qt::Key_Menu, false},
    {VK_CAPITAL, Qt::Key_CapsLock, false}, {VK_NUMLOCK, Qt::Key_NumLock, true},
    {VK_SCROLL, Qt::Key_ScrollLock, false}, {VK_HELP, Qt::Key_Help, false},
};

}  // namespace

TVirtualKey VirtualKeyFromQt(int QtKey, Qt::KeyboardModifiers Modifiers)
{
    const bool keypad = Modifiers.testFlag(Qt::KeypadModifier);
    if (QtKey == Qt::Key_Enter)
        return {VK_RETURN, true};
    if (QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z)
        return {static_cast<unsigned>('A' + (QtKey - Qt::Key_A)), false};
    if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F24)
        return {static_cast<unsigned>(VK_F1 + (QtKey - Qt::Key_F1)), false};
    if (keypad) {
        if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9)
            return {static_cast<unsigned>(VK_NUMPAD0 + (QtKey - Qt::Key_0)), false};
        for (const KeypadKey& key : keypadKeys)
            if (key.QtKey == QtKey)
                return {key.Vk, key.Vk == VK_DIVIDE};
    }
    for (const NamedKey& key : namedKeys)
        if (key.QtKey == QtKey)
            return {key.Vk, key.GreyBlock && !keypad};
    for (const PrintableKey& key : printableKeys)
        if (key.QtKey == QtKey || key.QtShiftedKey == QtKey)
            return {key.Vk, false};
    return {};
}

int QtKeyFromVirtualKey(unsigned VirtualKey, bool Shift, bool& Keypad)
{
    Keypad = false;
    if (VirtualKey >= 'A' && VirtualKey <= 'Z')
        return Qt::Key_A + static_cast<int>(VirtualKey - 'A');
    if (VirtualKey >= VK_F1 && VirtualKey <= VK_F24)
        return Qt::Key_F1 + static_cast<int>(VirtualKey - VK_F1);
    if (VirtualKey >= VK_NUMPAD0 && VirtualKey <= VK_NUMPAD9) {
        Keypad = true;
        return Qt::Key_0 + static_cast<int>(VirtualKey - VK_NUMPAD0);
    }
    for (const KeypadKey& key : keypadKeys)
        if (key.Vk == VirtualKey) {
            Keypad = true;
            return key.QtKey;
        }
    for (const NamedKey& key : namedKeys)
        if (key.Vk == VirtualKey)
            return VirtualKey == VK_TAB && Shift ? Qt::Key_Backtab : key.QtKey;
    for (const PrintableKey& key : printableKeys)
        if (key.Vk == VirtualKey)
            return Shift ? key.QtShiftedKey : key.QtKey;
    return Qt::Key_unknown;
}

std::string TextOfVirtualKey(unsigned VirtualKey, bool Shift)
{
    if (VirtualKey >= 'A' && VirtualKey <= 'Z')
        return std::string(1, static_cast<char>(Shift ? VirtualKey : VirtualKey - 'A' + 'a'));
    if (VirtualKey >= VK_NUMPAD0 && VirtualKey <= VK_NUMPAD9)
        return std::string(1, static_cast<char>('0' + (VirtualKey - VK_NUMPAD0)));
    for (const KeypadKey& key : keypadKeys)
        if (key.Vk == VirtualKey)
            return std::string(1, key.Text);
    for (const PrintableKey& key : printableKeys)
        if (key.Vk == VirtualKey)
            return std::string(1, Shift ? key.ShiftedText : key.Text);
    return {};
}

}  // namespace plat
