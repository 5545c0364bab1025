#include "pager/office/TCustomVezOfficePagerStyler.h"

#include "platform/core/Exception.h"

#include <algorithm>

namespace skelda::pager {

TCustomVezOfficePagerStyler::TCustomVezOfficePagerStyler(plat::TComponent* AOwner) : plat::TComponent(AOwner)
{
    FTabAppearance.OnChange = [this](plat::TObject*) { Change(scTabAppearance); };
    FTabAppearance.OnFontChange = [this](plat::TObject*) { Change(scTabFont); };
    FPageAppearance.OnChange = [this](plat::TObject*) { Change(scPageAppearance); };

    TGlowButtonAppearance& g = FGlowButtonAppearance;
    g.SetColor(0xEEDBC8);
    g.SetColorTo(0xF6DDC9);
    g.SetColorMirror(0xEDD4C0);
    g.SetColorMirrorTo(0xF7E1D0);
    g.SetBorderColor(0xE0B99B);
    g.SetGradient(ggVertical);
    g.SetGradientMirror(ggVertical);
    g.SetColorHot(0xEBFDFF);
    g.SetColorHotTo(0xACECFF);
    g.SetColorMirrorHot(0x59DAFF);
    g.SetColorMirrorHotTo(0xA4E9FF);
    g.SetBorderColorHot(0x99CEDB);
    g.SetGradientHot(ggVertical);
    g.SetGradientMirrorHot(ggVertical);
    g.SetColorDown(0x76AFF1);
    g.SetColorDownTo(0x4190F3);
    g.SetColorMirrorDown(0x0E72F1);
    g.SetColorMirrorDownTo(0x4C9FFD);
    g.SetBorderColorDown(0x45667B);
    g.SetGradientDown(ggVertical);
    g.SetGradientMirrorDown(ggVertical);
    g.SetColorChecked(0xB5DBFB);
    g.SetColorCheckedTo(0x78C7FE);
    g.SetColorMirrorChecked(0x9FEBFD);
    g.SetColorMirrorCheckedTo(0x56B4FE);
    g.SetBorderColorChecked(0x45667B);
    g.SetGradientChecked(ggVertical);
    g.SetGradientMirrorChecked(ggVertical);
    g.OnChange = [this](plat::TObject*) { Change(scGlowButtonAppearance); };
}

TCustomVezOfficePagerStyler::~TCustomVezOfficePagerStyler()
{
    Destroying();
    // Every pager lets go, not only in the designer: a pager left pointing here would paint
    // with a freed styler.
    const std::vector<TClient> clients = FControlList;
    FControlList.clear();
    for (const TClient& client : clients)
        if (!client.Component || !client.Component->ComponentState().Contains(plat::csDestroying))
            client.Pager->StylerDestroying(*this);
}

void TCustomVezOfficePagerStyler::AddControl(IPagerStylerClient* APager, plat::TComponent* Component)
{
    FControlList.push_back({APager, Component});
    if (Component)
        FreeNotification(Component);
}

void TCustomVezOfficePagerStyler::RemoveControl(IPagerStylerClient* APager)
{
    const auto found = std::find_if(FControlList.begin(), FControlList.end(),
                                    [&](const TClient& Client) { return Client.Pager == APager; });
    if (found != FControlList.end())
        FControlList.erase(found);
}

IPagerStylerClient* TCustomVezOfficePagerStyler::Control(int Index) const
{
    if (Index < 0 || Index >= ControlCount())
        throw plat::EListError("Index out of bounds in list read access");
    return FControlList[static_cast<std::size_t>(Index)].Pager;
}

void TCustomVezOfficePagerStyler::Change(TStylerChange Kind)
{
    if (ComponentState().Contains(plat::csDestroying))
        return;
    // A pager may leave the list while it handles the change; the copy keeps the walk sound.
    const std::vector<TClient> clients = FControlList;
    for (const TClient& client : clients)
        client.Pager->StylerChanged(Kind);
}

void TCustomVezOfficePagerStyler::NotifyColorTones(const foundation::TColorTones& Tones)
{
    const std::vector<TClient> clients = FControlList;
    for (const TClient& client : clients)
        client.Pager->SetColorTones(Tones);
}

void TCustomVezOfficePagerStyler::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TCustomVezOfficePagerStyler*>(&Source);
    if (!source) {
        plat::TComponent::Assign(Source);
        return;
    }
    FTabAppearance.Assign(source->FTabAppearance);
    FPageAppearance.Assign(source->FPageAppearance);
    SetRoundEdges(source->FRoundEdges);
    FBlendFactor = source->FBlendFactor;
    SetShowShadow(source->FShowShadow);
    SetShow3D(source->FShow3D);
}

void TCustomVezOfficePagerStyler::SetRoundEdges(bool Value)
{
    FRoundEdges = Value;
    Change(scRoundEdges);
}

void TCustomVezOfficePagerStyler::SetShowShadow(bool Value)
{
    if (FShowShadow == Value)
        return;
    FShowShadow = Value;
    Change(scTabAppearance);
}

void TCustomVezOfficePagerStyler::SetShow3D(bool Value)
{
    if (FShow3D == Value)
        return;
    FShow3D = Value;
    Change(scTabAppearance);
}

void TCustomVezOfficePagerStyler::Notification(plat::TComponent* AComponent, plat::TOperation Operation)
{
    plat::TComponent::Notification(AComponent, Operation);
    if (Operation != plat::opRemove || ComponentState().Contains(plat::csDestroying))
        return;
    std::erase_if(FControlList, [&](const TClient& Client) { return Client.Component == AComponent; });
}

}  // namespace skelda::pager
