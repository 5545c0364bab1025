// The lines an empty pager shows in the designer.

#include "pager/office/PagerDesignerHint.h"

#include "platform/graphics/TFont.h"
#include "platform/testing/TRecordingCanvas.h"

#include <gtest/gtest.h>

namespace skelda::pager {
namespace {

TEST(PagerDesignerHintTest, FourLinesFromHalfTheHeightTheLastTwoInItalics)
{
    plat::testing::TRecordingCanvas canvas(400, 300);
    plat::TFont font;
    font.SetName("Arial");
    canvas.Font().Assign(font);
    const int h = canvas.TextHeight("gh");
    PaintEmptyDesignerHint(canvas, font, 200);
    const auto lines = canvas.CallsOf("TextOut");
    ASSERT_EQ(lines.size(), 4u);
    const std::string expected[] = {
        "TextOut(10," + std::to_string(100) + ",\"Right-click and choose \"New Page\"\")",
        "TextOut(10," + std::to_string(100 + h) + ",\"to insert a new tabsheet\")",
        "TextOut(10," + std::to_string(100 + 3 * h) + ",\"If no such right-click menu option appears\")",
        "TextOut(10," + std::to_string(100 + 4 * h) + ",\"please install designtime package!\")",
    };
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(lines[i].substr(0, expected[i].size()), expected[i]);
    EXPECT_TRUE(canvas.Font().GetStyle().Contains(plat::fsItalic));
}

}  // namespace
}  // namespace skelda::pager
