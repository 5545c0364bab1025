#include "pager/glow/TVezCustomGlowButton.h"

#include "foundation/OfficeTheme.h"
#include "foundation/TGDIPPicture.h"
#include "foundation/TVezHintInfo.h"
#include "pager/glow/GlowAnimation.h"
#include "pager/glow/GlowButtonStyles.h"
#include "pager/glow/TGlowButtonAppearance.h"
#include "pager/glow/TShortCutHintWindow.h"
#include "pager/glow/TVezGlowButtonActionLink.h"
#include "platform/controls/core/TCustomAction.h"
#include "platform/controls/forms/DragTarget.h"
#include "platform/controls/core/KeyboardFocus.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/forms/TPopupMenu.h"
#include "platform/controls/forms/TTimer.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TChangeLink.h"
#include "platform/graphics/TImageList.h"

#include <algorithm>

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

constexpr int kFadeStep = 20;

void CopyImageListContents(plat::TImageList& Target, const plat::TImageList& Source)
{
    if (&Target == &Source)
        return;
    Target.Clear();
    Target.SetWidth(Source.GetWidth());
    Target.SetHeight(Source.GetHeight());
    for (int i = 0; i < Source.GetCount(); ++i) {
        plat::TBitmap image;
        Source.GetBitmap(i, image);
        Target.Add(image, nullptr);
    }
}

}  // namespace

TVezCustomGlowButton::TVezCustomGlowButton(plat::TComponent* AOwner)
    : plat::TCustomControl(AOwner),
      FAppearance(std::make_unique<TGlowButtonAppearance>()),
      FIPicture(std::make_unique<TGDIPPicture>()),
      FIDisabledPicture(std::make_unique<TGDIPPicture>()),
      FIHotPicture(std::make_unique<TGDIPPicture>()),
      FOfficeHint(std::make_unique<TVezHintInfo>()),
      FNotes(std::make_unique<plat::TStringList>()),
      FNotesFont(std::make_unique<plat::TFont>()),
      FImageChangeLink(std::make_unique<plat::TChangeLink>()),
      FDisabledImageChangeLink(std::make_unique<plat::TChangeLink>()),
      FHotImageChangeLink(std::make_unique<plat::TChangeLink>())
{
    plat::TControlStyle style = GetControlStyle();
    // A second click is another press, not a double click.
    style.Exclude(plat::csDoubleClicks);
    SetControlStyle(style);
    SetBounds(GetLeft(), GetTop(), 100, 41);
    SetDoubleBuffered(true);
    FImageChangeLink->OnChange = [this](plat::TObject*) {
        if (HandleAllocated())
            Invalidate();
    };
    FDisabledImageChangeLink->OnChange = [this](plat::TObject*) { Invalidate(); };
    FHotImageChangeLink->OnChange = [this](plat::TObject*) { Invalidate(); };
    FNotesFont->SetName("Tahoma");
    FNotesFont->SetSize(8);
    FIPicture->OnChange = [this](plat::TObject*) { UpdateSize(); };
    FIDisabledPicture->OnChange = [this](plat::TObject*) { UpdateSize(); };
    FAppearance->OnChange = [this](plat::TObject*) { AppearanceChanged(); };
    FOldLayout = FLayout;
    FOldDropDownPosition = FDropDownPosition;
}

TVezCustomGlowButton::~TVezCustomGlowButton()
{
    // The hint window, the timers and the rest of what the button owns go with the component;
    // silence the callbacks that would reach back into a half-freed button.
    FAppearance->OnChange = nullptr;
    FIPicture->OnChange = nullptr;
    FIDisabledPicture->OnChange = nullptr;
    FImageChangeLink->OnChange = nullptr;
    FDisabledImageChangeLink->OnChange = nullptr;
    FHotImageChangeLink->OnChange = nullptr;
    ReleaseLayerReferences();
}

