#include "foundation/THTMLHint.h"

#include "foundation/EHTMLHintError.h"
#include "foundation/THTMLHintWindow.h"
#include "foundation/THTMLPictureCache.h"
#include "foundation/TPictureContainer.h"
#include "platform/controls/forms/TApplicationEvents.h"
#include "platform/controls/forms/TForm.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"

namespace skelda::foundation {

namespace {

// Copied from the hint record by AppShowHint, read when the hint window is placed.
int keptHintMaxWidth = 0;

}  // namespace

THTMLHint::THTMLHint(plat::TComponent* AOwner) : plat::TComponent(AOwner)
{
    auto* form = dynamic_cast<plat::TCustomForm*>(AOwner);
    if (!form)
        throw EHTMLHintError("Control parent must be a form!");
    int count = 0;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (dynamic_cast<THTMLHint*>(form->Components(i)))
            ++count;
    if (count >= 2)
        throw EHTMLHintError("Only one instance of THTMLHint allowed on form");

    FImageCache = std::make_unique<THTMLPictureCache>();
    FHintFont = std::make_unique<plat::TFont>();
    FHintFont->SetColor(plat::clInfoText);
    FHintFont->SetName("Tahoma");
    if (ComponentState().Contains(plat::csDesigning))
        return;
    plat::Application->HintWindowClass = [](plat::TComponent* Owner) { return new THTMLHintWindow(Owner); };
    FApplicationEvents = new plat::TApplicationEvents(this);
    // Switching hints off and on again drops the hint window of the old class.
    const bool showHint = plat::Application->GetShowHint();
    plat::Application->SetShowHint(!showHint);
    plat::Application->SetShowHint(showHint);
    FApplicationEvents->OnShowHint = [this](std::string& HintStr, bool& CanShow, plat::THintInfo& Info) {
        AppShowHint(HintStr, CanShow, Info);
    };
}

THTMLHint::~THTMLHint() = default;

void THTMLHint::SetHintFont(const plat::TFont& Value)
{
    FHintFont->Assign(Value);
}

void THTMLHint::SetImages(plat::TImageList* Value)
{
    if (FImages)
        RemoveFreeNotification(FImages);
    FImages = Value;
    if (FImages)
        FreeNotification(FImages);
}

void THTMLHint::SetPictureContainer(TPictureContainer* Value)
{
    if (FContainer)
        RemoveFreeNotification(FContainer);
    FContainer = Value;
    if (FContainer)
        FreeNotification(FContainer);
}

std::string THTMLHint::GetVersion() const
{
    constexpr int major = 1, minor = 3, release = 8, build = 0;
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(release) + "." +
           std::to_string(build);
}

void THTMLHint::AppShowHint(std::string& HintStr, bool& CanShow, plat::THintInfo& Info)
{
    Info.HintColor = FHintColor;
    if (FMaxWidth != 0)
        Info.HintMaxWidth = FMaxWidth;
    if (OnShowHint)
        OnShowHint(HintStr, CanShow, Info);
    keptHintMaxWidth = Info.HintMaxWidth;
    FHintInfo = Info;
}

void THTMLHint::Notification(plat::TComponent* AComponent, plat::TOperation Operation)
{
    plat::TComponent::Notification(AComponent, Operation);
    if (Operation != plat::opRemove)
        return;
    if (AComponent == FImages)
        FImages = nullptr;
    if (AComponent == FContainer)
        FContainer = nullptr;
}

THTMLHint* FindHTMLHint()
{
    const plat::TCustomForm* form = plat::Application->MainForm();
    if (!form)
        return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* hint = dynamic_cast<THTMLHint*>(form->Components(i)))
            return hint;
    return nullptr;
}

int HTMLHintMaxWidth()
{
    return keptHintMaxWidth;
}

}  // namespace skelda::foundation
