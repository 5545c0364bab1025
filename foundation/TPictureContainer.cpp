#include "foundation/TPictureContainer.h"

#include "foundation/MiniHtmlMarkup.h"
#include "foundation/THTMLPicture.h"
#include "platform/core/Exception.h"

namespace skelda::foundation {

TPictureItem::TPictureItem(TPictureCollection* Collection)
    : FPicture(std::make_unique<THTMLPicture>()), FCollection(Collection)
{
}

TPictureItem::~TPictureItem() = default;

void TPictureItem::SetPicture(const THTMLPicture& Value)
{
    FPicture->Assign(Value);
}

void TPictureItem::Assign(const plat::TPersistent& Source)
{
    const auto* item = dynamic_cast<const TPictureItem*>(&Source);
    if (item == nullptr)
        throw plat::EConvertError("Cannot assign a " + Source.ClassName() + " to a " + ClassName());
    FName = item->FName;
    FTag = item->FTag;
    FPicture->Assign(*item->FPicture);
}

TPictureCollection::TPictureCollection(plat::TComponent* AOwner) : FOwner(AOwner) {}

TPictureCollection::~TPictureCollection() = default;

TPictureItem& TPictureCollection::Add()
{
    FItems.push_back(std::make_unique<TPictureItem>(this));
    return *FItems.back();
}

TPictureItem& TPictureCollection::Insert(int Index)
{
    if (Index < 0 || Index > Count())
        throw plat::EListError("List index out of bounds (" + std::to_string(Index) + ")");
    auto at = FItems.insert(FItems.begin() + Index, std::make_unique<TPictureItem>(this));
    return **at;
}

void TPictureCollection::Delete(int Index)
{
    Items(Index);
    FItems.erase(FItems.begin() + Index);
}

void TPictureCollection::Clear()
{
    FItems.clear();
}

TPictureItem& TPictureCollection::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw plat::EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return *FItems[static_cast<std::size_t>(Index)];
}

bool TPictureCollection::Animate()
{
    bool any = false;
    for (const auto& item : FItems)
        any = item->Picture().Step() || any;
    return any;
}

TPictureContainer::TPictureContainer(plat::TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this))
{
}

TPictureContainer::~TPictureContainer() = default;

void TPictureContainer::SetItems(std::unique_ptr<TPictureCollection> Value)
{
    if (Value)
        FItems = std::move(Value);
}

THTMLPicture* TPictureContainer::FindPicture(const std::string& Name) const
{
    const std::string wanted = minihtml::UpperAscii(Name);
    for (int i = 0; i < FItems->Count(); ++i) {
        TPictureItem& item = FItems->Items(i);
        if (minihtml::UpperAscii(item.GetName()) == wanted)
            return &item.Picture();
    }
    return nullptr;
}

std::string TPictureContainer::GetVersion() const
{
    constexpr unsigned kVersion = 0x01000000;
    return std::to_string(kVersion >> 24) + "." + std::to_string((kVersion >> 16) & 0xFF) + "." +
           std::to_string((kVersion >> 8) & 0xFF) + "." + std::to_string(kVersion & 0xFF);
}

}  // namespace skelda::foundation
