#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/core/Types.h"

#include <string>

class QEvent;
class QWidget;

namespace plat {
class IClock;
class TControl;
class TWinControl;
}

namespace plat::testing {

// Drives the input adapters the way a user would: it builds Qt key and mouse events and hands
// them to the host widgets, with time stamps from the clock (so that Clock.Advance decides
// between a double click and two clicks). Keys go to the focused control; positions are in the
// target control's client coordinates, and mouse events reach the part of the target's window
// under the pointer (the viewport of a list or memo, the edit field of a combo box). Windows
// are made on demand.
class InputSimulator {
public:
    explicit InputSimulator(const IClock& Clock);

    void KeyDown(unsigned VirtualKey, TShiftState Shift = {});
    void KeyUp(unsigned VirtualKey, TShiftState Shift = {});
    // Down and up.
    void KeyPress(unsigned VirtualKey, TShiftState Shift = {});
    // Each character as the key that types it (US layout; others as the bare character).
    void TypeText(const std::string& Text);

    void MouseMove(TControl& Target, TPoint Pos, TShiftState Shift = {});
    void MouseDown(TControl& Target, TPoint Pos, TMouseButton Button = mbLeft, TShiftState Shift = {});
    void MouseUp(TControl& Target, TPoint Pos, TMouseButton Button = mbLeft, TShiftState Shift = {});
    // Move there, press and release.
    void Click(TControl& Target, TPoint Pos, TMouseButton Button = mbLeft, TShiftState Shift = {});
    // Two clicks at once, as the platform sends a double click.
    void DoubleClick(TControl& Target, TPoint Pos, TMouseButton Button = mbLeft);
    // Press at From, move in Steps to To, release there.
    void Drag(TControl& Target, TPoint From, TPoint To, int Steps = 4);
    // Delta in 120ths of a notch, positive away from the user.
    void Wheel(TControl& Target, TPoint Pos, int Delta, TShiftState Shift = {});
    // The cursor leaves the window of Target.
    void Leave(TControl& Target);

private:
    void SendKey(bool Down, unsigned VirtualKey, TShiftState Shift, const std::string& Text);
    void SendMouse(TControl& Target, int Type, TPoint Pos, int Button, TShiftState Shift);
    void Send(QWidget* Receiver, QEvent& Event);
    unsigned long long NowMs() const;

    const IClock& FClock;
    int FButtons = 0;
};

}  // namespace plat::testing
