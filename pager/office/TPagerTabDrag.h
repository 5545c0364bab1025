#pragma once

#include "pager/office/ITabDragHost.h"
#include "platform/controls/core/TControl.h"

namespace skelda::pager {

// The tab drag of a pager that lets tabs go (AllowTabUndock); a floating page's tab is dragged
// by the pager the page came from. The drag runs from Begin until the button goes up (Release)
// or the capture is lost (End), under the host's mouse capture. Each Move of the pointer:
// - a docked page tears off into its own window once the pointer is 10 pixels off the tab row
//   across it, or 100 beyond its ends along it; otherwise, when its pager reorders, once the
//   pointer went more than 5 pixels along the row from where it was pressed, the tab under the
//   pointer shows where it would land;
// - a floating page's window follows the pointer, keeping where it was taken hold of, and the
//   page docks back when the pointer reaches the host's tab strip.
// The release drops a tab being reordered where the pointer is. A press that tore nothing off,
// docked nothing and would reorder nothing is still a click.
class TPagerTabDrag {
public:
    explicit TPagerTabDrag(ITabDragHost& Host) : FHost(Host) {}

    // Screen: the pointer. DockStrip: the host's tab strip on the screen. Grab: from the
    // floating window's top-left corner to the pointer. Horizontal: the host's tabs lie in a row
    // (tpTop, tpBottom), else in a column.
    void Begin(TVezOfficePage& Page, plat::TPoint Screen, const plat::TRect& DockStrip, plat::TPoint Grab,
               bool Horizontal);
    void Move(plat::TPoint Screen);
    // Ends the drag with the button up at Screen; false when the press dragged nothing.
    bool Release(plat::TPoint Screen);
    void End();
    bool Dragging() const { return FDragging; }

    // The floating window the drag moves: the one made or taken hold of last, until the drag
    // ends.
    plat::TCustomForm* MovedWindow() const { return FMovedWindow.Get(); }
    void SetMovedWindow(plat::TCustomForm* Window);

private:
    void MoveDocked(TVezOfficePage& Page, plat::TPoint Screen);

    ITabDragHost& FHost;
    bool FDragging = false;
    plat::TControlRef<TVezOfficePage> FPage;
    // Where the drag started and where the pointer was last, on the screen.
    plat::TPoint FStart;
    plat::TPoint FLast;
    plat::TPoint FGrab;
    plat::TRect FDockStrip;
    bool FHorizontal = true;
    // The page tore off or docked back: the release is not a click.
    bool FMovedPage = false;
    // Releasing now would reorder the tab.
    bool FReorderAccepted = false;
    plat::TControlRef<plat::TCustomForm> FMovedWindow;
};

}  // namespace skelda::pager
