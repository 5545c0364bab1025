#include "MiniHtmlFixture.h"

#include "platform/testing/Artifacts.h"

#include <QImage>

#include <gtest/gtest.h>

namespace skelda::foundation {
namespace {

using testing::MiniHtmlFixture;

TEST(MiniHtmlSmoke, Draws)
{
    MiniHtmlFixture f;
    const TMiniHtmlResult r = f.Grid("Plain <B>bold</B> <I>italic</I> <FONT color=\"clred\">red</FONT> <A href=\"x\">link</A><BR>"
                                     "<UL><LI>one<LI>two</UL><HI>marked</HI> <E>wrong</E> <SH>shadow</SH> H<SUB>2</SUB>O x<SUP>2</SUP>");
    f.canvas.Image().save(QString::fromStdString(plat::testing::ArtifactPath("minihtml_smoke.png")));
    EXPECT_GT(r.ContentWidth, 0);
    EXPECT_EQ(r.LinkTotal, 1);
}

}  // namespace
}  // namespace skelda::foundation
