#include "platform/controls/core/InputQueries.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/services/InputState.h"
#include "platform/controls/services/UiServices.h"

namespace plat {

std::int16_t GetKeyState(unsigned VirtualKey)
{
    const IInputState& input = Input();
    bool down = input.IsKeyDown(VirtualKey);
    switch (VirtualKey) {
    case VK_SHIFT:
        down = down || input.IsKeyDown(VK_LSHIFT) || input.IsKeyDown(VK_RSHIFT);
        break;
    case VK_CONTROL:
        down = down || input.IsKeyDown(VK_LCONTROL) || input.IsKeyDown(VK_RCONTROL);
        break;
    case VK_MENU:
        down = down || input.IsKeyDown(VK_LMENU) || input.IsKeyDown(VK_RMENU);
        break;
    default:
        break;
    }
    std::uint16_t state = input.IsKeyToggled(VirtualKey) ? 1 : 0;
    if (down)
        state |= 0x8000;
    return static_cast<std::int16_t>(state);
}

TPoint GetCursorPos()
{
    return Input().CursorPos();
}

unsigned GetDoubleClickTime()
{
    return 500;
}

}  // namespace plat
