#pragma once

// Layer-internal: the keyboard half of the host widgets' event handling. Include only in .cpp
// files of the layer.

class QKeyEvent;
class QWidget;

namespace plat {

class THostWidgetCore;

// Turns one Qt key press into, for the focused control:
//   1. WM_KEYDOWN (WM_SYSKEYDOWN with Alt) with the virtual-key code and the key data;
//   2. unless the key was swallowed (CharCode set to 0): for Tab, arrows, Enter, Escape (and
//      Execute, Cancel) that the control claims neither by CM_WANTSPECIALKEY nor by
//      WM_GETDLGCODE, CM_DIALOGKEY to its form; an answer swallows the key;
//   3. with Alt, CM_DIALOGCHAR with the character to the form (accelerators); otherwise, when
//      the key types something and nothing swallowed it, WM_CHAR for each character (control
//      characters as the platform gave them: Ctrl+A = 1, Backspace 8, Enter 13, Escape 27);
// and a release into WM_KEYUP (WM_SYSKEYUP). The Qt event goes to the native widget only when
// the message that carries it reached DefaultHandler: WM_CHAR for keys that type, WM_KEYDOWN
// for the others.
class TKeyboardAdapter {
public:
    // True when the receiver's Qt base class should get the event afterwards.
    static bool KeyPress(THostWidgetCore& Host, QKeyEvent* Event, bool Routed);
    static bool KeyRelease(THostWidgetCore& Host, QKeyEvent* Event, bool Routed);
};

}  // namespace plat
