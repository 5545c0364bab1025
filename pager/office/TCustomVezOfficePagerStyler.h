#pragma once

#include "pager/glow/TGlowButtonAppearance.h"
#include "pager/office/IPagerStylerClient.h"
#include "pager/office/PagerBackgrounds.h"
#include "pager/office/TTabAppearance.h"
#include "platform/core/TComponent.h"

#include <vector>

namespace skelda::pager {

// The colours one or more pagers paint with: tab, page and glow-button appearances and a few
// look flags. It tells every pager it serves of each change, with the kind of change; a pager
// enters its list when the styler is assigned to it and leaves it when another is assigned or
// the pager is destroyed.
class TCustomVezOfficePagerStyler : public plat::TComponent {
public:
    explicit TCustomVezOfficePagerStyler(plat::TComponent* AOwner);
    ~TCustomVezOfficePagerStyler() override;

    std::string ClassName() const override { return "TCustomVezOfficePagerStyler"; }

    // Appends a pager; Component, when given, is the pager as a component, so that its
    // destruction takes it out of the list.
    void AddControl(IPagerStylerClient* APager, plat::TComponent* Component = nullptr);
    // Takes the pager out when it is in the list.
    void RemoveControl(IPagerStylerClient* APager);
    int ControlCount() const { return static_cast<int>(FControlList.size()); }
    // Raises EListError "Index out of bounds in list read access" past the end.
    IPagerStylerClient* Control(int Index) const;

    // Tells every pager of the list, unless the styler is being destroyed.
    void Change(TStylerChange Kind);
    void NotifyColorTones(const foundation::TColorTones& Tones);

    // From another styler: the tab and page appearances, round edges, blend factor, ShowShadow
    // and Show3D; not the glow-button appearance nor an office styler's style and Metro values.
    void Assign(const plat::TPersistent& Source) override;

    virtual void UpdateTones() {}

    TTabAppearance& TabAppearance() { return FTabAppearance; }
    void SetTabAppearance(const TTabAppearance& Value) { FTabAppearance.Assign(Value); }
    TVistaBackground& PageAppearance() { return FPageAppearance; }
    void SetPageAppearance(const TVistaBackground& Value) { FPageAppearance.Assign(Value); }
    TGlowButtonAppearance& GlowButtonAppearance() { return FGlowButtonAppearance; }
    void SetGlowButtonAppearance(const TGlowButtonAppearance& Value) { FGlowButtonAppearance.Assign(Value); }

    bool GetRoundEdges() const { return FRoundEdges; }
    void SetRoundEdges(bool Value);
    int GetBlendFactor() const { return FBlendFactor; }
    void SetBlendFactor(int Value) { FBlendFactor = Value; }
    bool GetShowShadow() const { return FShowShadow; }
    void SetShowShadow(bool Value);
    bool GetShow3D() const { return FShow3D; }
    void SetShow3D(bool Value);
    bool GetAutoThemeAdapt() const { return FAutoThemeAdapt; }
    virtual void SetAutoThemeAdapt(bool Value) { FAutoThemeAdapt = Value; }

protected:
    void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;

private:
    struct TClient {
        IPagerStylerClient* Pager;
        plat::TComponent* Component;
    };

    std::vector<TClient> FControlList;
    TTabAppearance FTabAppearance;
    TVistaBackground FPageAppearance;
    bool FRoundEdges = true;
    bool FAutoThemeAdapt = false;
    TGlowButtonAppearance FGlowButtonAppearance;
    int FBlendFactor = 50;
    bool FShowShadow = true;
    bool FShow3D = true;
};

}  // namespace skelda::pager
