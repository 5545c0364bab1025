#pragma once

#include "platform/controls/forms/TForm.h"
#include "platform/core/ScopedRestore.h"

#include <functional>
#include <utility>
#include <string>
#include <vector>

namespace skelda::pager {

class TVezOfficePage;

// Makes the window a page floats in, owned by AOwner (the class of floating windows).
using TFloatingPagerWindowClass = std::function<plat::TCustomForm*(plat::TComponent* AOwner)>;

// The pages floating out of one pager, in the order they went, and the windows they float in:
// how a new one is made and where it may go. A page stays listed until it docks again
// (wherever), so its TabIndex stays taken meanwhile. Each window holds the page alone in a clone
// of the pager; the pager does that part.
class TPagerFloatingPages {
public:
    int Count() const { return static_cast<int>(FPages.size()); }
    // Nil outside the list.
    TVezOfficePage* Page(int Index) const;
    void Add(TVezOfficePage* Page) { FPages.push_back(Page); }
    void Forget(const TVezOfficePage* Page);
    // Empties the list and gives what it held.
    std::vector<TVezOfficePage*> TakeAll() { return std::exchange(FPages, {}); }
    // ",F:<TabIndex>[<left>:<top>:<width>:<height>]" per page, for the pager's layout string.
    std::string LayoutItems() const;

    plat::TBorderIcons GetBorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(plat::TBorderIcons Value) { FBorderIcons = Value; }
    plat::TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(plat::TFormBorderStyle Value) { FBorderStyle = Value; }
    // A new window from WindowClass (a TFloatingPagerWindow when that is empty) owned by AOwner,
    // with the border icons and style above (borderless, it keeps 2 pixels round the pager) and
    // the glass frame of GlassOf, when given.
    plat::TCustomForm* NewWindow(const TFloatingPagerWindowClass& WindowClass, plat::TComponent* AOwner,
                                 const plat::TCustomForm* GlassOf) const;
    // Where a window asked at At with Size goes: no larger than the desktop, and onto the work
    // area of the nearest monitor when it would lie on none. Saved layouts are untrusted, so no
    // sum passes the int range.
    static plat::TRect Place(plat::TPoint At, plat::TSize Size);

    // While the guard lives, pages float at the places they are given, also at (0, 0) or on a
    // monitor left of and above the primary one: the layout string puts windows back where they
    // were.
    [[nodiscard]] plat::TScopedRestore<bool> PlacingFromLayout() { return {FFromLayout, true}; }
    bool GetPlacingFromLayout() const { return FFromLayout; }

private:
    std::vector<TVezOfficePage*> FPages;
    plat::TBorderIcons FBorderIcons{plat::biSystemMenu, plat::biMinimize, plat::biMaximize};
    plat::TFormBorderStyle FBorderStyle = plat::bsSizeable;
    bool FFromLayout = false;
};

}  // namespace skelda::pager