std::string TVezCustomGlowButton::GetVersion() const
{
    const auto nr = static_cast<unsigned>(GetVersionNr());
    return std::to_string((nr >> 24) & 0xFF) + "." + std::to_string((nr >> 16) & 0xFF) + "." +
           std::to_string((nr >> 8) & 0xFF) + "." + std::to_string(nr & 0xFF);
}

// --- Properties -----------------------------------------------------------------------------

void TVezCustomGlowButton::SetAppearance(const TGlowButtonAppearance& Value)
{
    FAppearance->Assign(Value);
    RecolorShortCutHint();
}

void TVezCustomGlowButton::SetPicture(const TGDIPPicture& Value)
{
    FIPicture->Assign(Value);
    Invalidate();
}

void TVezCustomGlowButton::SetDisabledPicture(const TGDIPPicture& Value)
{
    FIDisabledPicture->Assign(Value);
    Invalidate();
}

void TVezCustomGlowButton::SetHotPicture(const TGDIPPicture& Value)
{
    FIHotPicture->Assign(Value);
}

void TVezCustomGlowButton::SetNotes(const plat::TStrings& Value)
{
    FNotes->Assign(Value);
    Invalidate();
}

void TVezCustomGlowButton::SetNotesFont(const plat::TFont& Value)
{
    FNotesFont->Assign(Value);
    Invalidate();
}

void TVezCustomGlowButton::ChangeImageList(plat::TImageList*& Field, plat::TImageList* Value, plat::TChangeLink& Link)
{
    if (Field == Value)
        return;
    if (Field) {
        Field->UnRegisterChanges(&Link);
        Field->RemoveFreeNotification(this);
    }
    Field = Value;
    if (Field) {
        Field->RegisterChanges(&Link);
        Field->FreeNotification(this);
    }
}

void TVezCustomGlowButton::SetImages(plat::TImageList* Value)
{
    ChangeImageList(FImages, Value, *FImageChangeLink);
    UpdateSize();
    Invalidate();
}

void TVezCustomGlowButton::SetDisabledImages(plat::TImageList* Value)
{
    ChangeImageList(FDisabledImages, Value, *FDisabledImageChangeLink);
    Invalidate();
}

void TVezCustomGlowButton::SetHotImages(plat::TImageList* Value)
{
    ChangeImageList(FHotImages, Value, *FHotImageChangeLink);
    Invalidate();
}

void TVezCustomGlowButton::SetDefault(bool Value)
{
    FDefault = Value;
    const auto* focused = dynamic_cast<const TVezCustomGlowButton*>(plat::GetKeyboardFocus());
    FActive = focused ? focused == this : Value;
}

void TVezCustomGlowButton::SetImageIndex(int Value)
{
    if (FImageIndex == Value)
        return;
    FImageIndex = Value;
    UpdateSize();
}

void TVezCustomGlowButton::SetImageListType(TImageListType Value)
{
    FImageListType = Value;
    UpdateSize();
}

void TVezCustomGlowButton::SetAllowAllUp(bool Value)
{
    FAllowAllUp = Value;
    NotifyGroup();
}

void TVezCustomGlowButton::SetAntiAlias(TAntiAlias Value)
{
    FAntiAlias = Value;
    Invalidate();
}

void TVezCustomGlowButton::SetBorderStyle(TGlowBorderStyle Value)
{
    FBorderStyle = Value;
    Invalidate();
}

void TVezCustomGlowButton::SetGroupIndex(int Value)
{
    FGroupIndex = Value;
    NotifyGroup();
}

void TVezCustomGlowButton::SetLayout(TButtonLayout Value)
{
    FLayout = Value;
    Invalidate();
}

void TVezCustomGlowButton::SetPosition(TButtonPosition Value)
{
    FButtonPosition = Value;
    Invalidate();
}

void TVezCustomGlowButton::SetRounded(bool Value)
{
    FRounded = Value;
    Invalidate();
}

void TVezCustomGlowButton::SetShowCaption(bool Value)
{
    FShowCaption = Value;
    UpdateSize();
}

void TVezCustomGlowButton::SetShowDisabled(bool Value)
{
    FShowDisabled = Value;
    Invalidate();
}

