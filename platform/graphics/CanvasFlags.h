#pragma once

#include <cstdint>

// Flag values of the drawing routines, with the numbers the widget library's platform used so
// that code reads and combines them as it always did.
namespace plat {

// DrawText formats.
enum : unsigned {
    DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40, DT_NOCLIP = 0x100,
    DT_EXTERNALLEADING = 0x200,
    DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_EDITCONTROL = 0x2000, DT_PATH_ELLIPSIS = 0x4000,
    DT_END_ELLIPSIS = 0x8000, DT_RTLREADING = 0x20000, DT_HIDEPREFIX = 0x100000,
};

// DrawEdge edges and border flags.
enum : unsigned {
    BDR_RAISEDOUTER = 0x1, BDR_SUNKENOUTER = 0x2, BDR_RAISEDINNER = 0x4, BDR_SUNKENINNER = 0x8,
    BDR_OUTER = 0x3, BDR_INNER = 0xC, BDR_RAISED = 0x5, BDR_SUNKEN = 0xA,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER, EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER, EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
};
enum : unsigned {
    BF_LEFT = 0x1, BF_TOP = 0x2, BF_RIGHT = 0x4, BF_BOTTOM = 0x8,
    BF_TOPLEFT = BF_TOP | BF_LEFT, BF_TOPRIGHT = BF_TOP | BF_RIGHT,
    BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT, BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
    BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
    BF_MIDDLE = 0x800, BF_SOFT = 0x1000, BF_ADJUST = 0x2000, BF_FLAT = 0x4000, BF_MONO = 0x8000,
};

// DrawFrameControl types and states.
enum : unsigned { DFC_CAPTION = 1, DFC_SCROLL = 3, DFC_BUTTON = 4 };
enum : unsigned {
    DFCS_CAPTIONCLOSE = 0x0, DFCS_CAPTIONMIN = 0x1, DFCS_CAPTIONMAX = 0x2, DFCS_CAPTIONRESTORE = 0x3,
    DFCS_CAPTIONHELP = 0x4,
    DFCS_SCROLLUP = 0x0, DFCS_SCROLLDOWN = 0x1, DFCS_SCROLLLEFT = 0x2, DFCS_SCROLLRIGHT = 0x3,
    DFCS_SCROLLCOMBOBOX = 0x5,
    DFCS_BUTTONCHECK = 0x0, DFCS_BUTTONRADIO = 0x4, DFCS_BUTTONPUSH = 0x10,
    DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400, DFCS_TRANSPARENT = 0x800,
    DFCS_HOT = 0x1000, DFCS_ADJUSTRECT = 0x2000, DFCS_FLAT = 0x4000, DFCS_MONO = 0x8000,
};

// Ternary raster operations of BitBlt and CopyRect: bits 16..23 are the truth table over
// pattern (brush), source and destination.
using TRasterOp = std::uint32_t;
constexpr TRasterOp SRCCOPY = 0x00CC0020;
constexpr TRasterOp SRCPAINT = 0x00EE0086;
constexpr TRasterOp SRCAND = 0x008800C6;
constexpr TRasterOp SRCINVERT = 0x00660046;
constexpr TRasterOp SRCERASE = 0x00440328;
constexpr TRasterOp NOTSRCCOPY = 0x00330008;
constexpr TRasterOp NOTSRCERASE = 0x001100A6;
constexpr TRasterOp MERGECOPY = 0x00C000CA;
constexpr TRasterOp MERGEPAINT = 0x00BB0226;
constexpr TRasterOp PATCOPY = 0x00F00021;
constexpr TRasterOp PATPAINT = 0x00FB0A09;
constexpr TRasterOp PATINVERT = 0x005A0049;
constexpr TRasterOp DSTINVERT = 0x00550009;
constexpr TRasterOp BLACKNESS = 0x00000042;
constexpr TRasterOp WHITENESS = 0x00FF0062;

// Background modes for text and hatched brushes.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

// Pixels that cannot be read (outside the surface or clip, or a surface without pixel access).
constexpr std::int32_t CLR_INVALID = -1;

}  // namespace plat
