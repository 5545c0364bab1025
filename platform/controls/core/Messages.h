#pragma once

// Window messages, control messages and notification codes with the numbers the widget library
// and its platform gave them, the message record and its typed views.

#include "platform/core/Types.h"

#include <cstdint>
#include <string>

namespace plat {

class TControl;
class TWinControl;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Window messages.
enum : unsigned {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_ENABLE = 0x000A,
    WM_SETREDRAW = 0x000B,
    WM_SETTEXT = 0x000C,
    WM_GETTEXT = 0x000D,
    WM_GETTEXTLENGTH = 0x000E,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_ERASEBKGND = 0x0014,
    WM_SYSCOLORCHANGE = 0x0015,
    WM_SHOWWINDOW = 0x0018,
    WM_SETTINGCHANGE = 0x001A,
    WM_ACTIVATEAPP = 0x001C,
    WM_CANCELMODE = 0x001F,
    WM_SETCURSOR = 0x0020,
    WM_MOUSEACTIVATE = 0x0021,
    WM_GETMINMAXINFO = 0x0024,
    WM_SETFONT = 0x0030,
    WM_GETFONT = 0x0031,
    WM_WINDOWPOSCHANGING = 0x0046,
    WM_WINDOWPOSCHANGED = 0x0047,
    WM_NOTIFY = 0x004E,
    WM_HELP = 0x0053,
    WM_CONTEXTMENU = 0x007B,
    WM_NCDESTROY = 0x0082,
    WM_NCCALCSIZE = 0x0083,
    WM_NCHITTEST = 0x0084,
    WM_NCPAINT = 0x0085,
    WM_GETDLGCODE = 0x0087,
    WM_NCMOUSEMOVE = 0x00A0,
    WM_NCLBUTTONDOWN = 0x00A1,
    WM_NCLBUTTONUP = 0x00A2,
    WM_NCLBUTTONDBLCLK = 0x00A3,
    WM_KEYFIRST = 0x0100,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_DEADCHAR = 0x0103,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_SYSCHAR = 0x0106,
    WM_KEYLAST = 0x0108,
    WM_COMMAND = 0x0111,
    WM_SYSCOMMAND = 0x0112,
    WM_TIMER = 0x0113,
    WM_HSCROLL = 0x0114,
    WM_VSCROLL = 0x0115,
    WM_CTLCOLOREDIT = 0x0133,
    WM_CTLCOLORSTATIC = 0x0138,
    WM_MOUSEFIRST = 0x0200,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_RBUTTONDBLCLK = 0x0206,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
    WM_MBUTTONDBLCLK = 0x0209,
    WM_MOUSEWHEEL = 0x020A,
    WM_MOUSEHWHEEL = 0x020E,
    WM_MOUSELAST = 0x020E,
    WM_CAPTURECHANGED = 0x0215,
    WM_MOUSEHOVER = 0x02A1,
    WM_MOUSELEAVE = 0x02A3,
    WM_CUT = 0x0300,
    WM_COPY = 0x0301,
    WM_PASTE = 0x0302,
    WM_CLEAR = 0x0303,
    WM_UNDO = 0x0304,
    WM_PRINTCLIENT = 0x0318,
    WM_THEMECHANGED = 0x031A,
    WM_USER = 0x0400,
    WM_APP = 0x8000,
};

// Messages of the control layer, numbered from CM_BASE in the widget library's order.
enum : unsigned {
    CM_BASE = 0xB000,
    CM_ACTIVATE = CM_BASE + 0,
    CM_DEACTIVATE = CM_BASE + 1,
    CM_GOTFOCUS = CM_BASE + 2,
    CM_LOSTFOCUS = CM_BASE + 3,
    CM_CANCELMODE = CM_BASE + 4,
    CM_DIALOGKEY = CM_BASE + 5,
    CM_DIALOGCHAR = CM_BASE + 6,
    CM_FOCUSCHANGED = CM_BASE + 7,
    CM_PARENTFONTCHANGED = CM_BASE + 8,
    CM_PARENTCOLORCHANGED = CM_BASE + 9,
    CM_HITTEST = CM_BASE + 10,
    CM_VISIBLECHANGED = CM_BASE + 11,
    CM_ENABLEDCHANGED = CM_BASE + 12,
    CM_COLORCHANGED = CM_BASE + 13,
    CM_FONTCHANGED = CM_BASE + 14,
    CM_CURSORCHANGED = CM_BASE + 15,
    CM_CTL3DCHANGED = CM_BASE + 16,
    CM_PARENTCTL3DCHANGED = CM_BASE + 17,
    CM_TEXTCHANGED = CM_BASE + 18,
    CM_MOUSEENTER = CM_BASE + 19,
    CM_MOUSELEAVE = CM_BASE + 20,
    CM_MENUCHANGED = CM_BASE + 21,
    CM_APPKEYDOWN = CM_BASE + 22,
    CM_APPSYSCOMMAND = CM_BASE + 23,
    CM_BUTTONPRESSED = CM_BASE + 24,
    CM_SHOWINGCHANGED = CM_BASE + 25,
    CM_ENTER = CM_BASE + 26,
    CM_EXIT = CM_BASE + 27,
    CM_DESIGNHITTEST = CM_BASE + 28,
    CM_ICONCHANGED = CM_BASE + 29,
    CM_WANTSPECIALKEY = CM_BASE + 30,
    CM_INVOKEHELP = CM_BASE + 31,
    CM_WINDOWHOOK = CM_BASE + 32,
    CM_RELEASE = CM_BASE + 33,
    CM_SHOWHINTCHANGED = CM_BASE + 34,
    CM_PARENTSHOWHINTCHANGED = CM_BASE + 35,
    CM_SYSCOLORCHANGE = CM_BASE + 36,
    CM_WININICHANGE = CM_BASE + 37,
    CM_FONTCHANGE = CM_BASE + 38,
    CM_TIMECHANGE = CM_BASE + 39,
    CM_TABSTOPCHANGED = CM_BASE + 40,
    CM_UIACTIVATE = CM_BASE + 41,
    CM_UIDEACTIVATE = CM_BASE + 42,
    CM_DOCWINDOWACTIVATE = CM_BASE + 43,
    CM_CONTROLLISTCHANGE = CM_BASE + 44,
    CM_GETDATALINK = CM_BASE + 45,
    CM_CHILDKEY = CM_BASE + 46,
    CM_DRAG = CM_BASE + 47,
    CM_HINTSHOW = CM_BASE + 48,
    CM_DIALOGHANDLE = CM_BASE + 49,
    CM_ISTOOLCONTROL = CM_BASE + 50,
    CM_RECREATEWND = CM_BASE + 51,
    CM_INVALIDATE = CM_BASE + 52,
    CM_SYSFONTCHANGED = CM_BASE + 53,
    CM_CONTROLCHANGE = CM_BASE + 54,
    CM_CHANGED = CM_BASE + 55,
    CM_DOCKCLIENT = CM_BASE + 56,
    CM_UNDOCKCLIENT = CM_BASE + 57,
    CM_FLOAT = CM_BASE + 58,
    CM_BORDERCHANGED = CM_BASE + 59,
    CM_BIDIMODECHANGED = CM_BASE + 60,
    CM_PARENTBIDIMODECHANGED = CM_BASE + 61,
    CM_ALLCHILDRENFLIPPED = CM_BASE + 62,
    CM_ACTIONUPDATE = CM_BASE + 63,
    CM_ACTIONEXECUTE = CM_BASE + 64,
    CM_HINTSHOWPAUSE = CM_BASE + 65,
    CM_DOCKNOTIFICATION = CM_BASE + 66,
    CM_MOUSEWHEEL = CM_BASE + 67,
};

// Notifications reflected back to the control that caused them.
enum : unsigned {
    CN_BASE = 0xBC00,
    CN_CHARTOITEM = CN_BASE + 0x002F,
    CN_COMMAND = CN_BASE + WM_COMMAND,
    CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT,
    CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC,
    CN_HSCROLL = CN_BASE + WM_HSCROLL,
    CN_VSCROLL = CN_BASE + WM_VSCROLL,
    CN_KEYDOWN = CN_BASE + WM_KEYDOWN,
    CN_KEYUP = CN_BASE + WM_KEYUP,
    CN_CHAR = CN_BASE + WM_CHAR,
    CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN,
    CN_SYSCHAR = CN_BASE + WM_SYSCHAR,
    CN_NOTIFY = CN_BASE + WM_NOTIFY,
};

// Notification codes of the native edit, button, combo box and list box.
enum : unsigned {
    EN_SETFOCUS = 0x0100,
    EN_KILLFOCUS = 0x0200,
    EN_CHANGE = 0x0300,
    EN_UPDATE = 0x0400,
    EN_MAXTEXT = 0x0501,
    EN_HSCROLL = 0x0601,
    EN_VSCROLL = 0x0602,
    BN_CLICKED = 0,
    BN_DOUBLECLICKED = 5,
    BN_SETFOCUS = 6,
    BN_KILLFOCUS = 7,
    CBN_SELCHANGE = 1,
    CBN_DBLCLK = 2,
    CBN_SETFOCUS = 3,
    CBN_KILLFOCUS = 4,
    CBN_EDITCHANGE = 5,
    CBN_EDITUPDATE = 6,
    CBN_DROPDOWN = 7,
    CBN_CLOSEUP = 8,
    LBN_SELCHANGE = 1,
    LBN_DBLCLK = 2,
};

// What WM_PRINTCLIENT (WParam: the TPaintContext to paint on) asks for.
enum : unsigned {
    PRF_CLIENT = 0x0004,
};

// Answers to WM_GETDLGCODE.
enum : unsigned {
    DLGC_WANTARROWS = 0x0001,
    DLGC_WANTTAB = 0x0002,
    DLGC_WANTALLKEYS = 0x0004,
    DLGC_WANTMESSAGE = 0x0004,
    DLGC_HASSETSEL = 0x0008,
    DLGC_DEFPUSHBUTTON = 0x0010,
    DLGC_UNDEFPUSHBUTTON = 0x0020,
    DLGC_RADIOBUTTON = 0x0040,
    DLGC_WANTCHARS = 0x0080,
    DLGC_STATIC = 0x0100,
    DLGC_BUTTON = 0x2000,
};

// Key and button flags of mouse messages.
enum : unsigned {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
};

// WM_SIZE kinds, WM_ACTIVATE states, hit-test codes.
enum : unsigned { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };
enum : unsigned { WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2 };
enum : int {
    HTERROR = -2, HTTRANSPARENT = -1, HTNOWHERE = 0, HTCLIENT = 1, HTCAPTION = 2,
    HTLEFT = 10, HTRIGHT = 11, HTTOP = 12, HTTOPLEFT = 13, HTTOPRIGHT = 14,
    HTBOTTOM = 15, HTBOTTOMLEFT = 16, HTBOTTOMRIGHT = 17,
};

// Bits of the key data (LParam) of keyboard messages.
enum : std::uint32_t {
    KF_EXTENDED = 0x01000000,
    KF_ALTDOWN = 0x20000000,
    KF_REPEAT = 0x40000000,
    KF_UP = 0x80000000,
};

constexpr unsigned WHEEL_DELTA = 120;

constexpr std::uint16_t LOWORD(std::uintptr_t v) { return static_cast<std::uint16_t>(v & 0xFFFF); }
constexpr std::uint16_t HIWORD(std::uintptr_t v) { return static_cast<std::uint16_t>((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(int low, int high)
{
    return static_cast<LPARAM>(static_cast<std::int32_t>((static_cast<std::uint32_t>(low) & 0xFFFF) |
                                                         ((static_cast<std::uint32_t>(high) & 0xFFFF) << 16)));
}
constexpr WPARAM MAKEWPARAM(int low, int high) { return static_cast<WPARAM>(static_cast<std::uint32_t>(MAKELPARAM(low, high))); }
// Signed halves, as mouse positions are packed.
constexpr int GET_X_LPARAM(LPARAM l) { return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(l))); }
constexpr int GET_Y_LPARAM(LPARAM l) { return static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(l))); }
constexpr LPARAM PointToLParam(TPoint p) { return MAKELPARAM(p.X, p.Y); }

