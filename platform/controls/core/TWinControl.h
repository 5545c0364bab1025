#pragma once

#include "platform/controls/core/TControl.h"
#include "platform/controls/core/TPadding.h"

#include <memory>
#include <optional>
#include <vector>

class QImage;
class QWidget;

namespace plat {

class TWindowHost;
struct TPaintContext;

// A control with a window of its own: it takes the focus and keyboard input, parents other
// controls and aligns them.
//
// The window is a Qt widget made on demand (HandleNeeded) from CreateParams by CreateWnd, which
// asks CreateHost for its host (TWindowHost): a widget of the Qt class that gives the window its
// native behaviour (QWidget for controls that paint themselves). The widget follows the
// control's parent, bounds, visibility and enabled state; it never owns the control. A parent's
// window brings its windowed children's windows into being with it.
//
// Windowless children (TGraphicControl) are painted by this control after itself and get their
// mouse messages from it by hit test.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    std::string ClassName() const override { return "TWinControl"; }

    // The window, made first when there is none.
    QWidget* Handle();
    bool HandleAllocated() const { return FHost != nullptr; }
    void HandleNeeded();
    // Makes the window anew (after a change of CreateParams); without a window, only forgets
    // the frame it had worked out.
    void RecreateWnd();
    TWindowHost* Host() const { return FHost; }

    TRect GetClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;
    // Width of the frame on each side (Left, Top, Right, Bottom), from CreateParams.
    TRect NonClientInsets() const;
    // Where the client area's (0, 0) lies in the window's widget: past the frame, except for
    // captioned top-level windows, whose widget is the client area (the window system draws
    // their frame).
    TPoint WidgetClientOffset() const;

    // Children: windowless ones first, each kind in z-order (last on top).
    int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
    // Raises EListError for an index outside 0 .. ControlCount() - 1.
    TControl* Controls(int Index) const;
    // Adds a control to the children (SetParent does it; this does not change its parent).
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    // True for this control and everything below it.
    bool ContainsControl(const TControl* Control) const;
    // The topmost visible child at Pos (client coordinates); disabled ones only when asked,
    // windowed ones only when asked.
    TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false) const;

    // Room kept clear inside the client area around the aligned children.
    TPadding& Padding() { return *FPadding; }
    const TPadding& Padding() const { return *FPadding; }

    void DisableAlign();
    void EnableAlign();
    void Realign();

    bool GetTabStop() const { return FTabStop; }
    void SetTabStop(bool Value);
    // Position among the parent's windowed children in Tab order; -1 without a parent. Values
    // beyond the end move the control to the end.
    int GetTabOrder() const;
    void SetTabOrder(int Value);
    // This control's windowed children in Tab order, each followed by its own list.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    // The next focusable control after CurControl in Tab order below this control, wrapping
    // around; nullptr when there is none. CurControl may be nullptr (start from the ends).
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    // Visible and enabled up to a showing form (or top-level window).
    virtual bool CanFocus() const;
    bool Focused() const;
    // Raises EInvalidOperation "Cannot focus a disabled or invisible window" when CanFocus is
    // false; on a form that is not showing yet it only becomes the form's active control.
    virtual void SetFocus();

    // Sends the message to each child until one answers (Result non-zero).
    void Broadcast(TMessage& Message);
    // Sends the message to every child.
    void NotifyControls(unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);

    // A double-buffered control paints its client area (itself and its windowless children)
    // into an image of the client size that starts transparent, then copies it to the window:
    // nothing flickers, what it leaves unpainted shows its parent, and its canvas can read the
    // pixels it has painted (GetPixels, CopyRect from it). A paint message that brings readable
    // pixels of its own is painted on directly. The image stays from one paint to the next (only
    // the part to repaint starts transparent again): between paints it is what the control's
    // canvas reads, so that children can take the colours the control shows around them.
    bool GetDoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value);

    void Invalidate() override;
    void Update() override;
    // Marks part of the client area for painting.
    void InvalidateRect(const TRect& Rect);

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    // Docking: a dock site takes controls dropped on it by a dkDock drag or ManualDock
    // (CM_DOCKCLIENT: Dock with the drag object's DockRect).
    bool GetDockSite() const { return FDockSite; }
    void SetDockSite(bool Value) { FDockSite = Value; }
    // The controls docked here, in order of docking (freed ones left out).
    int DockClientCount() const;
    TControl* DockClients(int Index) const;
    // A dock drag is over the site: Source's DockRect is the site's client area on the screen
    // unless an override changes it; OnDockOver may refuse (Accept starts true).
    virtual void DockOver(TDragDockObject* Source, int X, int Y, TDragState State, bool& Accept);

    TDockOverEvent OnDockOver;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    virtual void CreateParams(TCreateParams& Params) const;
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // The window; the default paints nothing of its own (a plain QWidget from the window system
    // installed at start-up, CreateDefaultWindowHost).
    virtual TWindowHost* CreateHost(const TCreateParams& Params);

    // A client docks here: the default makes this control its parent and puts it at ARect
    // (screen coordinates).
    virtual void DoAddDockClient(TControl* Client, const TRect& ARect);
    // A client docked here has gone to another site; the default does nothing.
    virtual void DoRemoveDockClient(TControl* Client);

    virtual void AlignControls(TControl* AControl, TRect& Rect);
    // The part of the client area that aligned children share.
    virtual void AdjustClientRect(TRect& Rect) const;

    virtual void KeyDown(unsigned& Key, TShiftState Shift);
    virtual void KeyUp(unsigned& Key, TShiftState Shift);
    virtual void KeyPress(char32_t& Key);
    // Runs the key events (the form's first when it previews keys); true when the key was
    // swallowed.
    bool DoKeyDown(TMessage& Message);
    bool DoKeyUp(TMessage& Message);
    bool DoKeyPress(TMessage& Message);
    virtual void DoEnter();
    virtual void DoExit();

    // WM_PAINT: the native painting, then PaintWindow and the windowless children (through the
    // buffer when double-buffered).
    virtual void PaintHandler(TMessage& Message);
    // Gives the native widget the control's colour and font colour; called after CM_COLORCHANGED
    // and CM_FONTCHANGED while the window exists. Controls painted by us have nothing to do.
    virtual void UpdateNativeColors() {}
    // Paints the control's own client area. The default erases it with Color (WM_ERASEBKGND)
    // unless the control is csOpaque or its widget paints natively (a Qt class other than
    // QWidget).
    virtual void PaintWindow(TPaintContext& Context);
    bool PaintsNatively() const;
    // The image of the control's last paint while it is double-buffered; nullptr otherwise and
    // before the first paint.
    QImage* LastPaint() const;
    // Paints the windowless children that lie in the context's clip, bottom to top.
    void PaintControls(TPaintContext& Context);

