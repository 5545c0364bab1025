#include "pager/office/TVezOfficePage.h"

#include "foundation/TGDIPPicture.h"
#include "foundation/TVezHintInfo.h"
#include "pager/glow/PagerGlowVariants.h"
#include "pager/office/PagerGradient.h"
#include "pager/office/TCustomVezOfficePagerStyler.h"
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
    plat::TCustomForm* const window = FFloating ? GetFloatingWindow() : nullptr;
    ReleaseLayerReferences();
    if (FVezOfficePager)
        FVezOfficePager->RemoveVezPage(this);
    if (TVezOfficePager* origin = FParentPager.Get())
        origin->ForgetFloatingPage(this);
    // Its window would stay behind empty.
    if (window && !window->ComponentState().Contains(plat::csDestroying))
        window->Release();
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

void TVezOfficePage::SetGlowColor(plat::TColor Value)
{
    if (FGlowColor == Value)
        return;
    FGlowColor = Value;
    if (FVezOfficePager) {
        FVezOfficePager->UpdateGlowTimer();
        FVezOfficePager->Invalidate();
    }
}

void TVezOfficePage::SelectFirstControl()
{
    SelectNext(nullptr, true, true);
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

// --- Painting ---------------------------------------------------------------------------------

void TVezOfficePage::Paint()
{
    if (!FVezOfficePager)
        return;
    TVezOfficePager& pager = *FVezOfficePager;
    const TVistaBackground& colors = FUsePageAppearance ? FPageAppearance : pager.PageAppearanceInUse();
    if (colors.GetColor() != GetColor())
        SetColor(colors.GetColor());
    const plat::TRect client = GetClientRect();
    const bool onGlass = pager.GlassExtendsPage();
    TPagerFaceRequest face;
    face.Colors = {colors.GetColor(),       colors.GetColorTo(), colors.GetColorMirror(), colors.GetColorMirrorTo(),
                   colors.GetGradient(),    colors.GetGradientMirror()};
    face.BorderColor = colors.GetBorderColor();
    face.Font = &Font();
    face.Enabled = GetEnabled();
    face.AntiAlias = pager.GetAntiAlias();
    face.RoundEdges = pager.CurrentStyler().GetRoundEdges() && !pager.GetTonesInUse();
    face.Rotated = true;
    face.Glass = onGlass;
    face.Position = pager.GetTabPosition();
    if (pager.GetBufferedPages()) {
        if (!FValidCache) {
            FBkgCache->SetSize(client.Width(), client.Height());
            face.Rect = {0, 0, client.Width(), client.Height()};
            PaintPagerGradient(FBkgCache->Canvas(), face);
            FValidCache = true;
        }
        Canvas().Draw(client.Left, client.Top, FBkgCache.get());
    } else {
        face.Rect = {0, 0, GetWidth(), GetHeight()};
        PaintPagerGradient(Canvas(), face);
    }
    PaintBorderLines(colors, onGlass);
    if (pager.GetActivePage() == this && pager.TabSettings().GetHeight() > 0)
        PaintTabJoin(colors);
    if (!pager.GlassActive() && pager.CurrentStyler().GetRoundEdges() && !pager.GetTonesInUse() &&
        pager.GetPageMargin() >= 1)
        PaintRoundCorners();
}

void TVezOfficePage::PaintBorderLines(const TVistaBackground& Colors, bool OnGlass)
{
    TVezOfficePager& pager = *FVezOfficePager;
    if (Colors.GetBorderColor() == plat::clNone || !pager.UseShow3D())
        return;
    const int r = pager.CurrentStyler().GetRoundEdges() && !pager.GetTonesInUse() ? 3 : 2;
    plat::TCanvas& canvas = Canvas();
    canvas.Pen().SetColor(
        PagerMixColors(plat::clWhite, Colors.GetBorderColor(), pager.CurrentStyler().GetBlendFactor()));
    const plat::TRect c = GetClientRect();
    const int L = c.Left, T = c.Top, R = c.Right, B = c.Bottom;
    const auto line = [&canvas](int X1, int Y1, int X2, int Y2) {
        canvas.MoveTo(X1, Y1);
        canvas.LineTo(X2, Y2);
    };
    switch (pager.GetTabPosition()) {
    case tpTop:
        if (!OnGlass) {
            line(L + 1, T + r, L + 1, B - 2);
            line(R - 2, T + r, R - 2, B - 2);
        }
        if (!(OnGlass && pager.GetAlign() == plat::alClient))
            line(L + 3, B - 2, R - 2, B - 2);
        break;
    case tpBottom:
        if (!OnGlass) {
            line(L + 1, T + 2, L + 1, B - r);
            line(R - 2, T + 2, R - 2, B - r);
        }
        line(L + 3, T + 1, R - 2, T + 1);
        break;
    case tpLeft:
        line(L + r, T + 1, R - 2, T + 1);
        line(L + r, B - 2, R - 2, B - 2);
        if (!OnGlass)
            line(R - 2, T + 3, R - 2, B - 2);
        break;
    case tpRight:
        line(L + 2, T + 1, R - r, T + 1);
        line(L + 2, B - 2, R - r, B - 2);
        if (!OnGlass)
            line(L + 1, T + 3, L + 1, B - 2);
        break;
    }
}

void TVezOfficePage::PaintTabJoin(const TVistaBackground& Colors)
{
    TVezOfficePager& pager = *FVezOfficePager;
    const plat::TRect tab = pager.GetTabRect(this);
    if (TPagerTabLayout::IsNone(tab))
        return;
    const plat::TRect buttons = pager.Layout().GetButtonsRect();
    const TTabPosition position = pager.GetTabPosition();
    const bool horizontal = position == tpTop || position == tpBottom;
    const int margin = pager.GetPageMargin();
    // Along the strip; the page margin takes the tab into the page's coordinates.
    int start = (horizontal ? tab.Left : tab.Top) - margin;
    int end = std::min((horizontal ? tab.Right : tab.Bottom) - margin, horizontal ? buttons.Left : buttons.Top);
    const TPagerTabSettings& ts = pager.TabSettings();
    const bool shaped = !pager.Layout().IsPlainTabShape();
    if (shaped) {
        const int half = ts.GetRounding() / 2;
        // (a, b, c) per position: how far a ramp's start and end keep off the tab's slopes.
        int a = 2, b = 1, c = 2;
        if (position == tpBottom) {
            a = 2;
            b = 0;
            c = 1;
        } else if (position == tpRight) {
            a = 1;
            b = 1;
            c = 2;
        }
        switch (ts.GetShape()) {
        case tsRectangle: start += 1; break;
        case tsLeftRamp:
            if (position == tpLeft) {
                start += 1;
                end -= half + 1;
            } else {
                start += half + a;
            }
            break;
        case tsRightRamp:
            if (position == tpLeft) {
                start += half + 2;
            } else {
                start += 1;
                end -= half + b;
            }
            break;
        case tsLeftRightRamp:
            start += position == tpLeft ? half + 2 : half + c;
            end -= position == tpLeft ? half + 1 : half + b;
            break;
        }
    }
    const bool full = pager.GetTabRoundEdges() || pager.GetTonesInUse() ||
                      (shaped && ts.GetShape() != tsRectangle);
    if (!full) {
        if (horizontal)
            ++start;
        else
            --start;
        --end;
    }
    plat::TCanvas& canvas = Canvas();
    canvas.Pen().SetColor(Colors.GetColor());
    switch (position) {
    case tpTop: canvas.MoveTo(start, 0), canvas.LineTo(end, 0); break;
    case tpBottom: canvas.MoveTo(start, GetHeight() - 1), canvas.LineTo(end, GetHeight() - 1); break;
    case tpLeft: canvas.MoveTo(0, start), canvas.LineTo(0, end); break;
    case tpRight: canvas.MoveTo(GetWidth() - 1, start), canvas.LineTo(GetWidth() - 1, end); break;
    }
}

void TVezOfficePage::PaintRoundCorners()
{
    // The pager's canvas reads the image of its last paint between paints.
    plat::TCanvas& pager = FVezOfficePager->Canvas();
    plat::TCanvas& canvas = Canvas();
    const plat::TRect c = GetClientRect();
    const int L = c.Left, T = c.Top, R = c.Right, B = c.Bottom;
    const int x = GetLeft(), y = GetTop(), w = GetWidth(), h = GetHeight();
    const plat::TColor topLeft = pager.GetPixels(x - 1, y - 1);
    const plat::TColor topLeftRight = pager.GetPixels(x + 1, y - 1);
    const plat::TColor topLeftBelow = pager.GetPixels(x - 1, y);
    const plat::TColor bottomLeft = pager.GetPixels(x - 1, y + h);
    const plat::TColor topRight = pager.GetPixels(x + w, y);
    const plat::TColor bottomRight = pager.GetPixels(x + w, y + h);
    canvas.SetPixels(L, T, topLeft);
    canvas.SetPixels(L + 1, T, topLeftRight);
    canvas.SetPixels(L, T + 1, topLeftBelow);
    for (const plat::TPoint p : {plat::TPoint{L, B - 1}, plat::TPoint{L + 1, B - 1}, plat::TPoint{L, B - 2}})
        canvas.SetPixels(p.X, p.Y, bottomLeft);
    for (const plat::TPoint p : {plat::TPoint{R - 1, T}, plat::TPoint{R - 2, T}, plat::TPoint{R - 1, T + 1}})
        canvas.SetPixels(p.X, p.Y, topRight);
    for (const plat::TPoint p : {plat::TPoint{R - 1, B - 1}, plat::TPoint{R - 2, B - 1}, plat::TPoint{R - 1, B - 2}})
        canvas.SetPixels(p.X, p.Y, bottomRight);
}

}  // namespace skelda::pager
