#pragma once

// Between Qt's key codes and the platform's virtual-key codes, for the keyboard adapter and the
// input simulator. Punctuation follows the US keyboard layout.

#include <Qt>

#include <string>

namespace plat {

struct TVirtualKey {
    unsigned Code = 0;
    // The key data's extended flag: the grey navigation keys, keypad Enter and Divide.
    bool Extended = false;
};

TVirtualKey VirtualKeyFromQt(int QtKey, Qt::KeyboardModifiers Modifiers);
// The Qt key of a virtual key (Shift chooses among the shifted punctuation keys Qt reports),
// and whether it lies on the keypad.
int QtKeyFromVirtualKey(unsigned VirtualKey, bool Shift, bool& Keypad);
// The text a key types on the US layout with or without Shift (empty for keys that type none).
std::string TextOfVirtualKey(unsigned VirtualKey, bool Shift);

}  // namespace plat
