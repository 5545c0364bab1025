#include "platform/controls/core/TWinControl.h"

#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/DragObjects.h"
#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/IFocusOwner.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/KeyboardFocus.h"
#include "platform/controls/core/PaintContext.h"
#include "platform/controls/core/TPadding.h"
#include "platform/controls/core/WindowHost.h"
#include "platform/core/Exception.h"
#include "platform/core/RectOps.h"
#include "platform/core/ScopedRestore.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/system/SystemMetrics.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace plat {

namespace {

// The frame a window of these styles has, as the platform worked it out: thick or dialog frame
// (or a thin border), a client edge, and a caption on top.
TRect InsetsOfStyles(std::uint32_t Style, std::uint32_t ExStyle)
{
    int border = 0;
    if (Style & WS_THICKFRAME)
        border += GetSystemMetrics(SM_CXFRAME);
    else if ((Style & WS_DLGFRAME) || (ExStyle & WS_EX_DLGMODALFRAME))
        border += GetSystemMetrics(SM_CXDLGFRAME);
    else if (Style & WS_BORDER)
        border += GetSystemMetrics(SM_CXBORDER);
    if (ExStyle & WS_EX_CLIENTEDGE)
        border += GetSystemMetrics(SM_CXEDGE);
    if (ExStyle & WS_EX_STATICEDGE)
        border += GetSystemMetrics(SM_CXBORDER);
    int caption = 0;
    if ((Style & WS_CAPTION) == WS_CAPTION)
        caption = GetSystemMetrics((ExStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    return Rect(border, border + caption, border, border);
}

// The top-level window a control sits on when that keeps the focus of its controls (a form);
// a window is not its own owner.
TWinControl* FocusOwnerWindowOf(const TControl* Control)
{
    TWinControl* top = Control->GetParent();
    if (!top)
        return nullptr;
    while (top->GetParent())
        top = top->GetParent();
    return dynamic_cast<IFocusOwner*>(top) ? top : nullptr;
}

IFocusOwner* FocusOwnerOf(const TControl* Control)
{
    return dynamic_cast<IFocusOwner*>(FocusOwnerWindowOf(Control));
}

Qt::WindowFlags TopLevelFlags(const TCreateParams& Params)
{
    const bool tool = Params.ExStyle & WS_EX_TOOLWINDOW;
    const bool captioned = (Params.Style & WS_CAPTION) == WS_CAPTION;
    Qt::WindowFlags flags;
    if ((Params.Style & WS_POPUP) && !captioned)
        flags = (tool && (Params.ExStyle & WS_EX_NOACTIVATE) ? Qt::ToolTip : Qt::Window) | Qt::FramelessWindowHint;
    else
        flags = (tool ? Qt::Tool : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (Params.Style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (Params.Style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (Params.Style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    if (Params.ExStyle & WS_EX_TOPMOST)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

}  // namespace

void TWindowHost::NotifyBoundsChanged(TWinControl& Control, const TRect& WidgetRectOnScreen)
{
    Control.BoundsChangedByHost(WidgetRectOnScreen);
}

void TWindowHost::NotifyDestroyed(TWinControl& Control)
{
    Control.HostDestroyed();
}

TWinControl::TWinControl(TComponent* AOwner)
    : TControl(AOwner), FPadding(std::make_unique<TPadding>([this] { Realign(); }))
{
}

TWinControl::~TWinControl()
{
    ReleaseLayerReferences();
    // A parent frees the controls still on it, newest first.
    while (!FWinControls.empty() || !FControls.empty()) {
        TControl* child = !FWinControls.empty() ? static_cast<TControl*>(FWinControls.back()) : FControls.back();
        delete child;
    }
    if (FHost) {
        FHost->Release();
        FHost = nullptr;
    }
    // Here, while this is still a windowed control to the parent.
    if (GetParent())
        GetParent()->RemoveControl(this);
}

QWidget* TWinControl::Handle()
{
    HandleNeeded();
    return FHost->Widget();
}

void TWinControl::HandleNeeded()
{
    if (FHost)
        return;
    if (GetParent())
        GetParent()->HandleNeeded();
    if (!FHost)
        CreateHandleTree();
}

void TWinControl::RecreateWnd()
{
    FInsetsKnown = false;
    if (!FHost)
        return;
    const bool focused = Focused();
    DestroyHandleTree();
    CreateHandleTree();
    if (focused && FHost)
        FHost->Widget()->setFocus(Qt::OtherFocusReason);
}

void TWinControl::CreateHandleTree()
{
    CreateWnd();
    for (TWinControl* child : std::vector<TWinControl*>(FWinControls))
        if (!child->FHost)
            child->CreateHandleTree();
}

void TWinControl::DestroyHandleTree()
{
    for (TWinControl* child : FWinControls)
        if (child->FHost)
            child->DestroyHandleTree();
    if (FHost)
        DestroyWnd();
}

void TWinControl::CreateParams(TCreateParams& Params) const
{
    Params.Caption = GetText();
    Params.Style = GetParent() ? WS_CHILD | WS_CLIPSIBLINGS : WS_POPUP;
    if (FTabStop)
        Params.Style |= WS_TABSTOP;
    Params.X = GetLeft();
    Params.Y = GetTop();
    Params.Width = GetWidth();
    Params.Height = GetHeight();
    Params.WndParent = GetParent();
    Params.WindowClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    Params.WinClassName = ClassName();
}

TWindowHost* TWinControl::CreateHost(const TCreateParams&)
{
    return CreateDefaultWindowHost(*this);
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    FInsets = InsetsOfStyles(params.Style, params.ExStyle);
    FStyle = params.Style;
    FExStyle = params.ExStyle;
    SetControlState(GetControlState() + TControlState{csCreating});
    FHost = CreateHost(params);
    FInsetsKnown = true;
    QWidget* widget = FHost->Widget();
    if (GetParent()) {
        widget->setParent(GetParent()->FHost->Widget());
    } else {
        widget->setWindowFlags(TopLevelFlags(params));
        widget->setWindowTitle(ToQString(params.Caption));
        if (params.ExStyle & WS_EX_NOACTIVATE)
            widget->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    widget->setFont(ToQFont(Font()));
    widget->setEnabled(GetEnabled());
    ApplyGeometryToHost();
    widget->setVisible(GetVisible());
    SetControlState(GetControlState() - TControlState{csCreating});
}

void TWinControl::DestroyWnd()
{
    TWindowHost* host = FHost;
    FHost = nullptr;
    host->Release();
}

void TWinControl::HostDestroyed()
{
    FHost = nullptr;
}

void TWinControl::KnowInsets() const
{
    // Kept while the window lives (RecreateWnd forgets them); before that, asked each time,
    // since a constructor may ask before the most derived CreateParams is in place.
    if (FInsetsKnown && FHost)
        return;
    TCreateParams params;
    CreateParams(params);
    FInsets = InsetsOfStyles(params.Style, params.ExStyle);
    FStyle = params.Style;
    FExStyle = params.ExStyle;
    FInsetsKnown = true;
}

TRect TWinControl::NonClientInsets() const
{
    KnowInsets();
    return FInsets;
}

TRect TWinControl::GetClientRect() const
{
    const TRect insets = NonClientInsets();
    return Rect(0, 0, std::max(GetWidth() - insets.Left - insets.Right, 0),
                std::max(GetHeight() - insets.Top - insets.Bottom, 0));
}

TPoint TWinControl::ClientOrigin() const
{
    const TRect insets = NonClientInsets();
    TPoint origin{GetLeft() + insets.Left, GetTop() + insets.Top};
    if (GetParent()) {
        const TPoint parentOrigin = GetParent()->ClientOrigin();
        origin.X += parentOrigin.X;
        origin.Y += parentOrigin.Y;
    }
    return origin;
}

bool TWinControl::WindowSystemDrawsFrame() const
{
    KnowInsets();
    return !GetParent() && (FStyle & WS_CAPTION) == WS_CAPTION;
}

TPoint TWinControl::WidgetClientOffset() const
{
    // A captioned top-level widget is the client area itself; the window system draws the
    // frame. Every other widget covers the whole window, frame included.
    if (WindowSystemDrawsFrame())
        return {};
    const TRect insets = NonClientInsets();
    return {insets.Left, insets.Top};
}

void TWinControl::ApplyGeometryToHost()
{
    if (!FHost)
        return;
    QWidget* widget = FHost->Widget();
    TPoint origin{GetLeft(), GetTop()};
    if (GetParent()) {
        const TPoint offset = GetParent()->WidgetClientOffset();
        origin = {origin.X + offset.X, origin.Y + offset.Y};
    }
    if (!WindowSystemDrawsFrame()) {
        widget->setGeometry(origin.X, origin.Y, GetWidth(), GetHeight());
        return;
    }
    const TRect insets = NonClientInsets();
    const TRect client = GetClientRect();
    widget->setGeometry(origin.X + insets.Left, origin.Y + insets.Top, client.Width(), client.Height());
}

void TWinControl::BoundsChangedByHost(const TRect& WidgetRectOnScreen)
{
    TRect frame = WidgetRectOnScreen;
    if (WindowSystemDrawsFrame()) {
        const TRect insets = NonClientInsets();
        frame = Rect(frame.Left - insets.Left, frame.Top - insets.Top, frame.Right + insets.Right,
                     frame.Bottom + insets.Bottom);
    }
    if (frame != GetBoundsRect())
        SetBoundsRect(frame);
}

bool TWinControl::Showing() const
{
    return GetVisible() && (!GetParent() || GetParent()->Showing());
}

TControl* TWinControl::Controls(int Index) const
{
    const auto windowless = static_cast<int>(FControls.size());
    if (Index < 0 || Index >= ControlCount())
        throw EListError("Control index out of bounds (%d)", {Index});
    return Index < windowless ? FControls[Index] : FWinControls[Index - windowless];
}

void TWinControl::InsertControl(TControl* AControl)
{
    AControl->FParent = this;
    if (auto* windowed = dynamic_cast<TWinControl*>(AControl)) {
        FWinControls.push_back(windowed);
        FTabList.push_back(windowed);
    } else {
        FControls.push_back(AControl);
    }
    AControl->Perform(CM_PARENTCOLORCHANGED);
    AControl->Perform(CM_PARENTFONTCHANGED);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED);
    AControl->Perform(CM_PARENTBIDIMODECHANGED);
    AControl->UpdateAnchorRules();
    if (auto* windowed = dynamic_cast<TWinControl*>(AControl)) {
        if (windowed->FHost && FHost) {
            QWidget* widget = windowed->FHost->Widget();
            widget->setParent(FHost->Widget());
            windowed->ApplyGeometryToHost();
            widget->setVisible(windowed->GetVisible());
            if (!windowed->CanFocus())
                windowed->RemoveFocusFrom();
        } else if (FHost) {
            windowed->CreateHandleTree();
        }
    } else {
        AControl->Invalidate();
    }
    if (AControl->GetAlign() != alNone)
        AlignAll(AControl);
}

void TWinControl::RemoveControl(TControl* AControl)
{
    DetachControl(AControl, false);
}

void TWinControl::DetachControl(TControl* AControl, bool KeepWindow)
{
    if (AControl->FParent != this)
        return;
    const bool destroying = IsDestroying() || AControl->IsDestroying();
    if (auto* windowed = dynamic_cast<TWinControl*>(AControl)) {
        if (!destroying && !KeepWindow)
            windowed->RemoveFocusFrom();
        if (windowed->FHost && !KeepWindow)
            windowed->DestroyHandleTree();
    } else if (!destroying) {
        AControl->Invalidate();
    }
    std::erase(FControls, AControl);
    std::erase_if(FWinControls, [AControl](const TWinControl* c) { return c == AControl; });
    std::erase_if(FTabList, [AControl](const TWinControl* c) { return c == AControl; });
    AControl->FParent = nullptr;
    if (!destroying && AControl->GetAlign() != alNone)
        Realign();
}

bool TWinControl::ContainsControl(const TControl* Control) const
{
    for (const TControl* c = Control; c; c = c->GetParent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const
{
    auto hit = [&](const TControl* c) {
        return c->GetVisible() && (AllowDisabled || c->GetEnabled()) && c->GetBoundsRect().Contains(Pos);
    };
    if (AllowWinControls)
        for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
            if (hit(*it))
                return *it;
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (hit(*it))
            return *it;
    return nullptr;
}

void TWinControl::ChangeZOrder(TControl* AControl, bool ToFront)
{
    auto move = [&](auto& list, auto* item) {
        const auto it = std::find(list.begin(), list.end(), item);
        if (it == list.end())
            return;
        list.erase(it);
        if (ToFront)
            list.push_back(item);
        else
            list.insert(list.begin(), item);
    };
    if (auto* windowed = dynamic_cast<TWinControl*>(AControl)) {
        move(FWinControls, windowed);
        if (windowed->FHost) {
            if (ToFront)
                windowed->FHost->Widget()->raise();
            else
                windowed->FHost->Widget()->lower();
        }
    } else {
        move(FControls, AControl);
        AControl->Invalidate();
    }
}

void TWinControl::DisableAlign()
{
    ++FAlignLevel;
}

void TWinControl::EnableAlign()
{
    if (FAlignLevel > 0 && --FAlignLevel == 0 && FAlignPending)
        Realign();
}

void TWinControl::Realign()
{
    AlignAll(nullptr);
}

void TWinControl::AlignAll(TControl* AControl)
{
    if (FAlignLevel > 0 || FAligning || IsDestroying() || ComponentState().Contains(csLoading)) {
        FAlignPending = true;
        return;
    }
    // Handlers of the resized children may move siblings again; a few passes settle that
    // without letting two handlers push each other forever.
    constexpr int maxPasses = 3;
    for (int pass = 0; pass < maxPasses; ++pass) {
        FAlignPending = false;
        TRect area = GetClientRect();
        AdjustClientRect(area);
        area = FPadding->Inside(area);
        {
            TScopedRestore aligning(FAligning, true);
            AlignControls(AControl, area);
        }
        if (!FAlignPending)
            break;
    }
}

void TWinControl::AdjustClientRect(TRect&) const {}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    std::vector<TControl*> children(FControls.begin(), FControls.end());
    children.insert(children.end(), FWinControls.begin(), FWinControls.end());

    const TRect client = GetClientRect();
    for (TControl* child : children)
        if (child->GetVisible() && child->GetAlign() == alNone && !(child->GetAnchors() == TAnchors{akLeft, akTop}))
            child->SetBoundsRect(child->AnchoredBounds({client.Width(), client.Height()}));

    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl*> list;
        for (TControl* child : children)
            if (child->GetVisible() && child->GetAlign() == align)
                list.push_back(child);
        // Earlier along the edge goes first; between equals the control that asked for the
        // alignment keeps its place in front.
        auto key = [align](const TControl* c) {
            switch (align) {
            case alTop:
                return c->GetTop();
            case alBottom:
                return -(c->GetTop() + c->GetHeight());
            case alLeft:
                return c->GetLeft();
            case alRight:
                return -(c->GetLeft() + c->GetWidth());
            default:
                return 0;
            }
        };
        std::stable_sort(list.begin(), list.end(), [&](const TControl* a, const TControl* b) {
            if (key(a) != key(b))
                return key(a) < key(b);
            return a == AControl && b != AControl;
        });
        for (TControl* child : list) {
            const int w = child->GetWidth();
            const int h = child->GetHeight();
            switch (align) {
            case alTop:
                child->SetBounds(Rect.Left, Rect.Top, Rect.Width(), h);
                Rect.Top += h;
                break;
            case alBottom:
                child->SetBounds(Rect.Left, Rect.Bottom - h, Rect.Width(), h);
                Rect.Bottom -= h;
                break;
            case alLeft:
                child->SetBounds(Rect.Left, Rect.Top, w, Rect.Height());
                Rect.Left += w;
                break;
            case alRight:
                child->SetBounds(Rect.Right - w, Rect.Top, w, Rect.Height());
                Rect.Right -= w;
                break;
            default:
                child->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
                break;
            }
        }
    }
}

void TWinControl::SetTabStop(bool Value)
{
    if (FTabStop == Value)
        return;
    FTabStop = Value;
    Perform(CM_TABSTOPCHANGED);
}

int TWinControl::GetTabOrder() const
{
    if (!GetParent())
        return -1;
    const auto& list = GetParent()->FTabList;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int Value)
{
    if (!GetParent())
        return;
    auto& list = GetParent()->FTabList;
    std::erase(list, this);
    const int index = std::clamp(Value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + index, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const
{
    for (TWinControl* child : FTabList) {
        List.push_back(child);
        child->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    const int count = static_cast<int>(list.size());
    if (count == 0)
        return nullptr;
    const auto found = std::find(list.begin(), list.end(), CurControl);
    int index = found == list.end() ? (GoForward ? -1 : count) : static_cast<int>(found - list.begin());
    for (int step = 0; step < count; ++step) {
        index = GoForward ? (index + 1) % count : (index - 1 + count) % count;
        TWinControl* candidate = list[index];
        if (candidate == CurControl)
            continue;
        if ((!CheckTabStop || candidate->FTabStop) && candidate->CanFocus())
            return candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop))
        next->SetFocus();
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->GetParent())
        if (!c->GetVisible() || !c->GetEnabled())
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    const IFocusKeeper* keeper = GetFocusKeeper();
    return keeper && keeper->Focused() == this;
}

void TWinControl::SetFocus()
{
    if (IFocusOwner* owner = FocusOwnerOf(this)) {
        owner->FocusControl(this);
        return;
    }
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    if (IFocusKeeper* keeper = GetFocusKeeper())
        keeper->SetFocus(this);
}

void TWinControl::RemoveFocusFrom()
{
    if (IsDestroying())
        return;
    if (IFocusOwner* owner = FocusOwnerOf(this))
        owner->DefocusControl(this, false);
    if (IFocusKeeper* keeper = GetFocusKeeper(); keeper && ContainsControl(keeper->Focused()))
        keeper->RemoveFocus(this);
}

void TWinControl::Broadcast(TMessage& Message)
{
    std::vector<TControl*> children(FControls.begin(), FControls.end());
    children.insert(children.end(), FWinControls.begin(), FWinControls.end());
    std::vector<TControlRef<>> refs(children.size());
    std::transform(children.begin(), children.end(), refs.begin(), [](TControl* c) { return TControlRef<>(c); });
    for (const auto& ref : refs) {
        if (TControl* child = ref.Get()) {
            child->WndProc(Message);
            if (Message.Result != 0)
                return;
        }
    }
}

void TWinControl::NotifyControls(unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    std::vector<TControlRef<>> refs;
    for (TControl* c : FControls)
        refs.emplace_back(c);
    for (TControl* c : FWinControls)
        refs.emplace_back(c);
    for (const auto& ref : refs) {
        if (TControl* child = ref.Get()) {
            TMessage message{Msg, WParam, LParam, 0};
            child->WndProc(message);
        }
    }
}

void TWinControl::Invalidate()
{
    if (FHost)
        FHost->Widget()->update();
}

void TWinControl::InvalidateRect(const TRect& Rect)
{
    if (!FHost)
        return;
    const TPoint offset = WidgetClientOffset();
    FHost->Widget()->update(ToQRect(MovedRect(Rect, offset)));
}

void TWinControl::Update()
{
    if (FHost && FHost->Widget()->isVisible())
        FHost->Widget()->repaint();
}

int TWinControl::DockClientCount() const
{
    return static_cast<int>(std::count_if(FDockClients.begin(), FDockClients.end(),
                                          [this](const TControlRef<>& c) { return c && c->GetHostDockSite() == this; }));
}

TControl* TWinControl::DockClients(int Index) const
{
    int i = 0;
    for (const TControlRef<>& client : FDockClients)
        if (client && client->GetHostDockSite() == this && i++ == Index)
            return client.Get();
    throw EListError("Dock client index out of bounds (%d)", {Index});
}

void TWinControl::DockOver(TDragDockObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    if (OnDockOver)
        OnDockOver(this, Source, X, Y, State, Accept);
}

void TWinControl::DoAddDockClient(TControl* Client, const TRect& ARect)
{
    Client->SetParent(this);
    const TPoint topLeft = ScreenToClient({ARect.Left, ARect.Top});
    Client->SetBounds(topLeft.X, topLeft.Y, ARect.Width(), ARect.Height());
}

void TWinControl::DoRemoveDockClient(TControl*) {}

void TWinControl::Dispatch(TMessage& Message)
{
    const TControlRef<> alive(this);
    switch (Message.Msg) {
    case CM_DOCKCLIENT: {
        auto* dock = reinterpret_cast<TDragDockObject*>(Message.WParam);
        if (TControl* client = dock ? dock->Control() : nullptr)
            client->Dock(this, dock->DockRect);
        Message.Result = 1;
        return;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (!DoKeyDown(Message) && alive)
            DefaultHandler(Message);
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (!DoKeyUp(Message) && alive)
            DefaultHandler(Message);
        return;
    case WM_CHAR:
        if (!DoKeyPress(Message) && alive)
            DefaultHandler(Message);
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        Broadcast(Message);
        return;
    case CM_FOCUSCHANGED:
        NotifyControls(Message.Msg, Message.WParam, Message.LParam);
        return;
    case WM_PAINT:
        PaintHandler(Message);
        return;
    case WM_SIZE:
        Realign();
        TControl::Dispatch(Message);
        return;
    case WM_WINDOWPOSCHANGED:
        ApplyGeometryToHost();
        return;
    case WM_SETCURSOR:
        WMSetCursor(Message);
        return;
    case WM_NCPAINT:
        WMNCPaint(Message);
        return;
    case WM_ERASEBKGND:
        WMEraseBkgnd(Message);
        return;
    case WM_GETDLGCODE:
        Message.Result = 0;
        return;
    case CM_VISIBLECHANGED:
        if (FHost)
            FHost->Widget()->setVisible(Message.WParam != 0);
        if (!Message.WParam)
            RemoveFocusFrom();
        TControl::Dispatch(Message);
        return;
    case CM_ENABLEDCHANGED:
        if (FHost)
            FHost->Widget()->setEnabled(GetEnabled());
        if (!GetEnabled())
            RemoveFocusFrom();
        TControl::Dispatch(Message);
        return;
    case CM_FONTCHANGED:
        if (FHost)
            FHost->Widget()->setFont(ToQFont(Font()));
        TControl::Dispatch(Message);
        NotifyControls(CM_PARENTFONTCHANGED);
        if (FHost)
            UpdateNativeColors();
        return;
    case CM_COLORCHANGED:
        TControl::Dispatch(Message);
        NotifyControls(CM_PARENTCOLORCHANGED);
        if (FHost)
            UpdateNativeColors();
        return;
    case CM_SHOWHINTCHANGED:
        NotifyControls(CM_PARENTSHOWHINTCHANGED);
        return;
    case CM_BIDIMODECHANGED:
        TControl::Dispatch(Message);
        NotifyControls(CM_PARENTBIDIMODECHANGED);
        return;
    case CM_SYSCOLORCHANGE:
        Invalidate();
        NotifyControls(CM_SYSCOLORCHANGE);
        return;
    case CM_TEXTCHANGED:
        if (FHost && !GetParent())
            FHost->Widget()->setWindowTitle(ToQString(GetText()));
        TControl::Dispatch(Message);
        return;
    default:
        TControl::Dispatch(Message);
    }
}

void TWinControl::DefaultHandler(TMessage& Message)
{
    if (FHost)
        FHost->DefaultMessage(Message);
}

void TWinControl::WMSetCursor(TMessage& Message)
{
    if (!FHost)
        return;
    TCursor cursor = crDefault;
    const TPoint pos = ScreenToClient(GetCursorPos());
    const TControl* under = ControlAtPos(pos, false);
    for (const TControl* c = under ? under : this; c && cursor == crDefault; c = c->GetParent())
        cursor = c->GetCursor();
    FHost->SetCursor(cursor);
    Message.Result = 1;
}

void TWinControl::WMNCPaint(TMessage& Message)
{
    const TPaintContext* context = TWMPaint(Message).Context();
    KnowInsets();
    if (!context || !context->Painter || FInsets == TRect{})
        return;
    TCanvas canvas(MakeContextCanvasBackend(*context));
    TRect frame = Bounds(0, 0, GetWidth(), GetHeight());
    if ((FStyle & WS_BORDER) && !(FStyle & (WS_THICKFRAME | WS_DLGFRAME))) {
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(frame);
        frame = Rect(frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1);
    }
    if (FStyle & (WS_THICKFRAME | WS_DLGFRAME))
        canvas.DrawEdge(frame, EDGE_RAISED, BF_RECT | BF_ADJUST);
    if (FExStyle & WS_EX_CLIENTEDGE)
        canvas.DrawEdge(frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (FExStyle & WS_EX_STATICEDGE)
        canvas.DrawEdge(frame, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
}

void TWinControl::WMEraseBkgnd(TMessage& Message)
{
    auto* canvas = reinterpret_cast<TCanvas*>(Message.WParam);
    if (!canvas)
        return;
    canvas->Brush().SetColor(GetColor());
    canvas->Brush().SetStyle(bsSolid);
    canvas->FillRect(GetClientRect());
    Message.Result = 1;
}

void TWinControl::PaintHandler(TMessage& Message)
{
    if (TPaintContext* given = TWMPaint(Message).Context()) {
        PaintClientArea(*given);
        return;
    }
    if (!FHost)
        return;
    // Asked to paint outside Qt's paint event: nothing can be drawn now; the paint comes.
    if (!FHost->Painting()) {
        Invalidate();
        return;
    }
    const TControlRef<> alive(this);
    DefaultHandler(Message);
    if (!alive || !FHost)
        return;
    QWidget* widget = FHost->Widget();
    const QRect dirty = FHost->CurrentPaintRect();
    QPainter painter(widget);
    const TSize device{widget->width(), widget->height()};
    if (!WindowSystemDrawsFrame() && NonClientInsets() != TRect{}) {
        TPaintContext frame{&painter, device, {}, Bounds(0, 0, GetWidth(), GetHeight())};
        Perform(WM_NCPAINT, reinterpret_cast<WPARAM>(&frame));
    }
    const TPoint offset = WidgetClientOffset();
    TPaintContext context{&painter, device, offset,
                          IntersectedRect(MovedRect(FromQRect(dirty), -offset.X, -offset.Y), GetClientRect())};
    PaintClientArea(context);
}

void TWinControl::PaintClientArea(TPaintContext& Context)
{
    if (FDoubleBuffered && !Context.Pixels) {
        PaintBuffered(Context);
        return;
    }
    const TControlRef<> alive(this);
    // A control that fails to paint itself must not keep its windowless children from painting.
    Guarded(this, [&] { PaintWindow(Context); });
    if (alive)
        PaintControls(Context);
}

void TWinControl::PaintBuffered(const TPaintContext& Target)
{
    const TRect client = GetClientRect();
    const TRect area = IntersectedRect(Target.ClipRect, client);
    if (area.IsEmpty() || !Target.Painter)
        return;
    // A paint of this control from inside its own paint gets an image of its own: one image
    // takes one painter at a time.
    if (!FPaintBuffer)
        FPaintBuffer = std::make_unique<QImage>();
    QImage nested;
    QImage& buffer = FPaintingBuffer ? nested : *FPaintBuffer;
    if (buffer.width() != client.Width() || buffer.height() != client.Height()) {
        buffer = QImage(client.Width(), client.Height(), QImage::Format_ARGB32);
        buffer.fill(Qt::transparent);
    }
    {
        const TScopedRestore busy(FPaintingBuffer, true);
        QPainter painter(&buffer);
        // What is repainted starts transparent, so that what the control leaves unpainted shows
        // what lies beneath; the rest keeps the last paint.
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(ToQRect(area), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        TPaintContext context{&painter, {buffer.width(), buffer.height()}, {}, area, &buffer};
        PaintClientArea(context);
    }
    Target.Painter->save();
    const QRect onTarget = ToQRect(MovedRect(area, Target.Origin));
    Target.Painter->setClipRect(onTarget, Target.Painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    Target.Painter->drawImage(onTarget.topLeft(), buffer, ToQRect(area));
    Target.Painter->restore();
}

void TWinControl::SetDoubleBuffered(bool Value)
{
    if (FDoubleBuffered == Value)
        return;
    FDoubleBuffered = Value;
    if (FPaintBuffer)
        *FPaintBuffer = QImage();
    Invalidate();
}

QImage* TWinControl::LastPaint() const
{
    return FDoubleBuffered ? FPaintBuffer.get() : nullptr;
}

bool TWinControl::PaintsNatively() const
{
    return FHost && FHost->Widget()->metaObject() != &QWidget::staticMetaObject;
}

void TWinControl::PaintWindow(TPaintContext& Context)
{
    if (GetControlStyle().Contains(csOpaque) || PaintsNatively() || !Context.Painter)
        return;
    TCanvas canvas(MakeContextCanvasBackend(Context));
    canvas.SetViewportOrg(Context.Origin);
    canvas.IntersectClipRect(Context.ClipRect);
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&canvas));
}

void TWinControl::PaintControls(TPaintContext& Context)
{
    std::vector<TControlRef<>> refs;
    for (TControl* c : FControls)
        refs.emplace_back(c);
    for (const auto& ref : refs) {
        TControl* child = ref.Get();
        if (!child || !child->GetVisible())
            continue;
        const TRect bounds = child->GetBoundsRect();
        const TRect area = IntersectedRect(bounds, Context.ClipRect);
        if (area.IsEmpty())
            continue;
        TPaintContext childContext{Context.Painter, Context.DeviceSize,
                                   {Context.Origin.X + bounds.Left, Context.Origin.Y + bounds.Top},
                                   MovedRect(area, -bounds.Left, -bounds.Top)};
        // One control that fails to paint must not keep its siblings from painting.
        Guarded(child, [&] { child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&childContext)); });
    }
}

std::optional<bool> TWinControl::PreviewKey(TMessage& Message, bool (TWinControl::*FormHandler)(TMessage&))
{
    const TControlRef<> alive(this);
    TWinControl* owner = FocusOwnerWindowOf(this);
    if (owner && dynamic_cast<IFocusOwner*>(owner)->PreviewsKeys() && (owner->*FormHandler)(Message))
        return true;
    if (!alive)
        return true;
    if (GetControlStyle().Contains(csNoStdEvents))
        return false;
    return std::nullopt;
}

bool TWinControl::DoKeyDown(TMessage& Message)
{
    if (const std::optional<bool> ended = PreviewKey(Message, &TWinControl::DoKeyDown))
        return *ended;
    TWMKey key(Message);
    unsigned code = key.CharCode();
    KeyDown(code, KeyDataToShiftState(key.KeyData()));
    key.SetCharCode(code);
    return code == 0;
}

bool TWinControl::DoKeyUp(TMessage& Message)
{
    if (const std::optional<bool> ended = PreviewKey(Message, &TWinControl::DoKeyUp))
        return *ended;
    TWMKey key(Message);
    unsigned code = key.CharCode();
    KeyUp(code, KeyDataToShiftState(key.KeyData()));
    key.SetCharCode(code);
    return code == 0;
}

bool TWinControl::DoKeyPress(TMessage& Message)
{
    if (const std::optional<bool> ended = PreviewKey(Message, &TWinControl::DoKeyPress))
        return *ended;
    TWMKey key(Message);
    auto ch = static_cast<char32_t>(key.CharCode());
    KeyPress(ch);
    key.SetCharCode(static_cast<unsigned>(ch));
    return ch == 0;
}

void TWinControl::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (OnKeyDown && !IsDestroying())
        OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(unsigned& Key, TShiftState Shift)
{
    if (OnKeyUp && !IsDestroying())
        OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char32_t& Key)
{
    if (OnKeyPress && !IsDestroying())
        OnKeyPress(this, Key);
}

void TWinControl::DoEnter()
{
    if (OnEnter && !IsDestroying())
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit && !IsDestroying())
        OnExit(this);
}

}  // namespace plat
