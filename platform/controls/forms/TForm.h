#pragma once

#include "platform/controls/core/IFocusOwner.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/controls/forms/TGlassFrame.h"
#include "platform/core/TSet.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace plat {

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter,
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm;

// Keeps an observer of a form's messages for its own lifetime (or until Reset); outliving the
// form is harmless.
class TFormMessageObserverRegistration {
public:
    TFormMessageObserverRegistration() = default;
    TFormMessageObserverRegistration(TCustomForm* Form, std::uint64_t Id);
    TFormMessageObserverRegistration(TFormMessageObserverRegistration&& Other) noexcept;
    TFormMessageObserverRegistration& operator=(TFormMessageObserverRegistration&& Other) noexcept;
    ~TFormMessageObserverRegistration();
    void Reset();
    // The observer is in place: registered, not reset, and its form still there.
    bool Observing() const { return FForm.Get() != nullptr; }

private:
    TControlRef<TCustomForm> FForm;
    std::uint64_t FId = 0;
};

// A top-level window: frame and caption, the focus among its controls (active control, Tab
// order, default and cancel buttons, key preview), showing, modal showing and closing.
//
// Width and Height include the frame the border style gives (from the system metrics);
// ClientWidth and ClientHeight are the inside. A form starts hidden.
//
// Construction has a second step, AfterConstruction (OnCreate); Application->CreateForm and
// CreateForm below run it.
class TCustomForm : public TWinControl, public IFocusOwner {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    std::string ClassName() const override { return "TCustomForm"; }

    // Runs OnCreate, once the most derived constructor is done.
    virtual void AfterConstruction();

    TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons GetBorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TFormStyle GetFormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TPosition GetPosition() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    TWindowState GetWindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value);
    bool GetKeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    bool PreviewsKeys() const override { return FKeyPreview; }
    // Kept and read only: this desktop has no glass.
    TGlassFrame& GlassFrame() { return FGlassFrame; }
    const TGlassFrame& GlassFrame() const { return FGlassFrame; }

    // The control that has (or, while the form is not active, will get) the focus.
    TWinControl* GetActiveControl() const { return FActiveControl; }
    // Raises EInvalidOperation "Cannot focus a disabled or invisible window" when the form is
    // showing and the control cannot take the focus.
    void SetActiveControl(TWinControl* Control);
    void FocusControl(TWinControl* Control) override;
    bool Active() const;

    TModalResult GetModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

    // Shows the form, brings it to the top and activates it.
    void Show();
    void Hide();
    // Shows the form and runs a message loop until ModalResult is set (or the application
    // terminates: mrCancel), then hides it; other forms take no input meanwhile. Raises
    // EInvalidOperation "Cannot make a visible window modal" when the form is showing or
    // disabled. Under a test message queue the loop ends with EInvalidOperation when nothing
    // is left that could set ModalResult.
    TModalResult ShowModal();
    bool IsModal() const { return FModal; }
    // Asks OnCloseQuery, then OnClose with the default action, and acts on the action; the
    // main form ends the program. A modal form sets ModalResult to mrCancel instead.
    void Close();
    bool CloseQuery();
    // Frees the form once the current message has been handled.
    void Release();

    // Focus bookkeeping of the focus manager: the control inside this form that has the focus
    // (the form itself when none of its controls has).
    TWinControl* FocusedControl() const { return FFocusedControl; }
    void SetFocusedControl(TWinControl* Control);
    // Control (or something inside it) is losing the focus for good.
    void DefocusControl(TWinControl* Control, bool Removing) override;
    // Makes this the active form and gives the focus back to its active control (the first
    // control in Tab order, or the form itself, when it has none).
    void Activate();

    void Dispatch(TMessage& Message) override;

    // Observers see every message the form got, after the form's own handling: the message as
    // it came, with the Result the form gave it. They watch and never replace the form's
    // handling: several may watch one form, and one that is removed (or frees its owner) while
    // the others are told changes neither the form nor them.
    using TMessageObserver = std::function<void(TCustomForm& Form, const TMessage& Message)>;
    [[nodiscard]] TFormMessageObserverRegistration AddMessageObserver(TMessageObserver Observer);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void CreateParams(TCreateParams& Params) const override;
    void MessageDelivered(const TMessage& Message) override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual void DoActivate();
    virtual void DoDeactivate();

private:
    friend class TScreen;

    void CMDialogKey(TMessage& Message);
    void CMShowingChanged(bool Showing);
    void ApplyPosition();
    void FocusFirstControl();
    void CloseModal();
    void PressButton(bool Cancel, TMessage& Message);

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    bool FKeyPreview = false;
    TGlassFrame FGlassFrame;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    bool FShown = false;
    bool FCreated = false;
    bool FReleasing = false;
    friend class TFormMessageObserverRegistration;
    void RemoveMessageObserver(std::uint64_t Id);
    std::vector<std::pair<std::uint64_t, std::shared_ptr<TMessageObserver>>> FMessageObservers;
    std::uint64_t FNextMessageObserverId = 1;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    std::string ClassName() const override { return "TForm"; }
};

// The form a control sits on (its topmost parent, when that is a form), or nullptr.
TCustomForm* GetParentForm(const TControl* Control);

// Makes a form of class T for AOwner and runs its OnCreate.
template <typename T, typename... Args>
T* CreateForm(TComponent* AOwner, Args&&... args)
{
    T* form = new T(AOwner, std::forward<Args>(args)...);
    form->AfterConstruction();
    return form;
}

}  // namespace plat
