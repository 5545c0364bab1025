#pragma once

// The value types controls are described with: shift state, mouse buttons, alignment,
// anchors, cursors, control style and state, window creation parameters, and the event
// signatures.

#include "platform/core/TObject.h"
#include "platform/core/TSet.h"
#include "platform/core/Types.h"

#include <cstdint>
#include <functional>
#include <string>

namespace plat {

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Frames of forms; controls with a border choose between the first two.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

// Reading order and alignment of a control's text: right to left mirrors the alignment too,
// unless NoAlign; ReadingOnly keeps the alignment and only reads right to left.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

// Cursor ids: the stock shapes are negative, crDefault leaves the choice to the parent (and in
// the end to the window's own class); positive ids are the application's own (TScreen).
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// What a control class does: its defaults are set in the constructor and rarely changed.
enum TControlStyleItem {
    csAcceptsControls,  // may be the parent of other controls at design time
    csCaptureMouse,     // takes the mouse capture while a button is down over it
    csClickEvents,      // a press and release over it is a click
    csFramed,
    csSetCaption,       // the caption follows the name until set
    csOpaque,           // paints its whole client area, so the background is not erased
    csDoubleClicks,     // a second click in time is a double click (else another press)
    csFixedWidth,
    csFixedHeight,
    csNoStdEvents,      // key and mouse events are not turned into OnKeyDown, OnMouseDown, ...
    csReplicatable,
};
using TControlStyle = TSet<TControlStyleItem>;

// What a control is doing right now.
enum TControlStateItem {
    csClicked,   // the left button went down over it and a release inside makes a click
    csCreating,  // its window is being made
};
using TControlState = TSet<TControlStateItem>;

// Window styles, extended styles and class styles: how a window is made (see CreateParams).
enum : std::uint32_t {
    WS_OVERLAPPED = 0x00000000,
    WS_TABSTOP = 0x00010000,
    WS_MAXIMIZEBOX = 0x00010000,
    WS_GROUP = 0x00020000,
    WS_MINIMIZEBOX = 0x00020000,
    WS_THICKFRAME = 0x00040000,
    WS_SYSMENU = 0x00080000,
    WS_HSCROLL = 0x00100000,
    WS_VSCROLL = 0x00200000,
    WS_DLGFRAME = 0x00400000,
    WS_BORDER = 0x00800000,
    WS_CAPTION = 0x00C00000,
    WS_MAXIMIZE = 0x01000000,
    WS_CLIPCHILDREN = 0x02000000,
    WS_CLIPSIBLINGS = 0x04000000,
    WS_DISABLED = 0x08000000,
    WS_VISIBLE = 0x10000000,
    WS_MINIMIZE = 0x20000000,
    WS_CHILD = 0x40000000,
    WS_POPUP = 0x80000000,
};
enum : std::uint32_t {
    WS_EX_DLGMODALFRAME = 0x00000001,
    WS_EX_TOPMOST = 0x00000008,
    WS_EX_TRANSPARENT = 0x00000020,
    WS_EX_TOOLWINDOW = 0x00000080,
    WS_EX_WINDOWEDGE = 0x00000100,
    WS_EX_CLIENTEDGE = 0x00000200,
    WS_EX_CONTROLPARENT = 0x00010000,
    WS_EX_STATICEDGE = 0x00020000,
    WS_EX_APPWINDOW = 0x00040000,
    WS_EX_LAYERED = 0x00080000,
    WS_EX_NOACTIVATE = 0x08000000,
};
enum : std::uint32_t {
    CS_VREDRAW = 0x0001,
    CS_HREDRAW = 0x0002,
    CS_DBLCLKS = 0x0008,
    CS_SAVEBITS = 0x0800,
    CS_DROPSHADOW = 0x00020000,
};

class TWinControl;

// How the window of a windowed control is made. Controls override CreateParams to add styles;
// the styles decide the frame (WS_BORDER, WS_EX_CLIENTEDGE, WS_CAPTION, WS_THICKFRAME, ...,
// which take room from the client area), whether the window is a child or a top-level window
// (WS_CHILD / WS_POPUP), and how a top-level one behaves (WS_EX_TOOLWINDOW, WS_EX_NOACTIVATE,
// WS_EX_TOPMOST).
struct TCreateParams {
    std::string Caption;
    std::uint32_t Style = 0;
    std::uint32_t ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    TWinControl* WndParent = nullptr;
    std::uint32_t WindowClassStyle = 0;
    std::string WinClassName;
};

// How a control's help is found: by keyword or by context number.
enum THelpType { htKeyword, htContext };

// Dragging: dmAutomatic starts a drag on every left press; dkDock drags the control to a dock
// site instead of onto a drop target. A target hears a drag enter, move over it and leave.
enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

class TDragObject;
class TDragDockObject;

// Event signatures. Sender comes first; var parameters are references.
using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TKeyEvent = std::function<void(TObject* Sender, unsigned& Key, TShiftState Shift)>;
// Key is the character as a code point; setting it to 0 swallows it.
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
// Source is the dragged control, or the drag object OnStartDrag gave; X and Y are in the
// target's client coordinates.
using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TStartDragEvent = std::function<void(TObject* Sender, TDragObject*& DragObject)>;
// Target is nullptr when the drag was cancelled or nothing accepted the drop.
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TDockOverEvent =
    std::function<void(TObject* Sender, TDragDockObject* Source, int X, int Y, TDragState State, bool& Accept)>;

}  // namespace plat
