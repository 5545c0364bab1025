#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/controls/core/Messages.h"
#include "platform/core/TComponent.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TFont.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace plat {

class TControlActionLink;
class TCustomAction;
class TReleaseHookRegistration;
class TWinControl;

using TControlActionLinkClass = std::unique_ptr<TControlActionLink> (*)(TControl& Client);

// A visual element: bounds in its parent's client area, visibility, enabled state, colour,
// font, hint, cursor, caption and mouse events.
//
// Messages: Perform hands a message to WndProc, which passes it to Dispatch; Dispatch calls the
// handler the class has for that message (a switch in each class's Dispatch override) or, when
// the class has none, the base class's Dispatch, and at the root DefaultHandler. A handler that
// wants the inherited handling calls its base class's Dispatch. DefaultHandler is what the
// window itself does (for a windowed control, the Qt class it is built on).
//
// Owner and parent are separate: the owner (TComponent) frees the control; the parent shows it.
// A freed control leaves its parent and every reference the layer keeps to it (focus, capture,
// mouse hover, hint, timers, posted messages, its form's active control): the core drops its own
// and the layers above drop theirs through release hooks.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // What keeps references to controls above the core (focus, hints, timers, posted messages)
    // registers a hook: every control being freed passes through each hook once, early in its
    // destruction while it is still whole, so that no reference outlives it. The hook stays
    // until the registration goes.
    using TReleaseHook = std::function<void(TControl& Control)>;
    [[nodiscard]] static TReleaseHookRegistration AddReleaseHook(TReleaseHook Hook);

    std::string ClassName() const override { return "TControl"; }

    TWinControl* GetParent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);

    int GetLeft() const { return FLeft; }
    int GetTop() const { return FTop; }
    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    // Moves and sizes the control; a size change sends WM_SIZE (and so OnResize) and asks the
    // parent to align its children again. Negative sizes count as 0.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect GetBoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& Rect) { SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()); }

    // The area inside the frame, in the control's own coordinates.
    virtual TRect GetClientRect() const;
    int GetClientWidth() const { return GetClientRect().Width(); }
    int GetClientHeight() const { return GetClientRect().Height(); }
    void SetClientWidth(int Value);
    void SetClientHeight(int Value);
    // Screen position of the client area's top-left corner, from the control tree's geometry.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint Point) const;
    TPoint ScreenToClient(TPoint Point) const;
    // Client coordinates of this control to those of Other (which need not be related).
    TPoint ClientToClient(TPoint Point, const TControl& Other) const;

    TAlign GetAlign() const { return FAlign; }
    void SetAlign(TAlign Value);
    TAnchors GetAnchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value);

    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so is every parent up to a shown top-level window.
    virtual bool Showing() const;

    bool GetEnabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    // Enabled, and so is every parent.
    bool IsEnabledInParents() const;

    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    bool GetParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);

    TFont& Font() { return *FFont; }
    const TFont& Font() const { return *FFont; }
    bool GetParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);

    TBiDiMode GetBiDiMode() const { return FBiDiMode; }
    // A new value also clears ParentBiDiMode; children that follow their parent follow it.
    void SetBiDiMode(TBiDiMode Value);
    bool GetParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool Value);
    // Mirrored alignment: only bdRightToLeft.
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
    // Every mode but bdLeftToRight reads right to left.
    bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
    // DT_RTLREADING when the control reads right to left, else 0.
    unsigned DrawTextBiDiModeFlagsReadingOnly() const;
    // Flags with DT_LEFT and DT_RIGHT swapped under mirrored alignment, plus the reading flag.
    unsigned DrawTextBiDiModeFlags(unsigned Flags) const;

    const std::string& GetHint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool GetParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);

    TCursor GetCursor() const { return FCursor; }
    void SetCursor(TCursor Value);

    int GetHelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value) { FHelpContext = Value; }
    const std::string& GetHelpKeyword() const { return FHelpKeyword; }
    void SetHelpKeyword(const std::string& Value) { FHelpKeyword = Value; }
    THelpType GetHelpType() const { return FHelpType; }
    void SetHelpType(THelpType Value) { FHelpType = Value; }

    // The action the control stands for: assigning one links the control to it through a link
    // of the control's kind (GetActionLinkClass), takes over its values (ActionChange, keeping
    // the control's own while loading) and makes a click execute it when OnClick is not
    // assigned. The link goes with the control; a freed action leaves the control unlinked.
    TCustomAction* GetAction() const;
    void SetAction(TCustomAction* Value);

    // The caption; controls that keep their text in a native widget override both.
    virtual std::string GetText() const { return FText; }
    virtual void SetText(const std::string& Value);
    std::string GetCaption() const { return GetText(); }
    void SetCaption(const std::string& Value) { SetText(Value); }

    TControlStyle GetControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    TControlState GetControlState() const { return FControlState; }
    void SetControlState(TControlState Value) { FControlState = Value; }

    // Top or bottom of the z-order among the parent's children of the same kind (windowless
    // controls always lie below windowed ones). A window without a parent (a form) is brought
    // above the program's other top-level windows.
    void BringToFront();
    void SendToBack();

    // Marks the control for painting; the paint comes through the event loop.
    virtual void Invalidate();
    // Paints what is marked now.
    virtual void Update();
    void Repaint();

    bool GetMouseCapture() const;
    void SetMouseCapture(bool Value);

    LRESULT Perform(unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    void Perform(TMessage& Message);

    // Every message passes here first; overrides call the inherited one for what they leave.
    virtual void WndProc(TMessage& Message);
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    // Dragging (DragSession.h, reached through the runner of DragHooks.h). BeginDrag starts a
    // drag of this control at the cursor: at once when Immediate, else once the pointer has
    // moved ThresholdPx (negative: the default 5). Nothing happens while another drag runs.
    // EndDrag(true) drops where the pointer is, EndDrag(false) cancels.
    TDragMode GetDragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }
    TDragKind GetDragKind() const { return FDragKind; }
    void SetDragKind(TDragKind Value) { FDragKind = Value; }
    void BeginDrag(bool Immediate, int ThresholdPx = -1);
    void EndDrag(bool Drop);
    bool Dragging() const;
    // A drag is over the control: Accept starts true when OnDragOver is assigned, which may
    // change it. X and Y are client coordinates.
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    // A drag this control accepted was dropped on it: OnDragDrop.
    virtual void DragDrop(TObject* Source, int X, int Y);
    // This control's drag ended without a drop.
    virtual void DragCanceled() {}

    // Docking. The dock site the control is docked to (nullptr when none, or once it is freed);
    // Floating when that is the window made for it by docking it to no site.
    TWinControl* GetHostDockSite() const;
    bool Floating() const;
    // Undocks the control from its site (CM_UNDOCKCLIENT, which may refuse with a non-zero
    // result) and docks it to NewDockSite (CM_DOCKCLIENT); to no site, into a new floating
    // window at the control's place on the screen. True when it is docked there afterwards.
    bool ManualDock(TWinControl* NewDockSite, TControl* DropControl = nullptr, TAlign ControlSide = alNone);
    // The dock operation a site's CM_DOCKCLIENT runs: the site takes the control
    // (DoAddDockClient, ARect on the screen), becomes its host dock site, and the old site
    // lets it go (DoRemoveDockClient).
    void Dock(TWinControl* NewDockSite, const TRect& ARect);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    TNotifyEvent OnResize;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;

