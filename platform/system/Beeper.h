#pragma once

namespace plat {

// The system's alert sounds.
class IBeeper {
public:
    virtual ~IBeeper() = default;
    // soundType is the MessageBeep type with the widget library's numbers (0 the default beep,
    // 0x10 hand, 0x20 question, 0x30 exclamation, 0x40 asterisk; the message-box flags MB_ICON...
    // carry the same values). Every type sounds the one beep the desktop offers.
    virtual void MessageBeep(unsigned soundType) = 0;
};

}  // namespace plat