private:
    // The form's turn at a key before the control's own key events, when it previews keys.
    // Holds the DoKey result when the key ends there: the form swallowed it, one of its
    // handlers freed this control, or the control raises no standard events.
    std::optional<bool> PreviewKey(TMessage& Message, bool (TWinControl::*FormHandler)(TMessage&));
    friend class TControl;
    friend class TWindowHost;

    // Takes a child off; KeepWindow leaves its window for a new parent to take over.
    void DetachControl(TControl* AControl, bool KeepWindow);
    void CreateHandleTree();
    void DestroyHandleTree();
    void ApplyGeometryToHost();
    bool WindowSystemDrawsFrame() const;
    // Called by the host when the window system moved or sized a top-level window.
    void BoundsChangedByHost(const TRect& WidgetRectOnScreen);
    void KnowInsets() const;
    void HostDestroyed();
    void AlignAll(TControl* AControl);
    void ChangeZOrder(TControl* AControl, bool ToFront);
    void RemoveFocusFrom();
    void WMSetCursor(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void PaintClientArea(TPaintContext& Context);
    void PaintBuffered(const TPaintContext& Target);

    std::unique_ptr<TPadding> FPadding;
    std::vector<TControlRef<>> FDockClients;
    bool FDockSite = false;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FWinControls;
    std::vector<TWinControl*> FTabList;
    TWindowHost* FHost = nullptr;
    bool FTabStop = false;
    bool FDoubleBuffered = false;
    // Kept while the control lives, so that a canvas reading it never sees it go.
    std::unique_ptr<QImage> FPaintBuffer;
    bool FPaintingBuffer = false;
    int FAlignLevel = 0;
    bool FAlignPending = false;
    bool FAligning = false;
    mutable bool FInsetsKnown = false;
    mutable TRect FInsets;
    mutable std::uint32_t FStyle = 0;
    mutable std::uint32_t FExStyle = 0;
};

}  // namespace plat