// The message record every handler receives. Result is the answer the sender gets back.
struct TMessage {
    unsigned Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Typed views on a message. They read and write the message they look at, so a handler can
// change a key code or set an answer as the widget library's handlers did.

// WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_CHAR, CM_DIALOGKEY, CM_DIALOGCHAR,
// CM_WANTSPECIALKEY: CharCode is the virtual-key code (the character code point for WM_CHAR
// and CM_DIALOGCHAR); setting it to 0 swallows the key.
struct TWMKey {
    TMessage& Message;
    explicit TWMKey(TMessage& m) : Message(m) {}
    unsigned CharCode() const { return static_cast<unsigned>(Message.WParam); }
    void SetCharCode(unsigned Value) { Message.WParam = Value; }
    std::uint32_t KeyData() const { return static_cast<std::uint32_t>(Message.LParam); }
};
using TWMChar = TWMKey;
using TCMDialogKey = TWMKey;
using TCMDialogChar = TWMKey;
using TCMWantSpecialKey = TWMKey;

// Mouse button messages and WM_MOUSEMOVE: client coordinates of the receiving control.
struct TWMMouse {
    TMessage& Message;
    explicit TWMMouse(TMessage& m) : Message(m) {}
    unsigned Keys() const { return static_cast<unsigned>(Message.WParam); }
    int XPos() const { return GET_X_LPARAM(Message.LParam); }
    int YPos() const { return GET_Y_LPARAM(Message.LParam); }
    TPoint Pos() const { return {XPos(), YPos()}; }
};

// WM_MOUSEWHEEL: the delta in 120ths of a notch (positive away from the user) and the cursor
// position in screen coordinates. Result non-zero means handled; otherwise the parent is asked.
struct TWMMouseWheel {
    TMessage& Message;
    explicit TWMMouseWheel(TMessage& m) : Message(m) {}
    unsigned Keys() const { return LOWORD(Message.WParam); }
    int WheelDelta() const { return static_cast<std::int16_t>(HIWORD(Message.WParam)); }
    int XPos() const { return GET_X_LPARAM(Message.LParam); }
    int YPos() const { return GET_Y_LPARAM(Message.LParam); }
    TPoint Pos() const { return {XPos(), YPos()}; }
};

// WM_SETFOCUS carries the control that lost the focus, WM_KILLFOCUS the one that gets it;
// either may be nullptr.
struct TWMSetFocus {
    TMessage& Message;
    explicit TWMSetFocus(TMessage& m) : Message(m) {}
    TWinControl* FocusedWnd() const { return reinterpret_cast<TWinControl*>(Message.WParam); }
};
using TWMKillFocus = TWMSetFocus;

// WM_TIMER: the timer id given to SetTimer.
struct TWMTimer {
    TMessage& Message;
    explicit TWMTimer(TMessage& m) : Message(m) {}
    std::uintptr_t TimerID() const { return Message.WParam; }
};

// WM_SIZE: the kind (SIZE_*) and the new client size.
struct TWMSize {
    TMessage& Message;
    explicit TWMSize(TMessage& m) : Message(m) {}
    unsigned SizeType() const { return static_cast<unsigned>(Message.WParam); }
    int Width() const { return LOWORD(static_cast<std::uintptr_t>(Message.LParam)); }
    int Height() const { return HIWORD(static_cast<std::uintptr_t>(Message.LParam)); }
};

// WM_GETDLGCODE: the answer (DLGC_*) goes into Result.
struct TWMGetDlgCode {
    TMessage& Message;
    explicit TWMGetDlgCode(TMessage& m) : Message(m) {}
    void SetResult(unsigned Code) { Message.Result = static_cast<LRESULT>(Code); }
};

struct TPaintContext;
// WM_PAINT and WM_NCPAINT: WParam carries the surface to paint on (see TPaintContext), or 0
// when the control is asked to paint its own window.
struct TWMPaint {
    TMessage& Message;
    explicit TWMPaint(TMessage& m) : Message(m) {}
    TPaintContext* Context() const { return reinterpret_cast<TPaintContext*>(Message.WParam); }
};

// WM_SETCURSOR: the window under the cursor, the hit-test code and the mouse message that
// caused it. Result non-zero means the cursor is set.
struct TWMSetCursor {
    TMessage& Message;
    explicit TWMSetCursor(TMessage& m) : Message(m) {}
    TWinControl* CursorWnd() const { return reinterpret_cast<TWinControl*>(Message.WParam); }
    int HitTest() const { return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(Message.LParam))); }
    unsigned MouseMsg() const { return HIWORD(static_cast<std::uintptr_t>(Message.LParam)); }
};

