#include "platform/controls/services/InputState.h"


namespace plat {

bool TTrackedInputState::IsKeyDown(unsigned VirtualKey) const
{
    return VirtualKey < KeyCount && FDown[VirtualKey];
}

bool TTrackedInputState::IsKeyToggled(unsigned VirtualKey) const
{
    return VirtualKey < KeyCount && FToggled[VirtualKey];
}

void TTrackedInputState::SetKeyDown(unsigned VirtualKey, bool Down)
{
    if (VirtualKey >= KeyCount)
        return;
    if (Down && !FDown[VirtualKey])
        FToggled[VirtualKey] = !FToggled[VirtualKey];
    FDown[VirtualKey] = Down;
}

}  // namespace plat