protected:
    // The drag starts: OnStartDrag, which may hand over a drag object of its own.
    virtual void DoStartDrag(TDragObject*& DragObject);
    // The drag ended: OnEndDrag (Target nullptr without a drop).
    virtual void DoEndDrag(TObject* Target, int X, int Y);
    // While set, MessageDelivered hears of every message Perform delivered, once the control's
    // own handling is done (and only while the control is still alive).
    void SetObservesMessages(bool Value) { FObservesMessages = Value; }
    // Message as it came, with the Result the control's handling gave it.
    virtual void MessageDelivered(const TMessage&) {}
    // Tells the host dock site of a change of this client (CM_DOCKNOTIFICATION).
    void NotifyHostDockSite(unsigned ClientMsg, WPARAM MsgWParam, LPARAM MsgLParam);

    // Runs OnClick, or executes the action when OnClick is not assigned.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    // True when the wheel turn was used; otherwise the parent is asked.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual void Resize();
    // The parent aligns its children again (after a change of this control's bounds,
    // alignment or visibility).
    void RequestAlign();
    // Remembers the present bounds and the parent's client size as the reference for anchors.
    void UpdateAnchorRules();
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Takes the action's caption, enabled state, hint, visibility and help. With CheckDefaults
    // only where the control still has its default (empty caption or hint, enabled, visible,
    // no help), so that what was set on the control before stays.
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);
    // The kind of link SetAction makes: TControlActionLink here.
    virtual TControlActionLinkClass GetActionLinkClass() const;
    TControlActionLink* ActionLink() const { return FActionLink.get(); }

    // Early part of destruction shared by the destructors of the layer's classes: silences
    // events and clears every reference the layer holds to the control. Runs once.
    void ReleaseLayerReferences();
    // For constructors: the starting visibility, without notifications.
    void InitVisible(bool Value) { FVisible = Value; }
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }

