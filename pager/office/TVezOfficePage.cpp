#include "pager/office/TVezOfficePage.h"

#include "foundation/TGDIPPicture.h"
#include "foundation/TVezHintInfo.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/core/Exception.h"
#include "platform/core/ScopedRestore.h"
#include "platform/graphics/TBitmap.h"

namespace skelda::pager {

TVezOfficePage::TVezOfficePage(plat::TComponent* AOwner)
    : plat::TCustomControl(AOwner),
      FOfficeHint(std::make_unique<foundation::TVezHintInfo>()),
      FIPicture(std::make_unique<foundation::TGDIPPicture>()),
      FIDisabledPicture(std::make_unique<foundation::TGDIPPicture>()),
      FBkgCache(std::make_unique<plat::TBitmap>())
{
    plat::TControlStyle style = GetControlStyle();
    style.Include(plat::csAcceptsControls);
    style.Exclude(plat::csOpaque);
    SetControlStyle(style);
    FProgress.OnChange = [this](plat::TObject*) { RepaintTab(); };
    FIPicture->OnChange = [this](plat::TObject*) { PictureChanged(); };
    FIDisabledPicture->OnChange = [this](plat::TObject*) { PictureChanged(); };
    FTabAppearance.OnChange = [this](plat::TObject*) { RepaintTab(); };
    FTabAppearance.OnFontChange = [this](plat::TObject*) { TabFontChanged(); };
    FPageAppearance.OnChange = [this](plat::TObject*) {
        FValidCache = false;
        Invalidate();
    };
    if (auto* pager = dynamic_cast<TVezOfficePager*>(AOwner))
        FTabIndex = pager->NextTabIndex();
    SetDoubleBuffered(true);
}

TVezOfficePage::~TVezOfficePage()
{
    ReleaseLayerReferences();
    if (FVezOfficePager)
        FVezOfficePager->RemoveVezPage(this);
}

void TVezOfficePage::SetVezOfficePager(TVezOfficePager* Value)
{
    if (FVezOfficePager == Value)
        return;
    if (FVezOfficePager)
        FVezOfficePager->RemoveVezPage(this);
    if (Value) {
        Value->AddVezPage(this);
    } else {
        const plat::TScopedRestore guard(FUpdatingParent, true);
        plat::TCustomControl::SetParent(nullptr);
    }
    TabFontChanged();
    if (FGlow && FVezOfficePager)
        FVezOfficePager->UpdateGlowTimer();
}

void TVezOfficePage::SetParent(plat::TWinControl* AParent)
{
    if (FUpdatingParent) {
        plat::TCustomControl::SetParent(AParent);
        return;
    }
    auto* page = dynamic_cast<TVezOfficePage*>(AParent);
    auto* target = dynamic_cast<TVezOfficePager*>(AParent);
    if (page)
        target = page->FVezOfficePager;
    if (target) {
        if (FVezOfficePager != target) {
            SetVezOfficePager(target);
            if (FVezOfficePager != target)
                throw plat::EInvalidOperation("Invalid Parent");
        }
        if (page) {
            const int current = GetPageIndex();
            const int wanted = target->IndexOfPage(page);
            if (current < 0 || wanted < 0)
                throw plat::EInvalidOperation("Invalid Parent " + std::to_string(current) + ":" +
                                              std::to_string(wanted));
            target->MoveVezPage(current, wanted);
        }
        RepaintTab();
        return;
    }
    // A docked page that goes elsewhere leaves its pager's list: docked pages are the pager's
    // children.
    if (FVezOfficePager && AParent != FVezOfficePager)
        FVezOfficePager->RemoveVezPage(this);
    const plat::TScopedRestore guard(FUpdatingParent, true);
    plat::TCustomControl::SetParent(AParent);
}

void TVezOfficePage::SetText(const std::string& Value)
{
    if (Value == GetCaption())
        return;
    plat::TCustomControl::SetText(Value);
    TabContentChanged();
    RepaintTab();
}

void TVezOfficePage::SetWideCaption(const std::string& Value)
{
    if (Value == FWideCaption)
        return;
    FWideCaption = Value;
    Invalidate();
    if (FVezOfficePager && GetCaption().empty()) {
        TabContentChanged();
        RepaintTab();
    }
}

void TVezOfficePage::SetPicture(const foundation::TGDIPPicture& Value)
{
    FIPicture->Assign(Value);
    RepaintTab();
}

void TVezOfficePage::SetDisabledPicture(const foundation::TGDIPPicture& Value)
{
    FIDisabledPicture->Assign(Value);
    RepaintTab();
}

void TVezOfficePage::PictureChanged()
{
    if (FVezOfficePager) {
        FVezOfficePager->Invalidate();
        if (Loading())
            FVezOfficePager->TabLengthsChanged();
        else
            TabContentChanged();
    }
    Invalidate();
}

void TVezOfficePage::SetImageIndex(int Value)
{
    if (FImageIndex == Value)
        return;
    FImageIndex = Value;
    if (!FVezOfficePager)
        return;
    if (!Loading() && !ComponentState().Contains(plat::csDesigning))
        TabContentChanged();
    else
        FVezOfficePager->TabLengthsChanged();
    FVezOfficePager->Invalidate();
}

void TVezOfficePage::SetUsePageAppearance(bool Value)
{
    if (FUsePageAppearance == Value)
        return;
    FUsePageAppearance = Value;
    FValidCache = false;
    Invalidate();
}

void TVezOfficePage::SetUseTabAppearance(bool Value)
{
    if (FUseTabAppearance == Value)
        return;
    FUseTabAppearance = Value;
    // The tab's font changes either way: from the pager's to its own or back.
    TabContentChanged();
    RepaintTab();
}

void TVezOfficePage::TabFontChanged()
{
    if (!FUseTabAppearance)
        return;
    Invalidate();
    if (FVezOfficePager) {
        FVezOfficePager->Invalidate();
        TabContentChanged();
    }
}

void TVezOfficePage::SetTabVisible(bool Value)
{
    if (FTabVisible == Value)
        return;
    FTabVisible = Value;
    if (FVezOfficePager) {
        FVezOfficePager->PageTabVisibilityChanged(this);
        FVezOfficePager->InvalidateActivePage();
        FVezOfficePager->Invalidate();
        FVezOfficePager->UpdateScroller();
    }
    Invalidate();
}

void TVezOfficePage::SetTabEnabled(bool Value)
{
    if (FTabEnabled == Value)
        return;
    FTabEnabled = Value;
    RepaintTab();
}

void TVezOfficePage::SetShowClose(bool Value)
{
    if (FShowClose == Value)
        return;
    FShowClose = Value;
    if (!Value && FVezOfficePager) {
        FVezOfficePager->ReleaseButtonLater(FCloseButton, 0);
        FVezOfficePager->ReleaseButtonLater(FCloseButtonChrome, 1);
    }
    // A close button on the tab makes the tab longer.
    TabContentChanged();
    RepaintTab();
}

void TVezOfficePage::SetOfficeHint(const foundation::TVezHintInfo& Value)
{
    FOfficeHint->Assign(Value);
}

int TVezOfficePage::GetPageIndex() const
{
    return FVezOfficePager ? FVezOfficePager->IndexOfPage(this) : -1;
}

void TVezOfficePage::SetPageIndex(int Value)
{
    if (!FVezOfficePager || Value < 0 || Value >= FVezOfficePager->GetVezPageCount())
        return;
    FVezOfficePager->MoveVezPage(GetPageIndex(), Value);
    RepaintTab();
}

void TVezOfficePage::SetShowCheckBox(bool Value)
{
    if (FShowCheckBox == Value)
        return;
    FShowCheckBox = Value;
    // The check box makes the tab longer.
    TabContentChanged();
    RepaintTab();
}

void TVezOfficePage::SetChecked(bool Value)
{
    if (FChecked == Value)
        return;
    FChecked = Value;
    RepaintTab();
}

void TVezOfficePage::SetGlow(bool Value)
{
    if (FGlow == Value)
        return;
    FGlow = Value;
    if (FVezOfficePager) {
        FVezOfficePager->UpdateGlowTimer();
        FVezOfficePager->Invalidate();
    }
}

void TVezOfficePage::RepaintTab()
{
    if (FVezOfficePager)
        FVezOfficePager->Invalidate();
    Invalidate();
}

void TVezOfficePage::TabContentChanged()
{
    if (FVezOfficePager)
        FVezOfficePager->UpdateScroller();
}

void TVezOfficePage::AdjustClientRect(plat::TRect& Rect) const
{
    Rect.Left += 2;
    Rect.Top += 2;
    Rect.Right -= 2;
    Rect.Bottom -= 2;
    plat::TCustomControl::AdjustClientRect(Rect);
}

void TVezOfficePage::Dispatch(plat::TMessage& Message)
{
    switch (Message.Msg) {
    case plat::CM_SHOWINGCHANGED:
        plat::TCustomControl::Dispatch(Message);
        if (Showing() && OnShow)
            OnShow(this);
        return;
    case plat::CM_ENABLEDCHANGED:
        plat::TCustomControl::Dispatch(Message);
        // The tab's picture follows the page's enabled state.
        if (FVezOfficePager)
            FVezOfficePager->TabLengthsChanged();
        RepaintTab();
        return;
    default:
        plat::TCustomControl::Dispatch(Message);
    }
}

}  // namespace skelda::pager
