#include "foundation/THTMLHint.h"

#include "platform/controls/forms/TApplication.h"

namespace skelda::foundation {

THTMLHint::THTMLHint(plat::TComponent* AOwner) : plat::TComponent(AOwner) {}

void THTMLHint::SetHintColor(plat::TColor Value)
{
    FHintColor = Value;
    plat::Application->SetHintColor(Value);
}

}  // namespace skelda::foundation