private:
    friend class TWinControl;
    friend class TDragSession;
    template <typename T>
    friend class TControlRef;

    // Becomes empty when the control is freed (TControlRef reads it).
    std::weak_ptr<void> LifeToken() const { return FLifeToken; }

    // Undocks from the present site and docks to NewDockSite, or to a new floating window at
    // DockObject's DockRect when it is nullptr.
    bool DockTo(TWinControl* NewDockSite, TDragDockObject& DockObject);
    void FontChanged();
    void WMMouseButton(TMessage& Message);
    void WMMouseMove(TMessage& Message);
    void WMMouseWheel(TMessage& Message);
    void CMParentFontChanged(TMessage& Message);
    void CMParentColorChanged(TMessage& Message);
    void CMParentShowHintChanged(TMessage& Message);
    void CMParentBiDiModeChanged(TMessage& Message);
    // Bounds from the anchor reference for a parent client area of the given size.
    TRect AnchoredBounds(TSize ParentClientSize) const;
    void InvalidateInParent(const TRect& Rect);

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    TRect FAnchorBounds;
    TSize FAnchorParentSize;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = false;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FAdoptingParentFont = false;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    int FHelpContext = 0;
    std::string FHelpKeyword;
    THelpType FHelpType = htContext;
    std::unique_ptr<TControlActionLink> FActionLink;
    std::string FText;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState FControlState;
    TDragMode FDragMode = dmManual;
    TDragKind FDragKind = dkDrag;
    TWinControl* FHostDockSite = nullptr;
    std::weak_ptr<void> FHostDockSiteToken;
    bool FFloatingDocked = false;
    bool FObservesMessages = false;
    std::shared_ptr<int> FLifeToken = std::make_shared<int>(0);
};

// A reference to a control that reads as nullptr once the control is freed: the one way to ask
// whether a control is still alive. Any handler may free the control it runs for, so code that
// sends a control several messages in a row checks after each:
//     const TControlRef<> alive(this);
//     Perform(WM_KEYDOWN, ...);
//     if (!alive) return;
template <typename T = TControl>
class TControlRef {
public:
    TControlRef() = default;
    explicit TControlRef(T* Control) : FControl(Control)
    {
        if (Control)
            FToken = Control->LifeToken();
    }
    T* Get() const { return FToken.expired() ? nullptr : FControl; }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }

private:
    T* FControl = nullptr;
    std::weak_ptr<void> FToken;
};

// Keeps a release hook of TControl registered for its own lifetime.
class TReleaseHookRegistration {
public:
    TReleaseHookRegistration() = default;
    explicit TReleaseHookRegistration(std::uint64_t Id) : FId(Id) {}
    TReleaseHookRegistration(TReleaseHookRegistration&& Other) noexcept : FId(std::exchange(Other.FId, 0)) {}
    TReleaseHookRegistration& operator=(TReleaseHookRegistration&& Other) noexcept;
    ~TReleaseHookRegistration();

private:
    std::uint64_t FId = 0;
};

// The control's bounds on the screen.
TRect ScreenBoundsOf(const TControl& Control);

// Shift state from the flags of a mouse message (Alt from the keyboard state).
TShiftState KeysToShiftState(unsigned Keys);
// Shift state of a keyboard message: Shift and Ctrl from the keyboard state, Alt from the
// key data.
TShiftState KeyDataToShiftState(std::uint32_t KeyData);

// The part of a hint before the first '|' (the whole hint when there is none).
std::string GetShortHint(const std::string& Hint);

// True when Caption marks CharCode as its accelerator with '&' (letters compared without
// regard to case; "&&" is a literal ampersand).
bool IsAccel(char32_t CharCode, const std::string& Caption);

// The control that gets every mouse message while it holds the capture, whatever lies under the
// cursor. The layer keeps it (windowless controls can hold it too). Setting another control
// (or nullptr) sends WM_CAPTURECHANGED to the one losing it.
void SetCaptureControl(TControl* Control);
TControl* GetCaptureControl();
void ReleaseCapture();

// The control under the cursor, as the mouse input last found it. A change sends CM_MOUSELEAVE
// to the control left, then CM_MOUSEENTER to the one entered (unless the first moved the hover
// on).
void SetHoverControl(TControl* Control);
TControl* GetHoverControl();

// Applies Control's cursor at once when the cursor is over it or one of its children: the
// window under the cursor is asked again (WM_SETCURSOR).
void RefreshCursor(const TControl* Control);

}  // namespace plat
