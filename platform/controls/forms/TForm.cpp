#include "platform/controls/forms/TForm.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/KeyboardFocus.h"
#include "platform/controls/core/MessageDelivery.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/core/WindowHost.h"
#include "platform/controls/forms/IButtonControl.h"
#include "platform/controls/forms/IFormRunner.h"
#include "platform/controls/forms/ModalStack.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/controls/services/MessageQueue.h"
#include "platform/controls/services/UiServices.h"
#include "platform/core/Exception.h"

#include <QWidget>

#include <algorithm>

namespace plat {

TCustomForm* GetParentForm(const TControl* Control)
{
    const TControl* top = Control;
    while (top && top->GetParent())
        top = top->GetParent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner)
{
    InitVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    TheScreen().AddForm(this);
}

TCustomForm::~TCustomForm()
{
    if (FCreated && OnDestroy)
        Guarded(this, [this] { OnDestroy(this); });
    ReleaseLayerReferences();
    ModalStack::Remove(this);
    TheScreen().RemoveForm(this);
}

void TCustomForm::AfterConstruction()
{
    if (FCreated)
        return;
    FCreated = true;
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::CreateParams(TCreateParams& Params) const
{
    TWinControl::CreateParams(Params);
    Params.Style = WS_CLIPCHILDREN;
    Params.ExStyle = 0;
    switch (FBorderStyle) {
    case bsNone:
        Params.Style |= WS_POPUP;
        break;
    case bsSingle:
        Params.Style |= WS_CAPTION;
        break;
    case bsSizeable:
        Params.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsDialog:
        Params.Style |= WS_POPUP | WS_CAPTION;
        Params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case bsToolWindow:
        Params.Style |= WS_CAPTION;
        Params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        Params.Style |= WS_CAPTION | WS_THICKFRAME;
        Params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
        Params.Style |= WS_SYSMENU;
        if (FBorderStyle == bsSingle || FBorderStyle == bsSizeable) {
            if (FBorderIcons.Contains(biMinimize))
                Params.Style |= WS_MINIMIZEBOX;
            if (FBorderIcons.Contains(biMaximize))
                Params.Style |= WS_MAXIMIZEBOX;
        }
    }
    if (FFormStyle == fsStayOnTop)
        Params.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value)
{
    if (FBorderStyle == Value)
        return;
    FBorderStyle = Value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value)
{
    if (FBorderIcons == Value)
        return;
    FBorderIcons = Value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value)
{
    if (FFormStyle == Value)
        return;
    FFormStyle = Value;
    RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState Value)
{
    if (FWindowState == Value)
        return;
    FWindowState = Value;
    if (!HandleAllocated() || !GetVisible())
        return;
    QWidget* widget = Host()->Widget();
    switch (Value) {
    case wsMinimized:
        widget->showMinimized();
        break;
    case wsMaximized:
        widget->showMaximized();
        break;
    case wsNormal:
        widget->showNormal();
        break;
    }
}

bool TCustomForm::Active() const
{
    return TheScreen().ActiveForm() == this;
}

void TCustomForm::SetActiveControl(TWinControl* Control)
{
    if (Control && (Control == this || !ContainsControl(Control)))
        throw EInvalidOperation("%s is not a control of this form", {Control->GetName()});
    if (!Control) {
        FActiveControl = nullptr;
        if (Active() && ContainsControl(GetKeyboardFocus()) && CanFocus())
            SetKeyboardFocus(this);
        return;
    }
    if (!Showing() || ComponentState().Contains(csLoading)) {
        FActiveControl = Control;
        return;
    }
    if (!Control->CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = Control;
    if (Active())
        SetKeyboardFocus(Control);
}

void TCustomForm::FocusControl(TWinControl* Control)
{
    const bool wasActive = Active();
    SetActiveControl(Control);
    if (!wasActive && Showing())
        Activate();
}

void TCustomForm::SetFocusedControl(TWinControl* Control)
{
    if (IsDestroying())
        return;
    const TControlRef<TWinControl> target(Control);
    if (Control != this)
        FActiveControl = Control;
    if (FFocusedControl == Control)
        return;
    TWinControl* previous = FFocusedControl;
    FFocusedControl = Control;
    auto moved = [&] { return !target || FFocusedControl != Control; };

    // Leave the controls that do not hold the new one, innermost first.
    for (TWinControl* c = previous; c && c != this && !c->ContainsControl(Control);) {
        const TControlRef<TWinControl> left(c);
        TWinControl* parent = c->GetParent();
        c->Perform(CM_EXIT);
        if (moved() || !left)
            return;
        c = parent;
    }
    // Enter the controls that hold the new one, outermost first.
    std::vector<TControlRef<TWinControl>> entered;
    for (TWinControl* c = Control; c && c != this && !(previous && c->ContainsControl(previous)); c = c->GetParent())
        entered.emplace_back(c);
    for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
        if (TWinControl* c = it->Get())
            c->Perform(CM_ENTER);
        if (moved())
            return;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing)
{
    if (Removing && FFocusedControl && Control->ContainsControl(FFocusedControl))
        FFocusedControl = Control->GetParent() && ContainsControl(Control->GetParent()) ? Control->GetParent() : this;
    if (FActiveControl && Control->ContainsControl(FActiveControl))
        FActiveControl = nullptr;
}

void TCustomForm::Activate()
{
    if (IsDestroying() || !Showing())
        return;
    TheScreen().SetActiveForm(this);
    if (ContainsControl(GetKeyboardFocus()))
        return;
    if (FActiveControl && FActiveControl->CanFocus())
        SetKeyboardFocus(FActiveControl);
    else
        FocusFirstControl();
}

void TCustomForm::FocusFirstControl()
{
    if (TWinControl* first = FindNextControl(nullptr, true, true))
        SetKeyboardFocus(first);
    else if (CanFocus())
        SetKeyboardFocus(this);
}

void TCustomForm::Show()
{
    SetVisible(true);
    BringToFront();
    Activate();
}

void TCustomForm::Hide()
{
    SetVisible(false);
}

void TCustomForm::CMShowingChanged(bool Showing)
{
    const TControlRef<> alive(this);
    if (Showing) {
        if (!FShown) {
            FShown = true;
            ApplyPosition();
        }
        DoShow();
        if (alive)
            Activate();
        return;
    }
    DoHide();
    if (!alive)
        return;
    if (Active()) {
        TheScreen().SetActiveForm(nullptr);
        if (TCustomForm* next = TheScreen().LastActiveForm(this))
            next->Activate();
    }
}

void TCustomForm::ApplyPosition()
{
    TRect area;
    switch (FPosition) {
    case poScreenCenter:
        area = TheScreen().WorkAreaRect();
        break;
    case poDesktopCenter:
        area = TheScreen().DesktopRect();
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        const IFormRunner* runner = GetFormRunner();
        TCustomForm* over = FPosition == poMainFormCenter ? (runner ? runner->MainForm() : nullptr)
                                                          : dynamic_cast<TCustomForm*>(Owner());
        area = over && over != this ? over->GetBoundsRect() : TheScreen().WorkAreaRect();
        break;
    }
    default:
        return;
    }
    SetBounds(area.Left + (area.Width() - GetWidth()) / 2, area.Top + (area.Height() - GetHeight()) / 2, GetWidth(),
              GetHeight());
}

TModalResult TCustomForm::ShowModal()
{
    if (GetVisible() || !GetEnabled() || FModal)
        throw EInvalidOperation("Cannot make a visible window modal");
    ReleaseCapture();
    if (IFormRunner* runner = GetFormRunner())
        runner->CancelHint();
    const TControlRef<TCustomForm> previous(TheScreen().ActiveForm());
    const TControlRef<TCustomForm> self(this);
    FModal = true;
    std::vector<TWinControl*> showing;
    for (int i = 0; i < TheScreen().FormCount(); ++i)
        if (TCustomForm* other = TheScreen().Forms(i); other != this && other->Showing())
            showing.push_back(other);
    ModalStack::Push(this, showing);
    FModalResult = mrNone;
    auto restore = [&] {
        if (!self)
            return;
        FModal = false;
        ModalStack::Remove(this);
        Hide();
        if (TCustomForm* form = previous.Get(); form && form != this && form->Showing())
            form->Activate();
    };
    try {
        Show();
        while (self && FModalResult == mrNone) {
            if (!Messages().ProcessOne(true))
                throw EInvalidOperation("Nothing is left to end the modal loop of %s", {ClassName()});
            if (!self)
                break;
            if (const IFormRunner* runner = GetFormRunner(); runner && runner->Terminated())
                FModalResult = mrCancel;
            if (FModalResult != mrNone)
                CloseModal();
        }
    } catch (...) {
        restore();
        throw;
    }
    if (!self)
        return mrCancel;
    const TModalResult result = FModalResult;
    restore();
    return result;
}

void TCustomForm::CloseModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        FModalResult = mrNone;
    else if (action == caFree)
        Release();
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = FFormStyle == fsMDIChild ? (FBorderIcons.Contains(biMinimize) ? caMinimize : caNone) : caHide;
    const TControlRef<> alive(this);
    DoClose(action);
    if (!alive || action == caNone)
        return;
    if (IFormRunner* runner = GetFormRunner(); runner && runner->MainForm() == this) {
        runner->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Release();
        break;
    default:
        break;
    }
}

void TCustomForm::Release()
{
    if (FReleasing)
        return;
    FReleasing = true;
    PostMessage(this, CM_RELEASE);
}

void TCustomForm::DoClose(TCloseAction& Action)
{
    if (OnClose && !IsDestroying())
        OnClose(this, Action);
}

void TCustomForm::DoShow()
{
    if (OnShow && !IsDestroying())
        OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide && !IsDestroying())
        OnHide(this);
}

