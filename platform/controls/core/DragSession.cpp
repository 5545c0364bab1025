#include "platform/controls/core/DragSession.h"

#include "platform/controls/core/DragObjects.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/controls/core/VirtualKeys.h"

#include <cstdlib>
#include <memory>
#include <utility>

namespace plat {

namespace {

struct DragState {
    bool Running = false;
    // Past the threshold: the drag object exists and targets hear of it.
    bool Started = false;
    TControlRef<> Source;
    TPoint StartPos;
    int ThresholdPx = kDefaultDragThresholdPx;
    // Pointer minus the source's top-left corner on the screen, for the floating dock rectangle.
    TPoint GrabOffset;
    std::unique_ptr<TDragObject> OwnedObject;
    TDragObject* Object = nullptr;
    TControlRef<> Target;
    bool Accepted = false;
};

DragState& Current()
{
    static DragState state;
    return state;
}

TDragTargetFinder& Finder()
{
    static TDragTargetFinder finder = nullptr;
    return finder;
}

// What targets get as Source: the dragged control for the layer's own drag objects.
TObject* SourceArgument(TDragObject& Object)
{
    if (auto* control = dynamic_cast<TDragControlObject*>(&Object))
        return control->Control();
    return &Object;
}

// Whether the drag that owns Object is still on (a handler may have ended it or freed its
// control).
bool StillDragging(const TDragObject* Object)
{
    const DragState& state = Current();
    return state.Running && state.Source && state.Object == Object;
}

TRect ScreenClientRect(const TWinControl& Site)
{
    const TPoint origin = Site.ClientOrigin();
    return Bounds(origin.X, origin.Y, Site.GetClientWidth(), Site.GetClientHeight());
}

// The dock site at a point: the nearest DockSite up from the control there, other than the
// dragged control, anything inside it and the floating window that holds it.
TWinControl* DockSiteAt(TPoint ScreenPos, const TControl& Source)
{
    TControl* found = Finder() ? Finder()(ScreenPos, false) : nullptr;
    const auto* sourceWindow = dynamic_cast<const TWinControl*>(&Source);
    for (TControl* c = found; c; c = c->GetParent()) {
        auto* window = dynamic_cast<TWinControl*>(c);
        if (window && window->GetDockSite() && window != &Source &&
            !(sourceWindow && sourceWindow->ContainsControl(window)) &&
            !(Source.Floating() && window == Source.GetHostDockSite()))
            return window;
    }
    return nullptr;
}

}  // namespace

void SetDragTargetFinder(TDragTargetFinder Finder_)
{
    Finder() = Finder_;
}

IDragRunner& TDragSession::Runner()
{
    class SessionRunner final : public IDragRunner {
    public:
        void Begin(TControl& Source, bool Immediate, int ThresholdPx) override
        {
            TDragSession::Begin(Source, Immediate, ThresholdPx);
        }
        bool Intercept(TControl& Receiver, TMessage& Message) override
        {
            return TDragSession::Intercept(Receiver, Message);
        }
        void End(bool Drop) override { TDragSession::End(Drop); }
        bool IsSource(const TControl& Control) const override { return TDragSession::IsSource(Control); }
    };
    static SessionRunner runner;
    return runner;
}

bool TDragSession::IsSource(const TControl& Control)
{
    const DragState& state = Current();
    return state.Running && state.Source.Get() == &Control;
}

TDragObject* TDragSession::ActiveObject()
{
    const DragState& state = Current();
    return state.Running && state.Started && state.Source ? state.Object : nullptr;
}

void TDragSession::Begin(TControl& Source, bool Immediate, int ThresholdPx)
{
    DragState& state = Current();
    if (state.Running && state.Source)
        return;
    state = DragState{};
    state.Running = true;
    state.Source = TControlRef<>(&Source);
    state.StartPos = GetCursorPos();
    state.ThresholdPx = ThresholdPx;
    const TRect bounds = ScreenBoundsOf(Source);
    state.GrabOffset = {state.StartPos.X - bounds.Left, state.StartPos.Y - bounds.Top};
    SetCaptureControl(&Source);
    if (Immediate)
        Start(state.StartPos);
}

void TDragSession::Start(TPoint ScreenPos)
{
    DragState& state = Current();
    TControl* source = state.Source.Get();
    state.Started = true;
    TDragObject* given = nullptr;
    source->DoStartDrag(given);
    if (!state.Source) {
        state = DragState{};
        return;
    }
    if (given) {
        state.Object = given;
    } else {
        if (source->GetDragKind() == dkDock)
            state.OwnedObject = std::make_unique<TDragDockObject>(source);
        else
            state.OwnedObject = std::make_unique<TDragControlObject>(source);
        state.Object = state.OwnedObject.get();
    }
    if (auto* dock = dynamic_cast<TDragDockObject*>(state.Object))
        dock->DockRect = ScreenBoundsOf(*source);
    Move(ScreenPos);
}

void TDragSession::Move(TPoint ScreenPos)
{
    DragState& state = Current();
    TDragObject* object = state.Object;
    object->DragPos = ScreenPos;
    TControl* old = state.Target.Get();
    TControl* source = state.Source.Get();
    auto* dock = dynamic_cast<TDragDockObject*>(object);
    TControl* found = dock ? DockSiteAt(ScreenPos, *source) : (Finder() ? Finder()(ScreenPos, false) : nullptr);
    const TControlRef<> foundRef(found);
    if (old && old != found) {
        Notify(*old, *object, dsDragLeave);
        if (!StillDragging(object))
            return;
    }
    state.Target = foundRef;
    bool accept = false;
    if (found) {
        if (dock)
            dock->DockRect = ScreenClientRect(static_cast<TWinControl&>(*found));
        accept = Notify(*found, *object, found == old ? dsDragMove : dsDragEnter);
        if (!StillDragging(object))
            return;
    }
    if (dock && !accept)
        dock->DockRect = Bounds(ScreenPos.X - state.GrabOffset.X, ScreenPos.Y - state.GrabOffset.Y,
                                source->GetWidth(), source->GetHeight());
    if (dock)
        dock->Floating = !accept;
    object->DragTarget = state.Target.Get();
    state.Accepted = accept && state.Target;
}

bool TDragSession::Notify(TControl& Target, TDragObject& Object, TDragState State)
{
    const TPoint p = Target.ScreenToClient(Object.DragPos);
    if (auto* dock = dynamic_cast<TDragDockObject*>(&Object)) {
        // A site accepts a dock unless its DockOver says no.
        bool accept = true;
        if (auto* site = dynamic_cast<TWinControl*>(&Target))
            site->DockOver(dock, p.X, p.Y, State, accept);
        return accept;
    }
    bool accept = false;
    Target.DragOver(SourceArgument(Object), p.X, p.Y, State, accept);
    return accept;
}

void TDragSession::End(bool Drop)
{
    DragState& state = Current();
    if (!state.Running)
        return;
    // Taken out first: the handlers below may start the next drag.
    DragState ended = std::exchange(state, DragState{});
    TControl* source = ended.Source.Get();
    if (source && GetCaptureControl() == source)
        ReleaseCapture();
    if (!ended.Started || !ended.Source)
        return;
    TDragObject& object = *ended.Object;
    const TPoint pos = object.DragPos;
    TControl* target = ended.Target.Get();
    object.Cancelling = !Drop;
    if (auto* dock = dynamic_cast<TDragDockObject*>(&object)) {
        if (Drop && (dock->Floating || (ended.Accepted && target))) {
            auto* site = dock->Floating ? nullptr : dynamic_cast<TWinControl*>(target);
            object.Dropped = DropDock(*source, site, *dock);
        } else if (target) {
            Notify(*target, object, dsDragLeave);
        }
    } else if (Drop && ended.Accepted && target) {
        const TPoint p = target->ScreenToClient(pos);
        target->DragDrop(SourceArgument(object), p.X, p.Y);
        object.Dropped = true;
    } else if (target) {
        Notify(*target, object, dsDragLeave);
    }
    if (!ended.Source)
        return;
    if (!object.Dropped)
        source->DragCanceled();
    if (!ended.Source)
        return;
    TControl* endTarget = object.Dropped ? ended.Target.Get() : nullptr;
    const TPoint p = endTarget ? endTarget->ScreenToClient(pos) : pos;
    source->DoEndDrag(endTarget, p.X, p.Y);
}

bool TDragSession::DropDock(TControl& Source, TWinControl* Site, TDragDockObject& Dock)
{
    // A control alone in its floating window moves with the window instead of leaving it.
    TWinControl* host = Source.GetHostDockSite();
    if (!Site && Source.Floating() && host && host->DockClientCount() == 1) {
        const TPoint origin = host->ClientOrigin();
        host->SetBounds(host->GetLeft() + Dock.DockRect.Left - origin.X, host->GetTop() + Dock.DockRect.Top - origin.Y,
                        host->GetWidth(), host->GetHeight());
        return true;
    }
    return Source.DockTo(Site, Dock);
}

bool TDragSession::Intercept(TControl& Receiver, TMessage& Message)
{
    DragState& state = Current();
    if (!state.Running)
        return false;
    if (!state.Source) {
        state = DragState{};
        return false;
    }
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_ESCAPE) {
        const bool started = state.Started;
        End(false);
        return started;
    }
    if (state.Source.Get() != &Receiver)
        return false;
    if (Message.Msg == WM_CAPTURECHANGED) {
        if (reinterpret_cast<TControl*>(Message.LParam) != &Receiver)
            End(false);
        return false;
    }
    if (Message.Msg < WM_MOUSEFIRST || Message.Msg > WM_MOUSELAST)
        return false;
    const TPoint pos = Receiver.ClientToScreen(TWMMouse(Message).Pos());
    switch (Message.Msg) {
    case WM_MOUSEMOVE:
        if (!state.Started) {
            if (std::abs(pos.X - state.StartPos.X) < state.ThresholdPx &&
                std::abs(pos.Y - state.StartPos.Y) < state.ThresholdPx)
                return false;
            Start(pos);
            return true;
        }
        Move(pos);
        return true;
    case WM_LBUTTONUP:
        if (!state.Started) {
            End(false);
            return false;
        }
        if (state.Object->DragPos.X != pos.X || state.Object->DragPos.Y != pos.Y) {
            const TDragObject* object = state.Object;
            Move(pos);
            if (!StillDragging(object))
                return true;
        }
        End(true);
        return true;
    case WM_RBUTTONDOWN:
        if (!state.Started)
            return false;
        End(false);
        return true;
    default:
        return state.Started;
    }
}

}  // namespace plat
