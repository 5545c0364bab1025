#pragma once

#include "platform/core/TPersistent.h"

namespace plat {

class TCollection;

// An item of a TCollection: it lives in exactly one collection, which owns it.
class TCollectionItem : public TPersistent {
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

}  // namespace plat
