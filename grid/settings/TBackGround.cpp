#include "grid/settings/TBackGround.h"

#include "platform/graphics/TBitmap.h"

namespace skelda::grid {

TBackGround::TBackGround()
    : FBitmap(std::make_unique<plat::TBitmap>())
{
}

TBackGround::~TBackGround() = default;

void TBackGround::SetBitmap(const plat::TBitmap& Value)
{
    FBitmap->Assign(Value);
}

}  // namespace skelda::grid
