#pragma once

#include "editcontrols/base/TKvExGraphicControl.h"
#include "editcontrols/spin/SpinButtonTypes.h"

#include <memory>

namespace plat {
class TBitmap;
class TTimer;
}  // namespace plat

namespace skelda::editcontrols {

class TSpinButtonBitmaps;

// A windowless pair of step buttons in one rectangle, split along the diagonal (sbsDefault) or
// across the middle (sbsClassic). Pressing a half fires its click at once (OnTopClick,
// OnBottomClick), again after InitRepeatPause ms and then every RepeatPause ms while the left
// button is held on that half; moving onto the other half or off the control shows nothing
// pressed and fires nothing until the pointer is back on the half the press began on.
//
// A press first focuses FocusControl (when it has TabStop and can take the focus). A click
// handler that runs after the left button came up (a modal dialog) leaves the button released.
// An exception from a click during the repeat stops the repeat and goes on to the caller (the
// timer's exception boundary, and so the application's handler).
//
// Faces come from the shared sets of the manager; while themes are on the half under the mouse
// shows hot. Custom glyphs (UpGlyph, DownGlyph) replace the built-in arrows and are drawn
// transparent over the face at every paint.
class TKvSpinButton : public TKvExGraphicControl {
public:
    explicit TKvSpinButton(plat::TComponent* AOwner);
    ~TKvSpinButton() override;

    std::string ClassName() const override { return "TKvSpinButton"; }

    TSpinButtonState GetDown() const { return FDown; }
    void SetDown(TSpinButtonState Value);
    TKvSpinButtonStyle GetButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TKvSpinButtonStyle Value);
    // The glyphs are the button's own: setting one copies the bitmap, nullptr clears it.
    plat::TBitmap& UpGlyph() { return *FUpBitmap; }
    plat::TBitmap& DownGlyph() { return *FDownBitmap; }
    void SetUpGlyph(const plat::TBitmap* Value);
    void SetDownGlyph(const plat::TBitmap* Value);
    plat::TWinControl* GetFocusControl() const { return FFocusControl; }
    void SetFocusControl(plat::TWinControl* Value);
    int GetInitRepeatPause() const { return FInitRepeatPause; }
    void SetInitRepeatPause(int ValueMs) { FInitRepeatPause = ValueMs; }
    int GetRepeatPause() const { return FRepeatPause; }
    void SetRepeatPause(int ValueMs) { FRepeatPause = ValueMs; }
    // The face set in use; nullptr until the first paint.
    const TSpinButtonBitmaps* FaceSet() const { return FButtonBitmaps; }

    void Dispatch(plat::TMessage& Message) override;

    plat::TNotifyEvent OnTopClick;
    plat::TNotifyEvent OnBottomClick;

protected:
    void Paint() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void NotifyMouseEnter(plat::TControl* Control) override;
    void NotifyMouseLeave(plat::TControl* Control) override;
    void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;

private:
    TSpinButtonState HalfAt(int X, int Y) const;
    // Fires the click of the pressed half; false when a handler freed the button.
    bool FireClick();
    void RepeatTick();
    void GlyphChanged();
    void ReleaseFaceSet();
    bool HasCustomGlyphs() const;
    bool TracksHover() const;
    void SetHotHalf(TSpinButtonState Half);

    TSpinButtonState FDown = sbNotDown;
    bool FDragging = false;
    std::unique_ptr<plat::TBitmap> FUpBitmap;
    std::unique_ptr<plat::TBitmap> FDownBitmap;
    TSpinButtonBitmaps* FButtonBitmaps = nullptr;
    bool FMouseInTopBtn = false;
    bool FMouseInBottomBtn = false;
    plat::TTimer* FRepeatTimer = nullptr;
    TSpinButtonState FLastDown = sbNotDown;
    plat::TWinControl* FFocusControl = nullptr;
    TKvSpinButtonStyle FButtonStyle = sbsDefault;
    int FInitRepeatPause = 400;
    int FRepeatPause = 100;
};

}  // namespace skelda::editcontrols
