#pragma once

#include "platform/controls/core/TControlActionLink.h"

namespace skelda::pager {

class TVezCustomGlowButton;

// The link between a glow button and its action: besides what every control takes, the action's
// checked state reaches the button's Down, its group its GroupIndex and its image its
// ImageIndex, each only while the button still shows the action's value.
class TVezGlowButtonActionLink : public plat::TControlActionLink {
public:
    void AssignClient(plat::TControl& AClient) override;

    // The action's checked state is the button's Down (kept by the button as well).
    bool IsCheckedLinked() override;
    // The action's group is the button's GroupIndex (kept by the button as well).
    bool IsGroupIndexLinked() override;
    // Help context, keyword and type all the button's.
    bool IsHelpLinked() override;
    // The action's image is the one this link passed on last.
    bool IsImageIndexLinked() override;

    void SetChecked(bool Value) override;
    void SetGroupIndex(int Value) override;
    void SetHelpContext(int Value) override;
    void SetHelpKeyword(const std::string& Value) override;
    void SetHelpType(plat::THelpType Value) override;
    void SetImageIndex(int Value) override;

    // The image index last passed to the button (0 when none was).
    int PassedImageIndex() const { return FImageIndex; }
    void SetPassedImageIndex(int Value) { FImageIndex = Value; }

private:
    int FImageIndex = 0;
    TVezCustomGlowButton* FClient = nullptr;
};

}  // namespace skelda::pager
