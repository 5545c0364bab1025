#include "platform/controls/forms/FocusManager.h"

#include "platform/controls/core/KeyboardFocus.h"
#include "platform/controls/core/WindowHost.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/forms/TScreen.h"

#include <QWidget>

namespace plat {

namespace {

void ControlDestroying(TControl& Control);

struct FocusState {
    TWinControl* Focused = nullptr;
    // Counts focus changes, so that a sequence notices when a handler moved the focus on.
    unsigned Generation = 0;
    bool MovingQtFocus = false;
    TReleaseHookRegistration Release = TControl::AddReleaseHook(ControlDestroying);
};

FocusState& State()
{
    static FocusState state;
    return state;
}

// Every reference to a control being freed goes, without messages to it.
void ControlDestroying(TControl& Control)
{
    FocusState& state = State();
    auto* windowed = dynamic_cast<TWinControl*>(&Control);
    if (!windowed)
        return;
    if (state.Focused && windowed->ContainsControl(state.Focused)) {
        state.Focused = nullptr;
        ++state.Generation;
    }
    TScreen& screen = TheScreen();
    for (int i = 0; i < screen.FormCount(); ++i) {
        TCustomForm* form = screen.Forms(i);
        if (form != &Control && !form->ComponentState().Contains(csDestroying))
            form->DefocusControl(windowed, true);
    }
}

class TFocusKeeper : public IFocusKeeper {
public:
    TWinControl* Focused() const override { return FocusManager::Focused(); }
    void SetFocus(TWinControl* Target) override { FocusManager::SetFocus(Target); }
    void RemoveFocus(TWinControl* Control) override { FocusManager::RemoveFocus(Control); }
};

}  // namespace

IFocusKeeper& FocusManager::Keeper()
{
    static TFocusKeeper keeper;
    return keeper;
}

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

void FocusManager::QtFocusIn(TWinControl* Control)
{
    FocusState& state = State();
    if (state.MovingQtFocus || state.Focused == Control || !Control->CanFocus())
        return;
    SetFocus(Control);
}

}  // namespace plat
