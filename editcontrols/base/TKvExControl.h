#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/forms/HintInfo.h"
#include "platform/graphics/Colors.h"

#include <cstdint>
#include <string>
#include <utility>

namespace plat {
class TComponent;
class TControl;
class TWinControl;
}  // namespace plat

namespace skelda::editcontrols {

// What every member of the extended-control family adds to the widget-library class it stands
// on (TBase): control notifications turned into operations a derived class overrides instead of
// writing a message handler, a hint colour and hint-window class of its own, a mouse-over flag
// and the events OnMouseEnter, OnMouseLeave and OnParentColorChanged.
//
// Each operation's default hands its message to TBase's window procedure (never back to the
// family) and returns that handler's result. The members decide in their WndProc which
// messages reach the operations (DispatchToOperation covers those every member has, and
// answers CM_DENYSUBCLASSING).
//
// Hint colour: clNone takes the application's hint colour, clDefault (the initial value) the
// colour the parent leaves in a copy of the hint information, any other value is used as it is.
template <typename TBase>
class TKvExControl : public TBase {
public:
    explicit TKvExControl(plat::TComponent* AOwner);

    plat::TColor GetHintColor() const { return FHintColor; }
    void SetHintColor(plat::TColor Value) { FHintColor = Value; }
    // When set, the hints of this control are shown in windows of this class.
    const plat::THintWindowClass& GetHintWindowClass() const { return FHintWindowClass; }
    void SetHintWindowClass(plat::THintWindowClass Value) { FHintWindowClass = std::move(Value); }
    // True between mouse-enter and mouse-leave.
    bool GetMouseOver() const { return FMouseOver; }

    // The family fires these itself, in a fixed order around the inherited handling; they hide
    // TControl's events of the same names, which that handling would otherwise fire again.
    plat::TNotifyEvent OnMouseEnter;
    plat::TNotifyEvent OnMouseLeave;
    plat::TNotifyEvent OnParentColorChanged;

protected:
    virtual void NotifyTextChanged();
    // Key is the low word of the character code, KeyText that character.
    virtual bool AcceptDialogChar(std::uint16_t Key, plat::TShiftState Shift, const std::string& KeyText);
    virtual bool HitTestAt(int X, int Y);

    virtual void NotifyFocusChanged(plat::TWinControl* Control);
    virtual void NotifyParentFontChanged();
    // Fires OnParentColorChanged after the inherited handling.
    virtual void NotifyParentColorChanged();
    virtual void NotifyVisibleChanged();
    virtual void NotifyEnabledChanged();
    virtual void NotifyColorChanged();
    virtual void NotifyFontChanged();
    // Sets the mouse-over flag and fires OnMouseEnter, then the inherited handling.
    virtual void NotifyMouseEnter(plat::TControl* Control);
    // Clears the mouse-over flag, runs the inherited handling, then fires OnMouseLeave.
    virtual void NotifyMouseLeave(plat::TControl* Control);
    virtual void NotifyParentShowHintChanged();
    // Applies the hint colour and hint-window class; true stops the hint.
    virtual bool PrepareHint(plat::THintInfo& HintInfo);

    // Hands a message to TBase's window procedure and returns its result.
    plat::LRESULT InheritedMessage(unsigned Msg, plat::WPARAM WParam = 0, plat::LPARAM LParam = 0);
    // Runs the operation of a message every member turns into one and sets the message's
    // result; false for any other message, which the caller then handles.
    bool DispatchToOperation(plat::TMessage& Message);

private:
    plat::TColor FHintColor = plat::clDefault;
    bool FMouseOver = false;
    plat::THintWindowClass FHintWindowClass;
};

}  // namespace skelda::editcontrols