void TVezCustomGlowButton::SetSpacing(int Value)
{
    FSpacing = Value;
    Invalidate();
}

void TVezCustomGlowButton::SetTransparent(bool Value)
{
    FTransparent = Value;
    Invalidate();
}

void TVezCustomGlowButton::SetTrimming(StringTrimming Value)
{
    FTrimming = Value;
    Invalidate();
}

void TVezCustomGlowButton::SetWideCaption(const std::string& Value)
{
    if (FWideCaption == Value)
        return;
    FWideCaption = Value;
    UpdateSize();
}

void TVezCustomGlowButton::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    Invalidate();
}

// --- Down, groups ---------------------------------------------------------------------------

void TVezCustomGlowButton::SetDown(bool Value)
{
    if (ComponentState().Contains(plat::csLoading) || !HandleAllocated())
        FInitialDown = Value;
    if (FGroupIndex == 0 && FStyle == bsButton)
        Value = false;
    if (FStyle == bsCheck) {
        FDownChecked = Value;
        FState = Value ? absDown : absUp;
        Repaint();
        return;
    }
    if (Value == FDownChecked || (FDownChecked && !FAllowAllUp))
        return;
    FDownChecked = Value;
    if (Value) {
        if (FState == absUp)
            Invalidate();
        FState = absExclusive;
        // An action that checks the button keeps its group itself.
        auto* link = dynamic_cast<TVezGlowButtonActionLink*>(ActionLink());
        if (!link || !link->IsCheckedLinked())
            NotifyGroup();
    } else {
        FState = absUp;
        Repaint();
    }
}

void TVezCustomGlowButton::NotifyGroup()
{
    if (FGroupIndex == 0 || !GetParent())
        return;
    plat::TMessage message{plat::CM_BUTTONPRESSED, static_cast<plat::WPARAM>(FGroupIndex),
                           reinterpret_cast<plat::LPARAM>(this), 0};
    GetParent()->Broadcast(message);
}

void TVezCustomGlowButton::ButtonPressed(plat::TMessage& Message)
{
    auto* sender = reinterpret_cast<TVezCustomGlowButton*>(Message.LParam);
    // Only a button that is down pushes the others of its group up: one that merely joins the
    // group, or changes AllowAllUp, leaves them as they are.
    if (static_cast<int>(Message.WParam) != FGroupIndex || sender == this || !sender || !sender->FDownChecked)
        return;
    if (FDownChecked) {
        FDownChecked = false;
        FState = absUp;
        Repaint();
    }
}

// --- Styles ---------------------------------------------------------------------------------

void TVezCustomGlowButton::AppearanceChanged()
{
    Invalidate();
    RecolorShortCutHint();
}

void TVezCustomGlowButton::RecolorShortCutHint()
{
    if (!FShortCutHint)
        return;
    FShortCutHint->SetColor(plat::clWhite);
    FShortCutHint->SetColorTo(FAppearance->GetColor());
}

void TVezCustomGlowButton::SetComponentStyle(TZORStyle AStyle)
{
    ApplyGlowButtonStyle(*FAppearance, AStyle);
    Invalidate();
    RecolorShortCutHint();
}

void TVezCustomGlowButton::SetColorTones(const TColorTones& ATones)
{
    FAppearance->ApplyColorTones(ATones);
    GlowAnimationInterval = 0;
    SetRounded(false);
    Font().SetColor(ATones.Background.TextColor);
    Font().SetName(GetDefaultFontName());
}

// --- Glow animation -------------------------------------------------------------------------

void TVezCustomGlowButton::StartGlowTimer()
{
    if (FTimer || GlowAnimationInterval <= 0)
        return;
    FTimer = new plat::TTimer(this);
    FTimer->SetInterval(static_cast<unsigned>(GlowAnimationInterval));
    FTimer->OnTimer = [this](plat::TObject* Sender) { GlowTimerTick(Sender); };
    FTimer->SetEnabled(true);
}

