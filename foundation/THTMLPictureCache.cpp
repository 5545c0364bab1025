#include "foundation/THTMLPictureCache.h"

#include "foundation/THTMLPicture.h"
#include "platform/core/Exception.h"

namespace skelda::foundation {

THTMLPictureCache::THTMLPictureCache() = default;
THTMLPictureCache::~THTMLPictureCache() = default;

THTMLPicture& THTMLPictureCache::AddPicture()
{
    FPictures.push_back(std::make_unique<THTMLPicture>());
    return *FPictures.back();
}

THTMLPicture* THTMLPictureCache::FindPicture(const std::string& ID) const
{
    for (const auto& picture : FPictures)
        if (picture->GetID() == ID)
            return picture.get();
    return nullptr;
}

THTMLPicture& THTMLPictureCache::GetPicture(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw plat::EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return *FPictures[static_cast<std::size_t>(Index)];
}

void THTMLPictureCache::ClearPictures()
{
    FPictures.clear();
}

bool THTMLPictureCache::Animate()
{
    bool any = false;
    for (const auto& picture : FPictures)
        any = picture->Step() || any;
    return any;
}

}  // namespace skelda::foundation
