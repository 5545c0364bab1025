#pragma once

#include "foundation/ColorTones.h"
#include "foundation/GPTypes.h"
#include "foundation/ZORStyle.h"
#include "pager/glow/GlowButtonTypes.h"
#include "pager/glow/GlowFace.h"
#include "pager/glow/GlowTypes.h"
#include "platform/controls/core/TCustomControl.h"
#include "platform/controls/forms/IButtonControl.h"

#include <memory>
#include <string>
#include <vector>

namespace plat {
class TBitmap;
class TChangeLink;
class TCustomForm;
class TImageList;
class TPopupMenu;
class TStringList;
class TTimer;
}
namespace skelda::foundation {
class TGDIPPicture;
class TVezHintInfo;
}

namespace skelda::pager {

class IGlowTextMeasurer;
class TGlowButtonAppearance;
class TShortCutHintWindow;
class TVezGlowButtonActionLink;

// An office-style push button whose face glows: it fades (GlowAnimationInterval ms a step, 20 of
// 100 per step) from its normal to its hot colours as the pointer enters and back as it leaves,
// and between hot and pressed as it is pressed and released. Its face is painted by
// PaintGlowButtonFace in the colours of its Appearance.
//
// It is a push button (GroupIndex 0), a radio button among the glow buttons of its parent with
// the same GroupIndex (one stays down unless AllowAllUp), or a check button (bsCheck). A
// drop-down part opens DropDownMenu: a split part (DropDownSplit) only when pressed within 14
// pixels of its edge, else on any press. RepeatClick clicks every RepeatPause ms after
// InitRepeatPause while held. AutoSize fits the button to its image and caption in the three
// size states (image alone, small image and caption, as laid out).
//
// Any handler the button calls (OnClick, OnDropDown, a menu item, OnMouseUp, an auto-repeat
// click) may free the button: it then touches nothing of itself afterwards, and its timers go
// with it. Disabling the button or its losing the mouse capture stops the auto-repeat.
//
// Enter presses the button that has the focus, else the one that is Default (the form's key
// routing asks GetDefault, which answers whether this button is that one now); Escape presses a
// Cancel button. One key is one press: a click, a toggle and a click, or the menu.
class TVezCustomGlowButton : public plat::TCustomControl,
                             public plat::IButtonControl,
                             public foundation::IZORStyle,
                             public foundation::IZORTones {
public:
    explicit TVezCustomGlowButton(plat::TComponent* AOwner);
    ~TVezCustomGlowButton() override;

    std::string ClassName() const override { return "TVezCustomGlowButton"; }

    // From another glow button only; image lists are copied into this button's own lists where
    // both buttons have one, else this button refers to the source's list.
    void Assign(const plat::TPersistent& Source) override;

    void SetComponentStyle(foundation::TZORStyle AStyle) override;
    // Also switches every glow button's fades off for good.
    void SetColorTones(const foundation::TColorTones& ATones) override;

    void ShowShortCutHint();
    void HideShortCutHint();
    void DoDropDown();
    void Click() override;
    // What Enter or Escape does to the button.
    void Press() override;

    // "2.1.0.7"; writing it does nothing.
    std::string GetVersion() const;
    void SetVersion(const std::string&) {}
    virtual int GetVersionNr() const { return 0x02010007; }

    TGlowButtonAppearance& Appearance() { return *FAppearance; }
    void SetAppearance(const TGlowButtonAppearance& Value);
    foundation::TGDIPPicture& Picture() { return *FIPicture; }
    void SetPicture(const foundation::TGDIPPicture& Value);
    foundation::TGDIPPicture& DisabledPicture() { return *FIDisabledPicture; }
    void SetDisabledPicture(const foundation::TGDIPPicture& Value);
    foundation::TGDIPPicture& HotPicture() { return *FIHotPicture; }
    void SetHotPicture(const foundation::TGDIPPicture& Value);
    foundation::TVezHintInfo& OfficeHint() { return *FOfficeHint; }
    plat::TStringList& Notes() { return *FNotes; }
    void SetNotes(const plat::TStrings& Value);
    plat::TFont& NotesFont() { return *FNotesFont; }
    void SetNotesFont(const plat::TFont& Value);

    plat::TImageList* GetImages() const { return FImages; }
    void SetImages(plat::TImageList* Value);
    plat::TImageList* GetDisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(plat::TImageList* Value);
    plat::TImageList* GetHotImages() const { return FHotImages; }
    void SetHotImages(plat::TImageList* Value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TImageListType GetImageListType() const { return FImageListType; }
    void SetImageListType(TImageListType Value);

    bool GetAllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    foundation::TAntiAlias GetAntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(foundation::TAntiAlias Value);
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TGlowBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TGlowBorderStyle Value);
    bool GetCancel() const override { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    // Whether Enter presses this button now: it has the focus, or it is Default and the focus is
    // on no other glow button.
    bool GetDefault() const override { return FActive; }
    bool IsDefault() const { return FDefault; }
    void SetDefault(bool Value);
    bool GetDown() const { return FDownChecked; }
    void SetDown(bool Value);
    bool GetDropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool Value);
    TDropDownDirection GetDropDownDirection() const { return FDropDownDirection; }
    void SetDropDownDirection(TDropDownDirection Value);
    plat::TPopupMenu* GetDropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(plat::TPopupMenu* Value);
    TDropDownPosition GetDropDownPosition() const { return FDropDownPosition; }
    void SetDropDownPosition(TDropDownPosition Value);
    bool GetDropDownSplit() const { return FDropDownSplit; }
    void SetDropDownSplit(bool Value) { FDropDownSplit = Value; }
    bool GetDroppedDown() const { return FDroppedDown; }
    TFocusType GetFocusType() const { return FFocusType; }
    void SetFocusType(TFocusType Value) { FFocusType = Value; }
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    int GetInitRepeatPause() const { return FInitRepeatPause; }
    void SetInitRepeatPause(int Value) { FInitRepeatPause = Value; }
    TButtonLayout GetLayout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int GetMarginHorz() const { return FMarginHorz; }
    void SetMarginHorz(int Value);
    int GetMarginVert() const { return FMarginVert; }
    void SetMarginVert(int Value);
    TButtonSizeState GetMaxButtonSizeState() const { return FMaxButtonSizeState; }
    void SetMaxButtonSizeState(TButtonSizeState Value);
    TButtonSizeState GetMinButtonSizeState() const { return FMinButtonSizeState; }
    void SetMinButtonSizeState(TButtonSizeState Value);
    TButtonSizeState GetButtonSizeState() const { return FButtonSizeState; }
    void SetButtonSizeState(TButtonSizeState Value);
    int GetModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }
    TButtonPosition GetPosition() const { return FButtonPosition; }
    void SetPosition(TButtonPosition Value);
    bool GetRepeatClick() const { return FRepeatClick; }
    void SetRepeatClick(bool Value) { FRepeatClick = Value; }
    int GetRepeatPause() const { return FRepeatPause; }
    void SetRepeatPause(int Value) { FRepeatPause = Value; }
    bool GetRounded() const { return FRounded; }
    void SetRounded(bool Value);
    const std::string& GetShortCutHint() const { return FShortCutHintText; }
    void SetShortCutHint(const std::string& Value) { FShortCutHintText = Value; }
    TShortCutHintPos GetShortCutHintPos() const { return FShortCutHintPos; }
    void SetShortCutHintPos(TShortCutHintPos Value) { FShortCutHintPos = Value; }
    TShortCutHintWindow* ShortCutHintWindow() const { return FShortCutHint; }
    bool GetShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    bool GetShowDisabled() const { return FShowDisabled; }
    void SetShowDisabled(bool Value);
    int GetSpacing() const { return FSpacing; }
    void SetSpacing(int Value);
    bool GetStaticButton() const { return FStaticButton; }
    void SetStaticButton(bool Value) { FStaticButton = Value; }
    TVezButtonState GetState() const { return FState; }
    void SetState(TVezButtonState Value) { FState = Value; }
    TVezButtonStyle GetStyle() const { return FStyle; }
    void SetStyle(TVezButtonStyle Value) { FStyle = Value; }
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    foundation::StringTrimming GetTrimming() const { return FTrimming; }
    void SetTrimming(foundation::StringTrimming Value);
    const std::string& GetWideCaption() const { return FWideCaption; }
    void SetWideCaption(const std::string& Value);
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