void TVezCustomGlowButton::GlowTimerTick(plat::TObject*)
{
    if (FGlowState == gsNone)
        return;
    int& position = FGlowState == gsHover ? FStepHover : FStepPush;
    position += FTimeInc;
    const bool within = position >= 0 && position <= 100;
    const bool comingBack = (position > 100 && FTimeInc < 0) || (position < 0 && FTimeInc > 0);
    if (within || comingBack) {
        Invalidate();
        return;
    }
    position = std::clamp(position, 0, 100);
    if (FGlowState == gsPush && FTimeInc < 0) {
        FDown = false;
        FLeftDown = false;
    }
    FGlowState = gsNone;
    plat::TTimer* timer = FTimer;
    FTimer = nullptr;
    delete timer;
}

// --- Pointer --------------------------------------------------------------------------------

bool TVezCustomGlowButton::InsideClient(int X, int Y) const
{
    return X >= 0 && X < GetClientWidth() && Y >= 0 && Y <= GetClientHeight();
}

void TVezCustomGlowButton::MouseEnter()
{
    if (FMouseEnter)
        return;
    FHot = true;
    if (FLeftDown)
        FDown = true;
    StartGlowTimer();
    if (!FDown && FGlowState != gsPush) {
        FTimeInc = kFadeStep;
        FGlowState = gsHover;
    }
    Invalidate();
    FMouseInControl = true;
    FMouseEnter = true;
}

void TVezCustomGlowButton::MouseLeave()
{
    if (!FMouseEnter)
        return;
    FMouseEnter = false;
    FMouseInControl = false;
    FHot = false;
    FInButton = false;
    if (FDown && FMouseDown) {
        FDown = false;
        FTimeInc = -kFadeStep;
        FGlowState = gsHover;
        Invalidate();
        FLeftDown = true;
    } else {
        FDown = false;
        FStepHover = 100;
        FTimeInc = -kFadeStep;
        FGlowState = gsHover;
        Invalidate();
    }
    StartGlowTimer();
}

void TVezCustomGlowButton::MouseMove(plat::TShiftState Shift, int X, int Y)
{
    plat::TCustomControl::MouseMove(Shift, X, Y);
    const bool inButton = OverDropDownPart(X, Y);
    FMouseInControl = true;
    if (inButton != FInButton) {
        FInButton = inButton;
        Invalidate();
    }
    if (!FDragging)
        return;
    TVezButtonState wanted = FDownChecked ? absExclusive : InsideClient(X, Y) ? absDown : absUp;
    if (FStyle == bsCheck && FDownChecked)
        wanted = absDown;
    if (wanted != FState) {
        FState = wanted;
        Invalidate();
    }
}

void TVezCustomGlowButton::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<TVezCustomGlowButton> alive(this);
    plat::TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!alive || Button != plat::mbLeft)
        return;
    if (FRepeatClick) {
        if (!FRepeatTimer)
            FRepeatTimer = new plat::TTimer(this);
        FRepeatTimer->OnTimer = [this](plat::TObject* Sender) { RepeatTimerTick(Sender); };
        FRepeatTimer->SetInterval(static_cast<unsigned>(std::max(0, FInitRepeatPause)));
        FRepeatTimer->SetEnabled(true);
    }
    FDown = true;
    FMouseDown = true;
    if (GetTabStop() && CanFocus())
        SetFocus();
    if (!alive)
        return;
    StartGlowTimer();
    FTimeInc = kFadeStep;
    FGlowState = gsPush;

    if (PressOpensMenu(X, Y)) {
        DropFromPress();
        return;
    }
    if (FStyle == bsCheck)
        SetDown(!FDownChecked);
    if (!FDownChecked) {
        FState = absDown;
        Invalidate();
    }
    if (FStyle == bsCheck) {
        FState = absDown;
        Repaint();
    }
    FDragging = true;
}

