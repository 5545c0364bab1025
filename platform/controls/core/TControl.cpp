#include "platform/controls/core/TControl.h"

#include "platform/controls/core/DragHooks.h"
#include "platform/controls/core/DragObjects.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/TControlActionLink.h"
#include "platform/controls/core/TCustomAction.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/core/WindowHost.h"
#include "platform/core/Exception.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/core/Utf8.h"

#include <QWidget>

#include <algorithm>
#include <vector>

namespace plat {

namespace {

struct ReleaseHooks {
    std::vector<std::pair<std::uint64_t, TControl::TReleaseHook>> Hooks;
    std::uint64_t NextId = 1;
};

ReleaseHooks& Hooks()
{
    static ReleaseHooks hooks;
    return hooks;
}

struct MouseReferences {
    TControlRef<> Capture;
    TControlRef<> Hover;
};

MouseReferences& References()
{
    static MouseReferences references;
    return references;
}

// A control being freed neither holds the capture nor is under the cursor any more, and is
// sent nothing about it.
void ForgetMouseReferences(const TControl* Control)
{
    MouseReferences& references = References();
    if (references.Capture.Get() == Control)
        references.Capture = {};
    if (references.Hover.Get() == Control)
        references.Hover = {};
}

}  // namespace

TReleaseHookRegistration TControl::AddReleaseHook(TReleaseHook Hook)
{
    ReleaseHooks& hooks = Hooks();
    const std::uint64_t id = hooks.NextId++;
    hooks.Hooks.emplace_back(id, std::move(Hook));
    return TReleaseHookRegistration(id);
}

TReleaseHookRegistration& TReleaseHookRegistration::operator=(TReleaseHookRegistration&& Other) noexcept
{
    if (this != &Other) {
        TReleaseHookRegistration old(std::move(*this));
        FId = std::exchange(Other.FId, 0);
    }
    return *this;
}

TReleaseHookRegistration::~TReleaseHookRegistration()
{
    if (FId != 0)
        std::erase_if(Hooks().Hooks, [this](const auto& entry) { return entry.first == FId; });
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>())
{
    FFont->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl()
{
    ReleaseLayerReferences();
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::ReleaseLayerReferences()
{
    if (!FLifeToken)
        return;
    Destroying();
    ForgetMouseReferences(this);
    // A copy: a hook may register or drop hooks while it runs.
    const auto hooks = Hooks().Hooks;
    for (const auto& [id, hook] : hooks)
        hook(*this);
    // Last: the layers above still recognised the control by their references.
    FLifeToken.reset();
}

void TControl::SetParent(TWinControl* AParent)
{
    if (FParent == AParent)
        return;
    if (AParent == this)
        throw EInvalidOperation("A control cannot have itself as its parent");
    if (const auto* self = dynamic_cast<const TWinControl*>(this); self && AParent && self->ContainsControl(AParent))
        throw EInvalidOperation("A control cannot have one of its own children as its parent");
    // A window moving from one parent window to another keeps its widget (and the native state
    // in it); otherwise it is made again under the new parent when that has a window.
    const auto* windowed = dynamic_cast<const TWinControl*>(this);
    const bool keepWindow = windowed && windowed->HandleAllocated() && FParent && AParent && AParent->HandleAllocated();
    if (FParent)
        FParent->DetachControl(this, keepWindow);
    if (AParent)
        AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return;
    const bool sized = AWidth != FWidth || AHeight != FHeight;
    const bool moved = ALeft != FLeft || ATop != FTop;
    InvalidateInParent(GetBoundsRect());
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    // Bounds set by the parent's alignment keep the reference the anchors work from.
    if (!FParent || !FParent->FAligning)
        UpdateAnchorRules();
    InvalidateInParent(GetBoundsRect());
    Perform(WM_WINDOWPOSCHANGED);
    if (moved)
        Perform(WM_MOVE, 0, MAKELPARAM(FLeft, FTop));
    if (sized)
        Perform(WM_SIZE, SIZE_RESTORED, MAKELPARAM(GetClientWidth(), GetClientHeight()));
    if (FAlign != alNone)
        RequestAlign();
}

TRect TControl::GetClientRect() const
{
    return Rect(0, 0, FWidth, FHeight);
}

void TControl::SetClientWidth(int Value)
{
    SetWidth(FWidth - GetClientWidth() + Value);
}

void TControl::SetClientHeight(int Value)
{
    SetHeight(FHeight - GetClientHeight() + Value);
}

TPoint TControl::ClientOrigin() const
{
    if (!FParent)
        return {FLeft, FTop};
    const TPoint origin = FParent->ClientOrigin();
    return {origin.X + FLeft, origin.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint Point) const
{
    const TPoint origin = ClientOrigin();
    return {Point.X + origin.X, Point.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint Point) const
{
    const TPoint origin = ClientOrigin();
    return {Point.X - origin.X, Point.Y - origin.Y};
}

TPoint TControl::ClientToClient(TPoint Point, const TControl& Other) const
{
    return Other.ScreenToClient(ClientToScreen(Point));
}

void TControl::SetAlign(TAlign Value)
{
    if (FAlign == Value)
        return;
    FAlign = Value;
    if (Value == alNone)
        UpdateAnchorRules();
    RequestAlign();
}

void TControl::SetAnchors(TAnchors Value)
{
    FAnchors = Value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    FAnchorBounds = GetBoundsRect();
    if (FParent) {
        const TRect client = FParent->GetClientRect();
        FAnchorParentSize = {client.Width(), client.Height()};
    }
}

TRect TControl::AnchoredBounds(TSize ParentClientSize) const
{
    auto place = [](int start, int size, int delta, bool nearSide, bool farSide, int& newStart, int& newSize) {
        newStart = start;
        newSize = size;
        if (nearSide && farSide)
            newSize = std::max(size + delta, 0);
        else if (farSide)
            newStart = start + delta;
        else if (!nearSide)
            newStart = start + delta / 2;
    };
    int left = 0, width = 0, top = 0, height = 0;
    place(FAnchorBounds.Left, FAnchorBounds.Width(), ParentClientSize.cx - FAnchorParentSize.cx,
          FAnchors.Contains(akLeft), FAnchors.Contains(akRight), left, width);
    place(FAnchorBounds.Top, FAnchorBounds.Height(), ParentClientSize.cy - FAnchorParentSize.cy,
          FAnchors.Contains(akTop), FAnchors.Contains(akBottom), top, height);
    return Bounds(left, top, width, height);
}

void TControl::RequestAlign()
{
    if (FParent && !IsDestroying())
        FParent->AlignAll(this);
}

void TControl::Loaded()
{
    TComponent::Loaded();
    if (TCustomAction* action = GetAction())
        ActionChange(action, true);
    RequestAlign();
}

TCustomAction* TControl::GetAction() const
{
    return FActionLink ? FActionLink->GetAction() : nullptr;
}

void TControl::SetAction(TCustomAction* Value)
{
    if (!Value) {
        FActionLink.reset();
        return;
    }
    if (Value == GetAction())
        return;
    if (!FActionLink)
        FActionLink = GetActionLinkClass()(*this);
    FActionLink->SetAction(Value);
    ActionChange(Value, ComponentState().Contains(csLoading));
    Value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    // An action being freed has already let go of its links (this one reads no action now).
    if (Operation == opRemove && FActionLink && (!FActionLink->GetAction() || AComponent == FActionLink->GetAction()))
        FActionLink.reset();
}

TControlActionLinkClass TControl::GetActionLinkClass() const
{
    return &ActionLinkClass<TControlActionLink>;
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults)
{
    const auto* action = dynamic_cast<const TCustomAction*>(Sender);
    if (!action)
        return;
    if (!CheckDefaults || GetCaption().empty())
        SetCaption(action->GetCaption());
    if (!CheckDefaults || GetEnabled())
        SetEnabled(action->GetEnabled());
    if (!CheckDefaults || GetHint().empty())
        SetHint(action->GetHint());
    if (!CheckDefaults || GetVisible())
        SetVisible(action->GetVisible());
    if (!CheckDefaults || (FHelpContext == 0 && FHelpKeyword.empty() && FHelpType == htContext)) {
        FHelpContext = action->GetHelpContext();
        FHelpKeyword = action->GetHelpKeyword();
        FHelpType = action->GetHelpType();
    }
}

// The control's side of the link to its action lives here, with the control it sets: its header
// declares it and nothing more, so that the action tells its links without reaching the control.

TControlActionLink::~TControlActionLink()
{
    if (FAction)
        FAction->UnRegisterChanges(this);
}

void TControlActionLink::SetAction(TCustomAction* Value)
{
    if (FAction == Value)
        return;
    if (FAction)
        FAction->UnRegisterChanges(this);
    FAction = Value;
    if (FAction)
        FAction->RegisterChanges(this);
}

bool TControlActionLink::Execute()
{
    return FAction && FAction->Execute();
}

bool TControlActionLink::IsCaptionLinked()
{
    return FAction && FClient && FClient->GetCaption() == FAction->GetCaption();
}

bool TControlActionLink::IsCheckedLinked()
{
    return FAction != nullptr;
}

bool TControlActionLink::IsEnabledLinked()
{
    return FAction && FClient && FClient->GetEnabled() == FAction->GetEnabled();
}

bool TControlActionLink::IsGroupIndexLinked()
{
    return FAction != nullptr;
}

bool TControlActionLink::IsHelpLinked()
{
    return FAction && FClient && FClient->GetHelpContext() == FAction->GetHelpContext() &&
           FClient->GetHelpKeyword() == FAction->GetHelpKeyword() && FClient->GetHelpType() == FAction->GetHelpType();
}

bool TControlActionLink::IsHintLinked()
{
    return FAction && FClient && FClient->GetHint() == FAction->GetHint();
}

bool TControlActionLink::IsImageIndexLinked()
{
    return FAction != nullptr;
}

bool TControlActionLink::IsVisibleLinked()
{
    return FAction && FClient && FClient->GetVisible() == FAction->GetVisible();
}

void TControlActionLink::SetCaption(const std::string& Value)
{
    if (IsCaptionLinked())
        FClient->SetCaption(Value);
}

void TControlActionLink::SetChecked(bool) {}

void TControlActionLink::SetEnabled(bool Value)
{
    if (IsEnabledLinked())
        FClient->SetEnabled(Value);
}

void TControlActionLink::SetGroupIndex(int) {}

void TControlActionLink::SetHelpContext(int Value)
{
    if (IsHelpLinked())
        FClient->SetHelpContext(Value);
}

void TControlActionLink::SetHelpKeyword(const std::string& Value)
{
    if (IsHelpLinked())
        FClient->SetHelpKeyword(Value);
}

void TControlActionLink::SetHelpType(THelpType Value)
{
    if (IsHelpLinked())
        FClient->SetHelpType(Value);
}

void TControlActionLink::SetHint(const std::string& Value)
{
    if (IsHintLinked())
        FClient->SetHint(Value);
}

void TControlActionLink::SetImageIndex(int) {}

void TControlActionLink::SetVisible(bool Value)
{
    if (IsVisibleLinked())
        FClient->SetVisible(Value);
}

void TControl::SetVisible(bool Value)
{
    if (FVisible == Value)
        return;
    FVisible = Value;
    Perform(CM_VISIBLECHANGED, Value ? 1 : 0);
    RequestAlign();
    NotifyHostDockSite(CM_VISIBLECHANGED, Value ? 1 : 0, 0);
}

bool TControl::Showing() const
{
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool Value)
{
    if (FEnabled == Value)
        return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED);
}

bool TControl::IsEnabledInParents() const
{
    for (const TControl* c = this; c; c = c->FParent)
        if (!c->FEnabled)
            return false;
    return true;
}

void TControl::SetColor(TColor Value)
{
    if (FColor != Value) {
        FColor = Value;
        Perform(CM_COLORCHANGED);
    }
    FParentColor = false;
}

void TControl::SetParentColor(bool Value)
{
    if (FParentColor == Value)
        return;
    FParentColor = Value;
    if (Value && FParent)
        Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool Value)
{
    if (FParentFont == Value)
        return;
    FParentFont = Value;
    if (Value && FParent)
        Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode Value)
{
    FParentBiDiMode = false;
    if (FBiDiMode == Value)
        return;
    FBiDiMode = Value;
    Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool Value)
{
    if (FParentBiDiMode == Value)
        return;
    FParentBiDiMode = Value;
    if (Value && FParent)
        Perform(CM_PARENTBIDIMODECHANGED);
}

unsigned TControl::DrawTextBiDiModeFlagsReadingOnly() const
{
    return UseRightToLeftReading() ? static_cast<unsigned>(DT_RTLREADING) : 0u;
}

unsigned TControl::DrawTextBiDiModeFlags(unsigned Flags) const
{
    if (UseRightToLeftAlignment()) {
        // DT_LEFT is 0: a text without DT_RIGHT or DT_CENTER is left aligned and turns right.
        if ((Flags & DT_RIGHT) != 0)
            Flags &= ~static_cast<unsigned>(DT_RIGHT);
        else if ((Flags & DT_CENTER) == 0)
            Flags |= DT_RIGHT;
    }
    return Flags | DrawTextBiDiModeFlagsReadingOnly();
}

void TControl::CMParentBiDiModeChanged(TMessage&)
{
    if (!FParentBiDiMode || !FParent)
        return;
    const TBiDiMode parentMode = FParent->GetBiDiMode();
    if (FBiDiMode == parentMode)
        return;
    FBiDiMode = parentMode;
    Perform(CM_BIDIMODECHANGED);
}

void TControl::FontChanged()
{
    if (!FAdoptingParentFont)
        FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetShowHint(bool Value)
{
    FParentShowHint = false;
    if (FShowHint == Value)
        return;
    FShowHint = Value;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value)
{
    if (FParentShowHint == Value)
        return;
    FParentShowHint = Value;
    if (Value && FParent)
        Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor Value)
{
    if (FCursor == Value)
        return;
    FCursor = Value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetText(const std::string& Value)
{
    if (FText == Value)
        return;
    FText = Value;
    Perform(CM_TEXTCHANGED);
    NotifyHostDockSite(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FText.c_str()));
}

void TControl::BringToFront()
{
    if (FParent)
        FParent->ChangeZOrder(this, true);
    else if (auto* windowed = dynamic_cast<TWinControl*>(this); windowed && windowed->HandleAllocated())
        windowed->Host()->Widget()->raise();
}

void TControl::SendToBack()
{
    if (FParent)
        FParent->ChangeZOrder(this, false);
}

void TControl::InvalidateInParent(const TRect& Rect)
{
    if (FParent && FVisible && !Rect.IsEmpty())
        FParent->InvalidateRect(Rect);
}

void TControl::Invalidate()
{
    InvalidateInParent(GetBoundsRect());
}

void TControl::Update()
{
    if (FParent)
        FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

bool TControl::GetMouseCapture() const
{
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool Value)
{
    if (Value)
        SetCaptureControl(this);
    else if (GetCaptureControl() == this)
        SetCaptureControl(nullptr);
}

LRESULT TControl::Perform(unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage message{Msg, WParam, LParam, 0};
    Perform(message);
    return message.Result;
}

void TControl::Perform(TMessage& Message)
{
    if (!FObservesMessages) {
        WndProc(Message);
        return;
    }
    TMessage delivered = Message;
    const TControlRef<> alive(this);
    WndProc(Message);
    if (!alive || !FObservesMessages)
        return;
    delivered.Result = Message.Result;
    MessageDelivered(delivered);
}

void TControl::WndProc(TMessage& Message)
{
    if (IDragRunner* drags = GetDragRunner(); drags && drags->Intercept(*this, Message))
        return;
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        WMMouseButton(Message);
        return;
    case WM_MOUSEMOVE:
        WMMouseMove(Message);
        return;
    case WM_MOUSEWHEEL:
        WMMouseWheel(Message);
        return;
    case CM_MOUSEENTER:
        if (OnMouseEnter && !IsDestroying())
            OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        if (OnMouseLeave && !IsDestroying())
            OnMouseLeave(this);
        return;
    case WM_SIZE:
        if (!ComponentState().Contains(csLoading))
            Resize();
        DefaultHandler(Message);
        return;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_VISIBLECHANGED:
        Invalidate();
        if (Message.Msg == CM_VISIBLECHANGED && !Message.WParam)
            InvalidateInParent(GetBoundsRect());
        return;
    case CM_PARENTFONTCHANGED:
        CMParentFontChanged(Message);
        return;
    case CM_PARENTCOLORCHANGED:
        CMParentColorChanged(Message);
        return;
    case CM_PARENTSHOWHINTCHANGED:
        CMParentShowHintChanged(Message);
        return;
    case CM_PARENTBIDIMODECHANGED:
        CMParentBiDiModeChanged(Message);
        return;
    case CM_BIDIMODECHANGED:
        Invalidate();
        return;
    case CM_CURSORCHANGED:
        RefreshCursor(this);
        return;
    case WM_CANCELMODE:
        SetMouseCapture(false);
        DefaultHandler(Message);
        return;
    default:
        DefaultHandler(Message);
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::WMMouseButton(TMessage& Message)
{
    DefaultHandler(Message);
    const TControlRef<> alive(this);
    const unsigned index = Message.Msg - WM_LBUTTONDOWN;
    const TMouseButton button = index < 3 ? mbLeft : index < 6 ? mbRight : mbMiddle;
    const unsigned kind = index % 3;
    const TWMMouse mouse(Message);
    const TShiftState shift = KeysToShiftState(mouse.Keys());
    const int x = mouse.XPos();
    const int y = mouse.YPos();
    const bool clickEvents = FControlStyle.Contains(csClickEvents);
    if (kind == 1) {
        if (FControlStyle.Contains(csCaptureMouse))
            SetMouseCapture(false);
        if (button == mbLeft && FControlState.Contains(csClicked)) {
            FControlState.Exclude(csClicked);
            if (GetClientRect().Contains({x, y}))
                Click();
        }
        if (alive)
            MouseUp(button, shift, x, y);
        return;
    }
    if (FControlStyle.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (kind == 0) {
        if (button == mbLeft && clickEvents)
            FControlState.Include(csClicked);
        if (button == mbLeft && FDragMode == dmAutomatic)
            BeginDrag(false);
        MouseDown(button, shift, x, y);
        return;
    }
    if (button == mbLeft && clickEvents)
        DblClick();
    if (alive)
        MouseDown(button, shift + TShiftState{ssDouble}, x, y);
}

void TControl::WMMouseMove(TMessage& Message)
{
    DefaultHandler(Message);
    const TWMMouse mouse(Message);
    MouseMove(KeysToShiftState(mouse.Keys()), mouse.XPos(), mouse.YPos());
}

void TControl::WMMouseWheel(TMessage& Message)
{
    const TWMMouseWheel wheel(Message);
    if (DoMouseWheel(KeysToShiftState(wheel.Keys()), wheel.WheelDelta(), wheel.Pos()))
        Message.Result = 1;
    else
        DefaultHandler(Message);
}

void TControl::CMParentFontChanged(TMessage&)
{
    if (!FParentFont || !FParent)
        return;
    FAdoptingParentFont = true;
    try {
        FFont->Assign(FParent->Font());
    } catch (...) {
        FAdoptingParentFont = false;
        throw;
    }
    FAdoptingParentFont = false;
}

void TControl::CMParentColorChanged(TMessage&)
{
    if (!FParentColor || !FParent)
        return;
    SetColor(FParent->GetColor());
    FParentColor = true;
}

void TControl::CMParentShowHintChanged(TMessage&)
{
    if (!FParentShowHint || !FParent || FShowHint == FParent->GetShowHint())
        return;
    FShowHint = FParent->GetShowHint();
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::Click()
{
    if (IsDestroying())
        return;
    if (OnClick)
        OnClick(this);
    else if (FActionLink)
        FActionLink->Execute();
}

void TControl::DblClick()
{
    if (OnDblClick && !IsDestroying())
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown && !FControlStyle.Contains(csNoStdEvents))
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp && !FControlStyle.Contains(csNoStdEvents))
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove && !FControlStyle.Contains(csNoStdEvents))
        OnMouseMove(this, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    return handled;
}

void TControl::BeginDrag(bool Immediate, int ThresholdPx)
{
    if (IDragRunner* drags = GetDragRunner())
        drags->Begin(*this, Immediate, ThresholdPx < 0 ? kDefaultDragThresholdPx : ThresholdPx);
}

void TControl::EndDrag(bool Drop)
{
    if (Dragging())
        GetDragRunner()->End(Drop);
}

bool TControl::Dragging() const
{
    const IDragRunner* drags = GetDragRunner();
    return drags && drags->IsSource(*this);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    Accept = static_cast<bool>(OnDragOver);
    if (OnDragOver)
        OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y)
{
    if (OnDragDrop)
        OnDragDrop(this, Source, X, Y);
}

void TControl::DoStartDrag(TDragObject*& DragObject)
{
    if (OnStartDrag)
        OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y)
{
    if (OnEndDrag)
        OnEndDrag(this, Target, X, Y);
}

TWinControl* TControl::GetHostDockSite() const
{
    return FHostDockSiteToken.expired() ? nullptr : FHostDockSite;
}

bool TControl::Floating() const
{
    return FFloatingDocked && GetHostDockSite();
}

bool TControl::ManualDock(TWinControl* NewDockSite, TControl* DropControl, TAlign ControlSide)
{
    TDragDockObject dock(this);
    dock.DockRect = ScreenBoundsOf(*this);
    dock.DropOnControl = DropControl;
    dock.DropAlign = ControlSide;
    dock.Floating = NewDockSite == nullptr;
    return DockTo(NewDockSite, dock);
}

bool TControl::DockTo(TWinControl* NewDockSite, TDragDockObject& DockObject)
{
    const TControlRef<> alive(this);
    const TControlRef<TWinControl> target(NewDockSite);
    if (TWinControl* old = GetHostDockSite()) {
        if (old->Perform(CM_UNDOCKCLIENT, reinterpret_cast<WPARAM>(NewDockSite), reinterpret_cast<LPARAM>(this)) != 0)
            return false;
        if (!alive || (NewDockSite && !target))
            return false;
    }
    if (!NewDockSite)
        NewDockSite = MakeFloatingDockHost(*this, DockObject.DockRect);
    const TControlRef<TWinControl> site(NewDockSite);
    const TRect& r = DockObject.DockRect;
    const TPoint center{r.Left + r.Width() / 2, r.Top + r.Height() / 2};
    NewDockSite->Perform(CM_DOCKCLIENT, reinterpret_cast<WPARAM>(&DockObject), PointToLParam(center));
    if (!alive || !site || GetHostDockSite() != NewDockSite)
        return false;
    FFloatingDocked = DockObject.Floating;
    return true;
}

void TControl::Dock(TWinControl* NewDockSite, const TRect& ARect)
{
    if (!NewDockSite)
        return;
    const TControlRef<> alive(this);
    TWinControl* old = GetHostDockSite();
    NewDockSite->DoAddDockClient(this, ARect);
    if (!alive)
        return;
    FHostDockSite = NewDockSite;
    FHostDockSiteToken = NewDockSite->LifeToken();
    FFloatingDocked = false;
    auto& clients = NewDockSite->FDockClients;
    if (std::none_of(clients.begin(), clients.end(), [this](const TControlRef<>& c) { return c.Get() == this; }))
        clients.emplace_back(this);
    if (old && old != NewDockSite) {
        std::erase_if(old->FDockClients, [this](const TControlRef<>& c) { return !c || c.Get() == this; });
        old->DoRemoveDockClient(this);
    }
}

void TControl::NotifyHostDockSite(unsigned ClientMsg, WPARAM MsgWParam, LPARAM MsgLParam)
{
    TWinControl* host = GetHostDockSite();
    if (!host || IsDestroying())
        return;
    TDockNotifyRec record{ClientMsg, MsgWParam, MsgLParam};
    host->Perform(CM_DOCKNOTIFICATION, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(&record));
}

void TControl::Resize()
{
    if (OnResize && !IsDestroying())
        OnResize(this);
}

void SetCaptureControl(TControl* Control)
{
    MouseReferences& references = References();
    TControl* old = references.Capture.Get();
    if (old == Control)
        return;
    references.Capture = TControlRef<>(Control);
    if (old)
        old->Perform(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(Control));
}

TControl* GetCaptureControl()
{
    return References().Capture.Get();
}

void ReleaseCapture()
{
    SetCaptureControl(nullptr);
}

void SetHoverControl(TControl* Control)
{
    MouseReferences& references = References();
    TControl* old = references.Hover.Get();
    if (old == Control)
        return;
    references.Hover = TControlRef<>(Control);
    if (old)
        old->Perform(CM_MOUSELEAVE);
    if (Control && references.Hover.Get() == Control)
        Control->Perform(CM_MOUSEENTER);
}

TControl* GetHoverControl()
{
    return References().Hover.Get();
}

void RefreshCursor(const TControl* Control)
{
    TControl* hover = GetHoverControl();
    if (!hover)
        return;
    bool affected = false;
    for (const TControl* c = hover; c && !affected; c = c->GetParent())
        affected = c == Control;
    if (!affected)
        return;
    TWinControl* window = dynamic_cast<TWinControl*>(hover);
    if (!window)
        window = hover->GetParent();
    if (window && window->HandleAllocated())
        window->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

TRect ScreenBoundsOf(const TControl& Control)
{
    const TPoint topLeft = Control.GetParent() ? Control.GetParent()->ClientToScreen({Control.GetLeft(), Control.GetTop()})
                                               : TPoint{Control.GetLeft(), Control.GetTop()};
    return Bounds(topLeft.X, topLeft.Y, Control.GetWidth(), Control.GetHeight());
}

TShiftState KeysToShiftState(unsigned Keys)
{
    TShiftState shift;
    if (Keys & MK_SHIFT)
        shift.Include(ssShift);
    if (Keys & MK_CONTROL)
        shift.Include(ssCtrl);
    if (Keys & MK_LBUTTON)
        shift.Include(ssLeft);
    if (Keys & MK_RBUTTON)
        shift.Include(ssRight);
    if (Keys & MK_MBUTTON)
        shift.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0)
        shift.Include(ssAlt);
    return shift;
}

TShiftState KeyDataToShiftState(std::uint32_t KeyData)
{
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0)
        shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0)
        shift.Include(ssCtrl);
    if (KeyData & KF_ALTDOWN)
        shift.Include(ssAlt);
    return shift;
}

std::string GetShortHint(const std::string& Hint)
{
    const auto bar = Hint.find('|');
    return bar == std::string::npos ? Hint : Hint.substr(0, bar);
}

bool IsAccel(char32_t CharCode, const std::string& Caption)
{
    const int length = Utf8Length(Caption);
    for (int i = 1; i < length; ++i) {
        if (Utf8CodePointAt(Caption, i) != U'&')
            continue;
        const char32_t next = Utf8CodePointAt(Caption, i + 1);
        if (next == U'&') {
            ++i;
            continue;
        }
        return Utf8SameText(CodePointToUtf8(next), CodePointToUtf8(CharCode));
    }
    return false;
}

}  // namespace plat
