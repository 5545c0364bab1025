#pragma once

#include "platform/core/Types.h"

#include <cstdint>

namespace plat {

// What the keyboard and mouse are doing, as the input adapters last saw it: keys held down,
// toggled keys and the cursor position on the screen. Production and tests each keep their own
// (a test starts with nothing held).
class IInputState {
public:
    virtual ~IInputState() = default;

    virtual bool IsKeyDown(unsigned VirtualKey) const = 0;
    virtual bool IsKeyToggled(unsigned VirtualKey) const = 0;
    virtual TPoint CursorPos() const = 0;

    // Key changes; pressing a key flips its toggle, as caps lock does.
    virtual void SetKeyDown(unsigned VirtualKey, bool Down) = 0;
    virtual void SetCursorPos(TPoint ScreenPos) = 0;
};

// Keeps what it is told.
class TTrackedInputState : public IInputState {
public:
    bool IsKeyDown(unsigned VirtualKey) const override;
    bool IsKeyToggled(unsigned VirtualKey) const override;
    TPoint CursorPos() const override { return FCursorPos; }
    void SetKeyDown(unsigned VirtualKey, bool Down) override;
    void SetCursorPos(TPoint ScreenPos) override { FCursorPos = ScreenPos; }

private:
    static constexpr unsigned KeyCount = 256;
    bool FDown[KeyCount] = {};
    bool FToggled[KeyCount] = {};
    TPoint FCursorPos;
};

}  // namespace plat
