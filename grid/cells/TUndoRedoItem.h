#pragma once

#include "platform/core/TCollection.h"
#include "platform/core/TCollectionItem.h"

#include <string>

namespace skelda::grid {

// One registered cell change, or a marker opening or closing a sequence of changes (column and
// row -1, empty texts).
class TUndoRedoItem : public plat::TCollectionItem {
public:
    std::string ClassName() const override { return "TUndoRedoItem"; }
    void Assign(const plat::TPersistent& Source) override;

    bool IsMarker() const { return SequenceStart || SequenceStop; }

    int Row = -1;
    // A real column.
    int Col = -1;
    std::string Value;
    std::string OrigValue;
    bool SequenceStart = false;
    bool SequenceStop = false;
};

class TUndoRedoCollection : public plat::TCollectionOf<TUndoRedoItem> {
public:
    std::string ClassName() const override { return "TUndoRedoCollection"; }
};

}  // namespace skelda::grid
