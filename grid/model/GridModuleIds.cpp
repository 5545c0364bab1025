#include "grid/model/GridModuleIds.h"

#include "grid/model/ClipboardFormats.h"
#include "platform/controls/core/Messages.h"

namespace skelda::grid {

const TGridModuleIds& GridModuleIds()
{
    static const TGridModuleIds Ids{plat::RegisterWindowMessage("GridEditDone"),
                                    plat::RegisterWindowMessage("DTPShiftFocus"),
                                    RegisterClipboardFormat("TVezEzuzorEvad Cells")};
    return Ids;
}

namespace {

// Registered when the module starts, so the ids are fixed before any window exists.
[[maybe_unused]] const TGridModuleIds& StartUpIds = GridModuleIds();

}  // namespace

}  // namespace skelda::grid
