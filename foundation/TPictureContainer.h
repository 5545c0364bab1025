#pragma once

#include "platform/core/TComponent.h"
#include "platform/core/TPersistent.h"

#include <memory>
#include <string>
#include <vector>

namespace skelda::foundation {

class THTMLPicture;
class TPictureCollection;

// One named picture of a picture container; it owns its picture.
class TPictureItem : public plat::TPersistent {
public:
    explicit TPictureItem(TPictureCollection* Collection = nullptr);
    ~TPictureItem() override;

    std::string ClassName() const override { return "TPictureItem"; }

    THTMLPicture& Picture() const { return *FPicture; }
    // Copies the picture into the item's own.
    void SetPicture(const THTMLPicture& Value);
    int GetTag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    const std::string& GetName() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    TPictureCollection* Collection() const { return FCollection; }

    // Name, Tag and picture of another item; any other source is a type error (EConvertError).
    void Assign(const plat::TPersistent& Source) override;

private:
    std::unique_ptr<THTMLPicture> FPicture;
    int FTag = 0;
    std::string FName;
    TPictureCollection* FCollection;
};

// The items of a picture container, in order.
class TPictureCollection : public plat::TPersistent {
public:
    explicit TPictureCollection(plat::TComponent* AOwner);
    ~TPictureCollection() override;

    std::string ClassName() const override { return "TPictureCollection"; }

    TPictureItem& Add();
    TPictureItem& Insert(int Index);
    void Delete(int Index);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    // EListError for an index outside the collection.
    TPictureItem& Items(int Index) const;
    plat::TComponent* GetOwner() const { return FOwner; }
    // One animation tick for every item's picture; true when any changed frame.
    bool Animate();

private:
    plat::TComponent* FOwner;
    std::vector<std::unique_ptr<TPictureItem>> FItems;
};

// Named pictures that mini-HTML image tags name instead of an address ("<IMG SRC=\"logo\">").
// Names compare without regard to the case of ASCII letters; the first match wins.
class TPictureContainer : public plat::TComponent {
public:
    explicit TPictureContainer(plat::TComponent* AOwner);
    ~TPictureContainer() override;

    std::string ClassName() const override { return "TPictureContainer"; }

    TPictureCollection& Items() const { return *FItems; }
    // Takes over the given collection in place of the one held, which is freed.
    void SetItems(std::unique_ptr<TPictureCollection> Value);
    // The picture of the first item of that name, or nullptr.
    virtual THTMLPicture* FindPicture(const std::string& Name) const;
    std::string GetVersion() const;
    void SetVersion(const std::string&) {}

private:
    std::unique_ptr<TPictureCollection> FItems;
};

}  // namespace skelda::foundation
