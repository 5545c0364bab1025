#include "platform/controls/forms/FocusManager.h"

#include "platform/controls/qt/HostWidget.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/forms/TScreen.h"

namespace plat {

namespace {

struct FocusState {
    TWinControl* Focused = nullptr;
    // Counts focus changes, so that a sequence notices when a handler moved the focus on.
    unsigned Generation = 0;
    bool MovingQtFocus = false;
};

FocusState& State()
{
    static FocusState state;
    return state;
}

}  // namespace

TWinControl* FocusManager::Focused()
{
    return State().Focused;
}

void FocusManager::SetFocus(TWinControl* Target)
{
    FocusState& state = State();
    if (state.Focused == Target)
        return;
    TCustomForm* form = Target ? GetParentForm(Target) : nullptr;
    if (form)
        TheScreen().SetActiveForm(form);

    TWinControl* old = state.Focused;
    const TControlRef<TWinControl> oldRef(old);
    const TControlRef<TWinControl> target(Target);
    const unsigned generation = ++state.Generation;
    auto interrupted = [&] { return state.Generation != generation || (Target && !target); };

    state.Focused = Target;
    if (old)
        old->Perform(WM_KILLFOCUS, reinterpret_cast<WPARAM>(Target));
    if (interrupted())
        return;
    if (!Target) {
        if (TWinControl* lost = oldRef.Get(); lost && lost->HandleAllocated())
            lost->Host()->Widget()->clearFocus();
        TheScreen().ActiveControlChanged();
        return;
    }
    Target->Perform(WM_SETFOCUS, reinterpret_cast<WPARAM>(oldRef.Get()));
    if (interrupted())
        return;
    if (form)
        form->SetFocusedControl(Target);
    if (interrupted())
        return;
    TheScreen().ActiveControlChanged();
    if (Target->HandleAllocated()) {
        state.MovingQtFocus = true;
        Target->Host()->Widget()->setFocus(Qt::OtherFocusReason);
        state.MovingQtFocus = false;
    }
}

void FocusManager::RemoveFocus(TWinControl* Control)
{
    TCustomForm* form = GetParentForm(Control);
    if (form && form != Control && form->CanFocus())
        SetFocus(form);
    else
        SetFocus(nullptr);
}

void FocusManager::ControlDestroying(TControl* Control)
{
    FocusState& state = State();
    auto* windowed = dynamic_cast<TWinControl*>(Control);
    if (!windowed)
        return;
    if (state.Focused && windowed->ContainsControl(state.Focused)) {
        state.Focused = nullptr;
        ++state.Generation;
    }
    TScreen& screen = TheScreen();
    for (int i = 0; i < screen.FormCount(); ++i) {
        TCustomForm* form = screen.Forms(i);
        if (form != Control && !form->ComponentState().Contains(csDestroying))
            form->DefocusControl(windowed, true);
    }
}

void FocusManager::QtFocusIn(TWinControl* Control)
{
    FocusState& state = State();
    if (state.MovingQtFocus || state.Focused == Control || !Control->CanFocus())
        return;
    SetFocus(Control);
}

}  // namespace plat
