#include "grid/model/ClipboardFormats.h"
#include "grid/model/GridModuleIds.h"
#include "platform/controls/core/Messages.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

namespace skelda::grid {
namespace {

TEST(GridModuleIdsTest, MessagesAndClipboardFormatAreRegisteredOnceByName)
{
    const TGridModuleIds& Ids = GridModuleIds();
    EXPECT_EQ(Ids.GridEditDone, plat::RegisterWindowMessage("GridEditDone"));
    EXPECT_EQ(Ids.DTPShiftFocus, plat::RegisterWindowMessage("dtpshiftfocus"));
    EXPECT_NE(Ids.GridEditDone, Ids.DTPShiftFocus);
    EXPECT_EQ(Ids.CellsClipboardFormat, RegisterClipboardFormat("TVezEzuzorEvad CELLS"));
    EXPECT_GE(Ids.CellsClipboardFormat, 0xC000u);
    EXPECT_EQ(&GridModuleIds(), &Ids);
}

TEST(GridModuleIdsTest, ClipboardFormatsAreDistinctPerNameAndNeedOne)
{
    const unsigned First = RegisterClipboardFormat("Grid test format A");
    EXPECT_NE(First, RegisterClipboardFormat("Grid test format B"));
    EXPECT_EQ(First, RegisterClipboardFormat("grid test format a"));
    EXPECT_THROW(RegisterClipboardFormat(""), plat::EInvalidArgument);
}

}  // namespace
}  // namespace skelda::grid
