#include "editcontrols/button/TKvHTButton.h"

#include "editcontrols/button/TKvHTButtonGlyph.h"

namespace skelda::editcontrols {

TKvHTButton::TKvHTButton(plat::TComponent* AOwner) : TKvaColorButton(AOwner)
{
    SetGlyphDrawer(std::make_unique<TKvHTButtonGlyph>());
}

}  // namespace skelda::editcontrols