// WM_COMMAND and CN_COMMAND from a native control: the notification code and the control.
struct TWMCommand {
    TMessage& Message;
    explicit TWMCommand(TMessage& m) : Message(m) {}
    unsigned ItemID() const { return LOWORD(Message.WParam); }
    unsigned NotifyCode() const { return HIWORD(Message.WParam); }
    TControl* Ctl() const { return reinterpret_cast<TControl*>(Message.LParam); }
};

struct THintInfo;
// CM_HINTSHOW: the hint record, which the control may change; Result non-zero stops the hint.
struct TCMHintShow {
    TMessage& Message;
    explicit TCMHintShow(TMessage& m) : Message(m) {}
    THintInfo* HintInfo() const { return reinterpret_cast<THintInfo*>(Message.LParam); }
};

// CM_FOCUSCHANGED: the control that now has the focus.
struct TCMFocusChanged {
    TMessage& Message;
    explicit TCMFocusChanged(TMessage& m) : Message(m) {}
    TWinControl* Sender() const { return reinterpret_cast<TWinControl*>(Message.LParam); }
};

// CM_MOUSEENTER, CM_MOUSELEAVE: LParam 0 for the control itself.
struct TCMMouseEnterLeave {
    TMessage& Message;
    explicit TCMMouseEnterLeave(TMessage& m) : Message(m) {}
    TControl* Control() const { return reinterpret_cast<TControl*>(Message.LParam); }
};

// An id for a message name, the same for the same name (letters compared without regard to
// case) for the life of the process, always in 0xC000 .. 0xFFFF. An empty name or a full table raises EInvalidArgument.
unsigned RegisterWindowMessage(const std::string& Name);

}  // namespace plat