void TVezCustomGlowButton::LeftButtonUp(plat::TMessage& Message)
{
    const plat::TControlRef<TVezCustomGlowButton> alive(this);
    const plat::TWMMouse mouse(Message);
    const int x = mouse.XPos();
    const int y = mouse.YPos();
    FTimeInc = -kFadeStep;
    FGlowState = gsPush;
    FMouseDown = false;
    FLeftDown = false;
    StartGlowTimer();
    if (!FTimer) {
        // No fade to end the press: it ends now.
        FDown = false;
        FLeftDown = false;
    }
    bool baseRan = false;
    if ((FDropDownButton || !IsMenuButton()) && FDragging) {
        FDragging = false;
        const bool inside = InsideClient(x, y);
        if (FGroupIndex != 0 && GetAction() && ActionLinksCheckOrGroup()) {
            // The action decides the group's state when the click executes it.
        } else if (FGroupIndex != 0) {
            if (inside) {
                SetDown(!FDownChecked);
                if (FDownChecked)
                    Invalidate();
            } else {
                if (FDownChecked)
                    FState = absExclusive;
                Invalidate();
            }
        } else {
            FState = absUp;
            FMouseInControl = false;
            if (FStyle == bsCheck && GetAction()) {
                // The click executes the action, which may check the button itself.
                plat::TCustomControl::Dispatch(Message);
                if (!alive)
                    return;
                const plat::TCustomAction* action = GetAction();
                if (ActionLinksCheckOrGroup() || (action && action->GetAutoCheck())) {
                    FGotButtonClick = false;
                    Repaint();
                    return;
                }
                baseRan = true;
            }
            if (FStyle == bsCheck && !inside && FDownChecked) {
                SetDown(false);
                FMouseInControl = true;
                Repaint();
            } else if (inside && FState != absDown && FState != absExclusive) {
                Invalidate();
            }
        }
        if (GetEnabled()) {
            const bool pointerIn = plat::FindDragTarget(ClientToScreen(plat::Point(x, y)), false) == this;
            if (pointerIn != FMouseInControl) {
                FMouseInControl = pointerIn;
                Perform(pointerIn ? plat::CM_MOUSEENTER : plat::CM_MOUSELEAVE);
                if (!alive)
                    return;
            }
        }
    }
    FGotButtonClick = false;
    if (!baseRan)
        plat::TCustomControl::Dispatch(Message);
    if (!alive)
        return;
    if (FStyle == bsCheck || FGroupIndex > 0)
        Repaint();
    Invalidate();
}

void TVezCustomGlowButton::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<TVezCustomGlowButton> alive(this);
    plat::TCustomControl::MouseUp(Button, Shift, X, Y);
    if (alive)
        StopRepeat();
}

// --- Auto-repeat ----------------------------------------------------------------------------

void TVezCustomGlowButton::StopRepeat()
{
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
}

void TVezCustomGlowButton::RepeatTimerTick(plat::TObject*)
{
    FRepeatTimer->SetInterval(static_cast<unsigned>(std::max(0, FRepeatPause)));
    if (!FDown || !GetMouseCapture() || !GetEnabled())
        return;
    const plat::TControlRef<TVezCustomGlowButton> alive(this);
    try {
        Click();
    } catch (...) {
        if (alive)
            StopRepeat();
        throw;
    }
}

// --- Clicks, keys, focus --------------------------------------------------------------------

void TVezCustomGlowButton::Click()
{
    if (plat::TCustomForm* form = plat::GetParentForm(this))
        form->SetModalResult(FModalResult);
    plat::TCustomControl::Click();
}

void TVezCustomGlowButton::PressAction()
{
    const plat::TControlRef<TVezCustomGlowButton> alive(this);
    if (AnyPressOpensMenu()) {
        if (FDropDownMenu)
            DoDropDown();
        else
            Click();
        return;
    }
    if (FStyle == bsCheck) {
        SetDown(!FDownChecked);
        FState = absDown;
        Repaint();
    }
    if (alive)
        Click();
}

void TVezCustomGlowButton::Press()
{
    const plat::TControlRef<TVezCustomGlowButton> alive(this);
    PressAction();
    if (alive)
        FState = absUp;
}

