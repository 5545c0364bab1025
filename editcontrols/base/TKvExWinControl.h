#pragma once

#include "editcontrols/base/DialogCodeFlags.h"
#include "editcontrols/base/TKvExControl.h"

namespace plat {
class TCanvas;
}

namespace skelda::editcontrols {

// The windowed members of the extended-control family (on a TWinControl class TBase): besides
// what every member has, the window messages become operations too, and an optional flat
// two-pixel border (DotNetHighlighting) replaces the look of the frame.
//
// Order of the window procedure: the message's operation (or TBase's handling), then, after
// WM_SETFOCUS, WM_KILLFOCUS, WM_NCPAINT, CM_MOUSEENTER and CM_MOUSELEAVE, the flat border. The
// border belongs to the frame: WM_NCPAINT draws it, the other four have the window repainted,
// and a window without a frame (no WM_NCPAINT) shows none.
//
// WM_ERASEBKGND hands PaintBackground the canvas of the message (WParam), whose state is put
// back afterwards, also after an exception; with no canvas only TBase's handling runs.
// WM_GETDLGCODE hands AdjustDialogCodes TBase's answer as flags plus dfNative; the answer
// changes only when the override removed dfNative.
template <typename TBase>
class TKvExWinControl : public TKvExControl<TBase> {
public:
    explicit TKvExWinControl(plat::TComponent* AOwner);

    bool GetDotNetHighlighting() const { return FDotNetHighlighting; }
    void SetDotNetHighlighting(bool Value);

    void WndProc(plat::TMessage& Message) override;

protected:
    virtual void NotifyBoundsChanged();
    virtual void AdjustDialogCodes(TDialogCodeFlags& Codes);
    virtual void NotifyFocusSet(plat::TWinControl* PreviousWnd);
    virtual void NotifyFocusKilled(plat::TWinControl* NextWnd);
    // True when the background is painted.
    virtual bool PaintBackground(plat::TCanvas& Canvas, plat::LPARAM Param);

    virtual void NotifyCursorChanged();
    virtual void NotifyShowingChanged();
    virtual void NotifyShowHintChanged();
    // CM_CONTROLLISTCHANGE and CM_CONTROLCHANGE (WParam the child, LParam inserting) reach
    // these crosswise: either message leads to Changing when the child comes and goes in one
    // order and to Changed in the other; each default sends back the message that leads to it.
    virtual void NotifyControlsListChanging(plat::TControl* Control, bool Inserting);
    virtual void NotifyControlsListChanged(plat::TControl* Control, bool Inserting);

    // Focused, or the mouse is over the control.
    bool IsHighlighted() const;

private:
    bool DispatchWindowMessage(plat::TMessage& Message);
    void EraseBackground(plat::TMessage& Message);
    void AnswerDialogCode(plat::TMessage& Message);
    void ShowFlatBorder(plat::TMessage& Message);

    bool FDotNetHighlighting = false;
};

}  // namespace skelda::editcontrols