void TCustomForm::DoActivate()
{
    if (OnActivate && !IsDestroying())
        OnActivate(this);
}

void TCustomForm::DoDeactivate()
{
    if (OnDeactivate && !IsDestroying())
        OnDeactivate(this);
}

void TCustomForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_DIALOGKEY:
        CMDialogKey(Message);
        return;
    case WM_CLOSE:
        Close();
        return;
    case CM_RELEASE:
        delete this;
        return;
    case CM_VISIBLECHANGED: {
        const bool showing = Message.WParam != 0;
        if (showing)
            HandleNeeded();
        const TControlRef<> alive(this);
        TWinControl::Dispatch(Message);
        if (alive && !IsDestroying())
            CMShowingChanged(showing);
        return;
    }
    default:
        TWinControl::Dispatch(Message);
    }
}

void TCustomForm::CMDialogKey(TMessage& Message)
{
    const TWMKey key(Message);
    const TShiftState shift = KeyDataToShiftState(key.KeyData());
    switch (key.CharCode()) {
    case VK_TAB:
        if (!shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) {
            TWinControl* focused = GetKeyboardFocus();
            SelectNext(ContainsControl(focused) ? focused : FActiveControl, !shift.Contains(ssShift), true);
            Message.Result = 1;
            return;
        }
        break;
    case VK_RETURN:
    case VK_ESCAPE:
        if (shift.Empty()) {
            PressButton(key.CharCode() == VK_ESCAPE, Message);
            if (Message.Result)
                return;
        }
        break;
    default:
        break;
    }
    TWinControl::Dispatch(Message);
}

