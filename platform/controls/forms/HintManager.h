#pragma once

#include "platform/core/Types.h"

namespace plat {

class TControl;
class THintWindow;

// Shows hints. The mouse adapter reports where the cursor rests; after the hint pause the
// manager asks the control under it (the first one up the parent chain with ShowHint) through
// CM_HINTSHOW and Application->OnShowHint, makes a window of the requested hint window class
// and shows it without taking the activation. Moving off the control's cursor rectangle, a
// key, a click or the hide pause hide it. The timing runs on the timer service.
class HintManager {
public:
    // The cursor is at ScreenPos over Control (nullptr: over no control of ours).
    static void MouseMoved(TControl* Control, TPoint ScreenPos);
    static void CancelHint();

    // The hint window showing now, or nullptr.
    static THintWindow* ShowingHintWindow();
    static TControl* HintControl();
};

}  // namespace plat