bool TVezCustomGlowButton::ActionLinksCheckOrGroup()
{
    auto* link = dynamic_cast<TVezGlowButtonActionLink*>(ActionLink());
    if (!link)
        return false;
    const bool checked = link->IsCheckedLinked();
    const bool group = link->IsGroupIndexLinked();
    return checked || group;
}

void TVezCustomGlowButton::KeyDown(unsigned& Key, plat::TShiftState Shift)
{
    const plat::TControlRef<TVezCustomGlowButton> alive(this);
    if (Key == plat::VK_RETURN || Key == plat::VK_SPACE) {
        FDown = true;
        FState = absDown;
        Repaint();
    } else if (Key == plat::VK_F4) {
        DoDropDown();
        if (!alive)
            return;
    }
    plat::TCustomControl::KeyDown(Key, Shift);
}

void TVezCustomGlowButton::KeyUp(unsigned& Key, plat::TShiftState Shift)
{
    FDown = false;
    FState = absUp;
    Repaint();
    plat::TCustomControl::KeyUp(Key, Shift);
}

void TVezCustomGlowButton::KeyPress(char32_t& Key)
{
    const plat::TControlRef<TVezCustomGlowButton> alive(this);
    plat::TCustomControl::KeyPress(Key);
    if (!alive || (Key != U' ' && Key != U'\r'))
        return;
    if (plat::TCustomForm* form = plat::GetParentForm(this))
        form->SetModalResult(FModalResult);
    if (OnClick)
        OnClick(this);
}

void TVezCustomGlowButton::DialogKey(plat::TMessage& Message)
{
    const plat::TWMKey key(Message);
    const bool plain = plat::KeyDataToShiftState(key.KeyData()).Empty();
    const bool ours = (key.CharCode() == plat::VK_RETURN && FActive) || (key.CharCode() == plat::VK_ESCAPE && FCancel);
    if (!ours || !plain || !CanFocus()) {
        plat::TCustomControl::Dispatch(Message);
        return;
    }
    Message.Result = 1;
    Press();
}

void TVezCustomGlowButton::DialogChar(plat::TMessage& Message)
{
    const bool alt = plat::KeyDataToShiftState(static_cast<std::uint32_t>(Message.LParam)).Contains(plat::ssAlt);
    const std::string caption = GetCaption().empty() ? FWideCaption : GetCaption();
    if (!alt || !plat::IsAccel(static_cast<char32_t>(Message.WParam), caption) || !CanFocus()) {
        plat::TCustomControl::Dispatch(Message);
        return;
    }
    Message.Result = 1;
    if (IsMenuButton() || FDropDownMenu)
        DoDropDown();
    else
        Click();
}

void TVezCustomGlowButton::FocusChanged(plat::TMessage& Message)
{
    auto* focused = reinterpret_cast<plat::TControl*>(Message.LParam);
    if (focused == this)
        FActive = true;
    else if (dynamic_cast<TVezCustomGlowButton*>(focused))
        FActive = false;
    else
        FActive = FDefault;
}

void TVezCustomGlowButton::DoEnter()
{
    FHasFocus = true;
    Invalidate();
    plat::TCustomControl::DoEnter();
}

void TVezCustomGlowButton::DoExit()
{
    FDown = false;
    FState = absUp;
    FHasFocus = false;
    Invalidate();
    plat::TCustomControl::DoExit();
}