void TCustomForm::PressButton(bool Cancel, TMessage& Message)
{
    auto usable = [](TControl* c) { return c->Showing() && c->IsEnabledInParents(); };
    IButtonControl* button = nullptr;
    if (!Cancel) {
        TWinControl* focused = GetKeyboardFocus();
        if (ContainsControl(focused))
            button = dynamic_cast<IButtonControl*>(focused);
    }
    if (!button) {
        std::vector<TControl*> pending{this};
        while (!pending.empty() && !button) {
            TControl* c = pending.back();
            pending.pop_back();
            auto* candidate = dynamic_cast<IButtonControl*>(c);
            if (candidate && usable(c) && (Cancel ? candidate->GetCancel() : candidate->GetDefault()))
                button = candidate;
            if (auto* parent = dynamic_cast<TWinControl*>(c))
                for (int i = parent->ControlCount() - 1; i >= 0; --i)
                    pending.push_back(parent->Controls(i));
        }
    }
    if (!button)
        return;
    Message.Result = 1;
    button->Press();
}

}  // namespace plat

namespace plat {

TFormMessageObserverRegistration::TFormMessageObserverRegistration(TCustomForm* Form, std::uint64_t Id)
    : FForm(Form), FId(Id)
{
}

TFormMessageObserverRegistration::TFormMessageObserverRegistration(TFormMessageObserverRegistration&& Other) noexcept
    : FForm(std::exchange(Other.FForm, {})), FId(std::exchange(Other.FId, 0))
{
}

TFormMessageObserverRegistration& TFormMessageObserverRegistration::operator=(
    TFormMessageObserverRegistration&& Other) noexcept
{
    if (this != &Other) {
        Reset();
        FForm = std::exchange(Other.FForm, {});
        FId = std::exchange(Other.FId, 0);
    }
    return *this;
}

TFormMessageObserverRegistration::~TFormMessageObserverRegistration()
{
    Reset();
}

void TFormMessageObserverRegistration::Reset()
{
    if (TCustomForm* form = FForm.Get())
        form->RemoveMessageObserver(FId);
    FForm = {};
    FId = 0;
}

TFormMessageObserverRegistration TCustomForm::AddMessageObserver(TMessageObserver Observer)
{
    const std::uint64_t id = FNextMessageObserverId++;
    FMessageObservers.emplace_back(id, std::make_shared<TMessageObserver>(std::move(Observer)));
    SetObservesMessages(true);
    return TFormMessageObserverRegistration(this, id);
}

void TCustomForm::RemoveMessageObserver(std::uint64_t Id)
{
    std::erase_if(FMessageObservers, [Id](const auto& entry) { return entry.first == Id; });
    SetObservesMessages(!FMessageObservers.empty());
}

void TCustomForm::MessageDelivered(const TMessage& Message)
{
    // A copy, each observer kept alive by it while it runs: an observer may remove itself or
    // another one, or free the form.
    const auto observers = FMessageObservers;
    const TControlRef<TCustomForm> alive(this);
    for (const auto& [id, observer] : observers) {
        const bool registered = std::any_of(FMessageObservers.begin(), FMessageObservers.end(),
                                            [id = id](const auto& entry) { return entry.first == id; });
        if (registered)
            (*observer)(*this, Message);
        if (!alive)
            return;
    }
}

}  // namespace plat
