#include "platform/controls/forms/HintManager.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/forms/HintInfo.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/THintWindow.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/controls/services/InputState.h"
#include "platform/controls/services/TimerService.h"
#include "platform/controls/services/UiServices.h"

namespace plat {

namespace {

// Below the arrow cursor, where the hint does not hide what the cursor points at.
constexpr int cursorHeightMargin = 20;

struct ServiceTimer {
    ITimerService* Service = nullptr;
    int Handle = 0;

    void Stop()
    {
        if (Handle)
            Service->KillTimer(Handle);
        Handle = 0;
    }
    void Start(int Ms, std::function<void()> Tick)
    {
        Stop();
        Service = &Timers();
        Handle = Service->StartTimer(Ms, std::move(Tick));
    }
};

void ControlDestroying(TControl& Control);

struct HintState {
    TControlRef<> Candidate;
    TPoint CursorScreen;
    ServiceTimer Pause;
    ServiceTimer Hide;
    THintWindow* Window = nullptr;
    TControlRef<> ShownFor;
    TRect CursorRectScreen;
    // A hint showed a moment ago: the next one follows after the short pause.
    bool Recent = false;
    TReleaseHookRegistration Release = TControl::AddReleaseHook(ControlDestroying);
};

HintState& State()
{
    static HintState state;
    return state;
}

// The first control from Control up with ShowHint.
TControl* HintControlOf(TControl* Control)
{
    for (TControl* c = Control; c; c = c->GetParent())
        if (c->GetShowHint())
            return c;
    return nullptr;
}

std::string HintTextOf(const TControl* Control)
{
    for (const TControl* c = Control; c; c = c->GetParent())
        if (!c->GetHint().empty())
            return c->GetHint();
    return {};
}

void HideHint()
{
    HintState& state = State();
    state.Hide.Stop();
    if (THintWindow* window = state.Window) {
        state.Window = nullptr;
        delete window;
    }
    state.ShownFor = {};
}

void ActivateHint();

void StartPause(int Ms)
{
    State().Pause.Start(Ms, [] { Guarded(nullptr, ActivateHint); });
}

void ActivateHint()
{
    HintState& state = State();
    state.Pause.Stop();
    TControl* control = state.Candidate.Get();
    if (!control || !Application->GetShowHint() || !control->Showing())
        return;
    HideHint();
    THintInfo info;
    info.HintControl = control;
    info.HintWindowClass = Application->HintWindowClass;
    info.HintPos = {state.CursorScreen.X, state.CursorScreen.Y + cursorHeightMargin};
    info.HintMaxWidth = TheScreen().Width();
    info.HintColor = Application->GetHintColor();
    info.CursorRect = control->GetClientRect();
    info.CursorPos = control->ScreenToClient(state.CursorScreen);
    info.HideTimeout = Application->GetHintHidePause();
    info.HintStr = GetShortHint(HintTextOf(control));
    const TControlRef<> alive(control);
    if (control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0 || !alive)
        return;
    bool canShow = true;
    Application->DoShowHint(info.HintStr, canShow, info);
    if (!canShow || info.HintStr.empty() || !alive)
        return;

    THintWindow* window = info.HintWindowClass ? info.HintWindowClass(nullptr) : new THintWindow(nullptr);
    state.Window = window;
    window->SetColor(info.HintColor);
    const TRect size = window->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    window->ActivateHintData(Bounds(info.HintPos.X, info.HintPos.Y, size.Width(), size.Height()), info.HintStr,
                             info.HintData);
    state.ShownFor = TControlRef<>(control);
    const TPoint origin = control->ClientToScreen({info.CursorRect.Left, info.CursorRect.Top});
    state.CursorRectScreen = Bounds(origin.X, origin.Y, info.CursorRect.Width(), info.CursorRect.Height());
    state.Recent = true;
    if (info.HideTimeout > 0)
        state.Hide.Start(info.HideTimeout, [] { Guarded(nullptr, HideHint); });
    if (info.ReshowTimeout > 0)
        StartPause(info.ReshowTimeout);
}

// A control being freed takes its hint along; the hint window being freed is forgotten.
void ControlDestroying(TControl& Control)
{
    HintState& state = State();
    if (&Control == state.Window) {
        state.Window = nullptr;
        state.Hide.Stop();
        state.ShownFor = {};
        return;
    }
    if (&Control == state.Candidate.Get() || &Control == state.ShownFor.Get())
        HintManager::CancelHint();
}

}  // namespace

void HintManager::MouseMoved(TControl* Control, TPoint ScreenPos)
{
    HintState& state = State();
    state.CursorScreen = ScreenPos;
    TControl* candidate = HintControlOf(Control);
    if (state.Window || state.ShownFor.Get()) {
        if (candidate && candidate == state.ShownFor.Get() && state.CursorRectScreen.Contains(ScreenPos))
            return;
        HideHint();
    }
    if (candidate == state.Candidate.Get() && state.Pause.Handle)
        return;
    state.Candidate = TControlRef<>(candidate);
    state.Pause.Stop();
    if (!candidate) {
        state.Recent = false;
        return;
    }
    StartPause(state.Recent ? Application->GetHintShortPause() : Application->GetHintPause());
}

void HintManager::CancelHint()
{
    HintState& state = State();
    state.Pause.Stop();
    HideHint();
    state.Candidate = {};
    state.Recent = false;
}

THintWindow* HintManager::ShowingHintWindow()
{
    return State().Window;
}

TControl* HintManager::HintControl()
{
    return State().ShownFor.Get();
}

}  // namespace plat
