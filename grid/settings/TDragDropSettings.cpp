#include "grid/settings/TDragDropSettings.h"

namespace skelda::grid {

void TDragDropSettings::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TDragDropSettings*>(&Source);
    if (!source)
        return;
    FOleDropTarget = source->FOleDropTarget;
    FOleDropSource = source->FOleDropSource;
    FOleDropRTF = source->FOleDropRTF;
    FOleAcceptText = source->FOleAcceptText;
    FOleAcceptFiles = source->FOleAcceptFiles;
    FOleAcceptURLs = source->FOleAcceptURLs;
    FOleEntireRows = source->FOleEntireRows;
    FOleAppendRows = source->FOleAppendRows;
    FOleInsertRows = source->FOleInsertRows;
    FOleRemoveRows = source->FOleRemoveRows;
    FOleCopyAlways = source->FOleCopyAlways;
    FOleColumnDragDrop = source->FOleColumnDragDrop;
    FOleColumnReorder = source->FOleColumnReorder;
    FOleColumnsOnly = source->FOleColumnsOnly;
    FShowCells = source->FShowCells;
}

}  // namespace skelda::grid
