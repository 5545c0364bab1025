#pragma once

// Scroll-bar identifiers and the request codes of WM_HSCROLL and WM_VSCROLL (low word of
// WParam; the high word carries the thumb position of SB_THUMBPOSITION and SB_THUMBTRACK), with
// the numbers the widget library's platform gave them.
namespace plat {

enum : int { SB_HORZ = 0, SB_VERT = 1, SB_BOTH = 3 };

enum : unsigned {
    SB_LINEUP = 0,
    SB_LINELEFT = 0,
    SB_LINEDOWN = 1,
    SB_LINERIGHT = 1,
    SB_PAGEUP = 2,
    SB_PAGELEFT = 2,
    SB_PAGEDOWN = 3,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_LEFT = 6,
    SB_BOTTOM = 7,
    SB_RIGHT = 7,
    SB_ENDSCROLL = 8,
};

}  // namespace plat
