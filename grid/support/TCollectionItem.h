#pragma once

#include "platform/core/TPersistent.h"

namespace skelda::grid {

class TCollection;

// An item of a TCollection: it lives in exactly one collection, which owns it.
class TCollectionItem : public plat::TPersistent {
public:
    std::string ClassName() const override { return "TCollectionItem"; }

    TCollection* Collection() const { return FCollection; }

protected:
    // Tells the collection that a property of this item changed.
    void Changed();

private:
    friend class TCollection;

    TCollection* FCollection = nullptr;
};

}  // namespace skelda::grid