    // Measures text with Measurer instead of the platform's fonts (nil: the platform's).
    void SetTextMeasurer(const IGlowTextMeasurer* Measurer) { FMeasurer = Measurer; }

    plat::TNotifyEvent OnDropDown;
    TGlowButtonDrawEvent OnDrawButton;
    TSetButtonSizeEvent OnSetButtonSize;
    TOnGetShortCutHintPos OnGetShortCutHintPos;

    void Dispatch(plat::TMessage& Message) override;

protected:
    virtual void RepeatTimerTick(plat::TObject* Sender);
    virtual void AfterPaintFace() {}
    virtual void PrepareGlyphBitmap(plat::TBitmap& /*Bitmap*/) {}
    virtual bool IsMenuButton() const { return false; }
    virtual bool HasSingleBorder() const { return FBorderStyle == bsSingle; }
    virtual bool ShowsFocusBorder() const { return FHasFocus && (FFocusType == ftBorder || FFocusType == ftHotBorder); }

    void ActionChange(plat::TObject* Sender, bool CheckDefaults) override;
    plat::TControlActionLinkClass GetActionLinkClass() const override;
    void Loaded() override;
    void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;
    void CreateWnd() override;
    void Paint() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(unsigned& Key, plat::TShiftState Shift) override;
    void KeyUp(unsigned& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;

    // The face as the next paint draws it, for the paint and for tests of the state colours.
    TGlowFaceRequest BuildFaceRequest(plat::TCanvas& Canvas, plat::TFont& FontCopy, plat::TBitmap& Glyph);
    int HoverPosition() const { return FStepHover; }
    int PushPosition() const { return FStepPush; }
    bool GlowRunning() const { return FTimer != nullptr; }

private:
    friend class TVezGlowButtonActionLink;
    struct TColorSet;

    void MouseEnter();
    void MouseLeave();
    void LeftButtonUp(plat::TMessage& Message);
    void DialogKey(plat::TMessage& Message);
    void DialogChar(plat::TMessage& Message);
    void ButtonPressed(plat::TMessage& Message);
    void FocusChanged(plat::TMessage& Message);
    void PressAction();
    // Opens the menu from a mouse press; false when the button was freed meanwhile.
    bool DropFromPress();
    // A press anywhere on the button (or Enter, Space) opens the menu: a menu button, or a
    // drop-down button that is not split.
    bool AnyPressOpensMenu() const;
    // A mouse press at (X, Y) opens the menu: as above, or within a split button's drop-down part.
    bool PressOpensMenu(int X, int Y) const;
    // The pointer at (X, Y) lights the drop-down part of the face.
    bool OverDropDownPart(int X, int Y) const;
    void StartGlowTimer();
    void GlowTimerTick(plat::TObject* Sender);
    void StopRepeat();
    void NotifyGroup();
    void UpdateSize();
    void MeasureAndResize();
    void AppearanceChanged();
    void RecolorShortCutHint();
    void ChangeImageList(plat::TImageList*& Field, plat::TImageList* Value, plat::TChangeLink& Link);
    // Whether the action link ties Down or GroupIndex to the action (asking it updates both
    // flags).
    bool ActionLinksCheckOrGroup();
    bool InsideClient(int X, int Y) const;
    TColorSet StateColors(TVezButtonState State) const;
    // The corner pixels a rounded face gives back to its parent's backdrop.
    std::vector<plat::TPoint> RoundedCornerPixels() const;
    void PaintRoundedCorners();

    bool FActive = false;
    bool FDown = false;
    bool FLeftDown = false;
    bool FMouseDown = false;
    plat::TTimer* FTimer = nullptr;
    int FStepHover = 0;
    int FStepPush = 0;
    int FTimeInc = 20;
    TGlowState FGlowState = gsNone;
    plat::TImageList* FImages = nullptr;
    int FImageIndex = -1;
    TVezButtonState FState = absUp;
    bool FMouseInControl = false;
    bool FMouseEnter = false;
    bool FDownChecked = false;
    bool FInitialDown = false;
    bool FDragging = false;
    TVezButtonStyle FStyle = bsButton;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FTransparent = false;
    TButtonLayout FLayout = blGlyphLeft;
    bool FDropDownButton = false;
    bool FDropDownSplit = true;
    TDropDownDirection FDropDownDirection = ddDown;
    plat::TPopupMenu* FDropDownMenu = nullptr;
    TDropDownPosition FDropDownPosition = dpRight;
    std::unique_ptr<TGlowButtonAppearance> FAppearance;
    plat::TImageList* FDisabledImages = nullptr;
    plat::TImageList* FHotImages = nullptr;
    std::unique_ptr<foundation::TGDIPPicture> FIPicture;
    std::unique_ptr<foundation::TGDIPPicture> FIDisabledPicture;
    std::unique_ptr<foundation::TGDIPPicture> FIHotPicture;
    bool FShowCaption = true;
    foundation::TAntiAlias FAntiAlias = foundation::aaClearType;
    int FModalResult = 0;
    bool FDefault = false;
    bool FCancel = false;
    bool FInButton = false;
    TGlowBorderStyle FBorderStyle = bsSingle;
    TButtonPosition FButtonPosition = bpStandalone;
    std::unique_ptr<foundation::TVezHintInfo> FOfficeHint;
    bool FCheckLinked = false;
    bool FGroupIndexLinked = false;
    TFocusType FFocusType = ftBorder;
    TShortCutHintWindow* FShortCutHint = nullptr;
    TShortCutHintPos FShortCutHintPos = shpTop;
    std::string FShortCutHintText;
    bool FShowDisabled = true;
    bool FDroppedDown = false;
    int FSpacing = 2;
    bool FAutoSize = false;
    bool FWordWrap = true;
    bool FDoAutoSize = false;
    bool FFirstPaint = true;
    int FMarginVert = 1;
    int FMarginHorz = 1;
    bool FRounded = true;
    std::string FWideCaption;
    foundation::StringTrimming FTrimming = foundation::StringTrimmingNone;
    plat::TTimer* FRepeatTimer = nullptr;
    int FInitRepeatPause = 400;
    int FRepeatPause = 100;
    bool FRepeatClick = false;
    bool FPainting = false;
    TButtonSizeState FButtonSizeState = bsLarge;
    TButtonSizeState FMaxButtonSizeState = bsLarge;
    TButtonSizeState FMinButtonSizeState = bsGlyph;
    TButtonLayout FOldLayout = blGlyphLeft;
    TDropDownPosition FOldDropDownPosition = dpRight;
    std::unique_ptr<plat::TStringList> FNotes;
    std::unique_ptr<plat::TFont> FNotesFont;
    bool FGotButtonClick = false;
    bool FHasFocus = false;
    bool FStaticButton = false;
    std::unique_ptr<plat::TChangeLink> FImageChangeLink;
    std::unique_ptr<plat::TChangeLink> FDisabledImageChangeLink;
    std::unique_ptr<plat::TChangeLink> FHotImageChangeLink;
    TImageListType FImageListType = ipActionList;
    bool FHot = false;
    const IGlowTextMeasurer* FMeasurer = nullptr;
};

}  // namespace skelda::pager
