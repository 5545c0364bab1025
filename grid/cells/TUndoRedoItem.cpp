#include "grid/cells/TUndoRedoItem.h"

namespace skelda::grid {

void TUndoRedoItem::Assign(const plat::TPersistent& Source)
{
    const auto* Src = dynamic_cast<const TUndoRedoItem*>(&Source);
    if (!Src) {
        plat::TCollectionItem::Assign(Source);
        return;
    }
    Row = Src->Row;
    Col = Src->Col;
    Value = Src->Value;
    OrigValue = Src->OrigValue;
    SequenceStart = Src->SequenceStart;
    SequenceStop = Src->SequenceStop;
}

}  // namespace skelda::grid