void TVezCustomGlowButton::Dispatch(plat::TMessage& Message)
{
    switch (Message.Msg) {
    case plat::CM_MOUSEENTER: {
        const plat::TControlRef<TVezCustomGlowButton> alive(this);
        plat::TCustomControl::Dispatch(Message);
        if (alive)
            MouseEnter();
        return;
    }
    case plat::CM_MOUSELEAVE: {
        const plat::TControlRef<TVezCustomGlowButton> alive(this);
        plat::TCustomControl::Dispatch(Message);
        if (alive)
            MouseLeave();
        return;
    }
    case plat::CM_TEXTCHANGED:
        plat::TCustomControl::Dispatch(Message);
        UpdateSize();
        return;
    case plat::CM_DIALOGKEY:
        DialogKey(Message);
        return;
    case plat::CM_DIALOGCHAR:
        DialogChar(Message);
        return;
    case plat::CM_FOCUSCHANGED:
        FocusChanged(Message);
        plat::TCustomControl::Dispatch(Message);
        return;
    case plat::CM_ENABLEDCHANGED:
        // A disabled button never clicks, however long it is held.
        if (!GetEnabled())
            StopRepeat();
        plat::TCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case plat::CM_BUTTONPRESSED:
        ButtonPressed(Message);
        return;
    case plat::WM_CAPTURECHANGED:
        StopRepeat();
        plat::TCustomControl::Dispatch(Message);
        return;
    case plat::WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case plat::WM_LBUTTONDOWN:
        FGotButtonClick = true;
        plat::TCustomControl::Dispatch(Message);
        return;
    case plat::WM_LBUTTONUP:
        LeftButtonUp(Message);
        return;
    case plat::WM_KILLFOCUS:
        FHasFocus = false;
        Invalidate();
        plat::TCustomControl::Dispatch(Message);
        return;
    default:
        plat::TCustomControl::Dispatch(Message);
    }
}

// --- Life -----------------------------------------------------------------------------------

void TVezCustomGlowButton::CreateWnd()
{
    plat::TCustomControl::CreateWnd();
    FActive = FDefault;
    FGlowState = gsNone;
    FLeftDown = false;
    FMouseInControl = false;
    FMouseEnter = false;
    FMouseDown = false;
    FHot = false;
    FDown = false;
    if (!FInitialDown)
        FState = absUp;
    FDragging = false;
    FFirstPaint = true;
    FStepHover = 0;
    if (GetMouseCapture())
        SetMouseCapture(false);
    delete FTimer;
    FTimer = nullptr;
}

void TVezCustomGlowButton::Loaded()
{
    plat::TCustomControl::Loaded();
    if (FInitialDown != FDownChecked)
        SetDown(FInitialDown);
    if (FAutoSize)
        UpdateSize();
}

void TVezCustomGlowButton::Notification(plat::TComponent* AComponent, plat::TOperation Operation)
{
    plat::TCustomControl::Notification(AComponent, Operation);
    if (Operation != plat::opRemove)
        return;
    // A freed list has let go of its change links already.
    if (AComponent == FImages)
        FImages = nullptr;
    if (AComponent == FDisabledImages)
        FDisabledImages = nullptr;
    if (AComponent == FHotImages)
        FHotImages = nullptr;
    if (AComponent == FDropDownMenu)
        FDropDownMenu = nullptr;
    if (AComponent == FShortCutHint)
        FShortCutHint = nullptr;
    if (AComponent == FTimer)
        FTimer = nullptr;
    if (AComponent == FRepeatTimer)
        FRepeatTimer = nullptr;
}

void TVezCustomGlowButton::ActionChange(plat::TObject* Sender, bool CheckDefaults)
{
    plat::TCustomControl::ActionChange(Sender, CheckDefaults);
    const auto* action = dynamic_cast<const plat::TCustomAction*>(Sender);
    if (!action)
        return;
    if (!CheckDefaults || FGroupIndex == 0)
        SetGroupIndex(action->GetGroupIndex());
    if (auto* link = dynamic_cast<TVezGlowButtonActionLink*>(ActionLink()))
        link->SetPassedImageIndex(action->GetImageIndex());
    SetImageIndex(action->GetImageIndex());
    SetDown(action->GetChecked());
    if (FAutoSize && GetParent() && HandleAllocated()) {
        FDoAutoSize = true;
        MeasureAndResize();
        FDoAutoSize = false;
        Repaint();
    }
}

plat::TControlActionLinkClass TVezCustomGlowButton::GetActionLinkClass() const
{
    return &plat::ActionLinkClass<TVezGlowButtonActionLink>;
}

