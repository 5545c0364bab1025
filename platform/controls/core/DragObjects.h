#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/controls/core/Messages.h"
#include "platform/core/TObject.h"
#include "platform/core/Types.h"

namespace plat {

class TControl;
class TWinControl;

// What a drag carries. The running drag keeps it up to date: the pointer's screen position and
// the control under it that accepted it last. A drag object that OnStartDrag hands over stays
// its giver's; the one the layer makes lives as long as the drag.
class TDragObject : public TObject {
public:
    std::string ClassName() const override { return "TDragObject"; }

    TPoint DragPos;
    TControl* DragTarget = nullptr;
    // Set when the drag ended in an accepted drop.
    bool Dropped = false;
    // Set while the drag ends by Escape, lost capture or EndDrag(false).
    bool Cancelling = false;
};

// The default drag object: it stands for the dragged control.
class TDragControlObject : public TDragObject {
public:
    explicit TDragControlObject(TControl* AControl) : FControl(AControl) {}
    std::string ClassName() const override { return "TDragControlObject"; }
    TControl* Control() const { return FControl; }

private:
    TControl* FControl;
};

// A control on its way to a dock site. DockRect (screen) is where it would land: the site's
// client area over a site (a site's DockOver may change it), else the control's own size at the
// pointer, which is where a drop on no site leaves it floating.
class TDragDockObject : public TDragControlObject {
public:
    using TDragControlObject::TDragControlObject;
    std::string ClassName() const override { return "TDragDockObject"; }

    TRect DockRect;
    TAlign DropAlign = alNone;
    TControl* DropOnControl = nullptr;
    bool Floating = false;
};

// The record a docked client hands its dock site with CM_DOCKNOTIFICATION (WParam: the client,
// LParam: this record): ClientMsg is WM_SETTEXT (MsgLParam points at the new text, UTF-8 and
// zero-terminated) or CM_VISIBLECHANGED (MsgWParam non-zero when now visible).
struct TDockNotifyRec {
    unsigned ClientMsg = 0;
    WPARAM MsgWParam = 0;
    LPARAM MsgLParam = 0;
};

}  // namespace plat