void TVezCustomGlowButton::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TVezCustomGlowButton*>(&Source);
    if (!source)
        return;
    SetAlign(source->GetAlign());
    SetAction(source->GetAction());
    SetAnchors(source->GetAnchors());
    SetAntiAlias(source->FAntiAlias);
    SetAutoSize(source->FAutoSize);
    SetBorderStyle(source->FBorderStyle);
    SetCancel(source->FCancel);
    SetCaption(source->GetCaption());
    SetDefault(source->FDefault);
    Font().Assign(source->Font());
    SetImageIndex(source->FImageIndex);
    // Contents are copied only between two lists that exist; otherwise this button shares the
    // source's list (or none), so nothing is written into a list that is not there.
    const auto assignList = [this](plat::TImageList* Own, plat::TImageList* Theirs, auto Setter) {
        if (Own && Theirs)
            CopyImageListContents(*Own, *Theirs);
        else
            (this->*Setter)(Theirs);
    };
    assignList(FImages, source->FImages, &TVezCustomGlowButton::SetImages);
    assignList(FDisabledImages, source->FDisabledImages, &TVezCustomGlowButton::SetDisabledImages);
    SetDisabledPicture(*source->FIDisabledPicture);
    SetFocusType(source->FFocusType);
    assignList(FHotImages, source->FHotImages, &TVezCustomGlowButton::SetHotImages);
    SetHotPicture(*source->FIHotPicture);
    SetMarginVert(source->FMarginVert);
    SetMarginHorz(source->FMarginHorz);
    SetModalResult(source->FModalResult);
    SetNotes(*source->FNotes);
    SetNotesFont(*source->FNotesFont);
    FOfficeHint->Assign(*source->FOfficeHint);
    SetParentFont(source->GetParentFont());
    SetPicture(*source->FIPicture);
    SetPosition(source->FButtonPosition);
    SetInitRepeatPause(source->FInitRepeatPause);
    SetRepeatPause(source->FRepeatPause);
    SetRepeatClick(source->FRepeatClick);
    SetRounded(source->FRounded);
    SetShortCutHint(source->FShortCutHintText);
    SetShortCutHintPos(source->FShortCutHintPos);
    SetShowCaption(source->FShowCaption);
    SetShowDisabled(source->FShowDisabled);
    SetSpacing(source->FSpacing);
    SetTransparent(source->FTransparent);
    SetTrimming(source->FTrimming);
    SetWordWrap(source->FWordWrap);
    SetShowHint(source->GetShowHint());
    SetParentShowHint(source->GetParentShowHint());
    SetTabStop(source->GetTabStop());
    SetVisible(source->GetVisible());
}

// --- Shortcut hint --------------------------------------------------------------------------

void TVezCustomGlowButton::ShowShortCutHint()
{
    if (!FShortCutHint) {
        FShortCutHint = new TShortCutHintWindow(this);
        FShortCutHint->FreeNotification(this);
        FShortCutHint->SetVisible(false);
        RecolorShortCutHint();
    }
    FShortCutHint->SetCaption(FShortCutHintText);
    TShortCutHintPos position = FShortCutHintPos;
    if (OnGetShortCutHintPos)
        OnGetShortCutHintPos(this, FButtonSizeState, position);
    const plat::TRect size = FShortCutHint->CalcHintRect(200, FShortCutHintText, nullptr);
    plat::TSize hint{size.Width(), size.Height()};
    FShortCutHint->Canvas().Font().Assign(FShortCutHint->Font());
    hint.cx = std::max(hint.cx, FShortCutHint->Canvas().TextWidth("O") + 8);
    const plat::TPoint at =
        ShortCutHintPlacement(position, ClientToScreen(plat::Point(0, 0)), {GetWidth(), GetHeight()}, hint);
    FShortCutHint->ActivateHint(plat::Bounds(at.X, at.Y, hint.cx, hint.cy), FShortCutHintText);
}

void TVezCustomGlowButton::HideShortCutHint()
{
    if (FShortCutHint)
        FShortCutHint->ReleaseHandle();
}

}  // namespace skelda::pager
