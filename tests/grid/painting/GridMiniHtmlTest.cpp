// The grid's mini-HTML cells drawn with and without kept layouts: the same pixels either way, a
// new layout whenever what it was made from changes, and the cache within its memory.

#include "foundation/THTMLPicture.h"
#include "tests/foundation/HtmlPictureBytes.h"
#include "foundation/TPictureContainer.h"
#include "grid/painting/GridMiniHtml.h"
#include "grid/painting/TGridHtmlLayoutCache.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace skelda::grid {
namespace {

using plat::TRect;

// A cell text's image: the text drawn on white in a cell at (10, 5).
class CellImage {
public:
    CellImage() : FImage(300, 120, QImage::Format_RGB32), FCanvas(plat::MakeImageCanvasBackend(FImage))
    {
        FCanvas.Font().SetName("Tahoma");
        FCanvas.Font().SetHeight(-11);
    }

    plat::TCanvas& Canvas() { return FCanvas; }
    const QImage& Image() const { return FImage; }

    // Draws Text at WidthPx and returns the width the grid keeps.
    int Draw(const std::string& Text, int WidthPx, const TGridHtmlRoles& Roles)
    {
        FImage.fill(Qt::white);
        FCanvas.Brush().SetColor(plat::clWhite);
        FCanvas.Font().SetColor(plat::clBlack);
        return DrawGridHtml(FCanvas, Text, TRect{10, 5, 10 + WidthPx, 115}, Roles);
    }

private:
    QImage FImage;
    plat::TCanvas FCanvas;
};

TGridHtmlRoles RolesAt(plat::TPoint CellTopLeft)
{
    TGridHtmlRoles roles;
    roles.CellTopLeft = CellTopLeft;
    return roles;
}

TEST(GridMiniHtml, KeptLayoutsPaintWhatALayoutMadeAtEveryPaintPaints)
{
    const std::vector<std::string> texts = {
        "<b>14.2</b> MHz",
        "<font color=\"clRed\" bgcolor=\"clYellow\">-12</font> dB and some words that wrap in a narrow cell",
        "<a href=\"http://example.org\">link</a> <i>note</i> <a href=\"x\">second link over lines</a>",
        "<u>S</u>9 <hi>+10</hi> <E>error words</E> <SH>shadow</SH>",
        "<IMG src=\"SSYS:1\" align=\"middle\"> 7 hops<BR><P align=\"right\">right</P><UL><LI>item</UL>",
        "<CONTROL type=\"CHECK\" id=\"c\" value=\"TRUE\" width=\"16\"> on <CONTROL type=\"EDIT\" width=\"40\">",
        "H<SUB>2</SUB>O <R a=\"20\">turned</R> <BLINK>blink</BLINK> &amp; &lt;x&gt;",
    };
    TGridHtmlLayoutCache layouts;
    CellImage uncached;
    CellImage cached;
    for (const std::uint8_t order : {std::uint8_t{0}, std::uint8_t{1}})
        for (const int hover : {-1, 1})
            for (const int width : {60, 200})
                for (const std::string& text : texts) {
                    SCOPED_TRACE(text + " at " + std::to_string(width) + ", order " + std::to_string(order));
                    TGridHtmlRoles roles = RolesAt({10, 5});
                    roles.BiDiMode = order;
                    roles.HoverAnchor = hover;
                    roles.UnderlineOnHover = hover > 0;
                    roles.LinkColor = plat::clGreen;
                    const int expected = uncached.Draw(text, width, roles);
                    roles.Layouts = &layouts;
                    EXPECT_EQ(cached.Draw(text, width, roles), expected) << "laid out";
                    EXPECT_EQ(cached.Image(), uncached.Image()) << "laid out";
                    EXPECT_EQ(cached.Draw(text, width, roles), expected) << "kept";
                    EXPECT_EQ(cached.Image(), uncached.Image()) << "kept";
                }
}

TEST(GridMiniHtml, AChangedTextFontWidthOrHoverLaysOutAnew)
{
    TGridHtmlLayoutCache layouts;
    CellImage cell;
    TGridHtmlRoles roles = RolesAt({10, 5});
    roles.Layouts = &layouts;
    roles.UnderlineOnHover = true;
    const std::string text = "<b>bold</b> and <a href=\"x\">link</a>";
    const auto laidOutBy = [&](const std::function<void()>& Change) {
        const std::size_t before = layouts.LayoutsMade();
        Change();
        cell.Draw(text, 150, roles);
        return layouts.LayoutsMade() - before;
    };
    EXPECT_EQ(laidOutBy([] {}), 1u) << "the first paint";
    EXPECT_EQ(laidOutBy([] {}), 0u) << "a repaint";
    EXPECT_EQ(laidOutBy([&] { cell.Draw("<b>other</b>", 150, roles); }), 1u) << "another text; this one is kept";
    EXPECT_EQ(laidOutBy([&] { cell.Canvas().Font().SetHeight(-14); }), 1u) << "a bigger font";
    EXPECT_EQ(laidOutBy([&] { cell.Canvas().Font().SetStyle({plat::fsItalic}); }), 1u) << "an italic font";
    EXPECT_EQ(laidOutBy([&] { cell.Canvas().Font().SetName("DejaVu Sans"); }), 1u) << "another face";
    EXPECT_EQ(laidOutBy([&] { roles.HoverAnchor = 1; }), 1u) << "the link hovered";
    // Only the width counts, not where the cell stands nor the colours.
    EXPECT_EQ(laidOutBy([&] {
                  roles.CellTopLeft = {40, 40};
                  roles.LinkColor = plat::clRed;
              }),
              0u);
    const std::size_t before = layouts.LayoutsMade();
    cell.Draw(text, 90, roles);
    EXPECT_EQ(layouts.LayoutsMade() - before, 1u) << "a narrower cell";
}

// A picture of the grid's container is measured afresh at every paint: a changed picture takes
// its new size at once.
TEST(GridMiniHtml, ContainerPicturesAreNeverTakenFromAKeptLayout)
{
    foundation::TPictureContainer container(nullptr);
    foundation::TPictureItem& item = container.Items().Add();
    item.SetName("pic");
    const auto load = [&](int WidthPx) { item.Picture().LoadFromBytes(foundation::testing::SolidPng(WidthPx, 10, qRgb(0, 0, 255))); };
    TGridHtmlLayoutCache layouts;
    CellImage cell;
    TGridHtmlRoles roles = RolesAt({10, 5});
    roles.Container = &container;
    roles.Layouts = &layouts;
    load(20);
    const int narrow = cell.Draw("<IMG src=\"pic\">", 200, roles);
    load(50);
    EXPECT_EQ(cell.Draw("<IMG src=\"pic\">", 200, roles), narrow + 30);
}

TEST(GridMiniHtml, KeptLayoutsStayWithinTheirMemory)
{
    constexpr std::size_t capacity = 64 * 1024;
    TGridHtmlLayoutCache layouts(capacity);
    CellImage cell;
    TGridHtmlRoles roles = RolesAt({10, 5});
    roles.Layouts = &layouts;
    for (int i = 0; i < 2000; ++i) {
        cell.Draw("<b>" + std::to_string(i) + "</b> cell text number " + std::to_string(i), 150, roles);
        ASSERT_LE(layouts.MemoryBytes(), capacity) << i;
    }
    EXPECT_GT(layouts.Count(), 10u);
    EXPECT_LT(layouts.Count(), 2000u);
    // The latest stay, the oldest went first.
    std::size_t made = layouts.LayoutsMade();
    cell.Draw("<b>1999</b> cell text number 1999", 150, roles);
    EXPECT_EQ(layouts.LayoutsMade(), made);
    cell.Draw("<b>0</b> cell text number 0", 150, roles);
    EXPECT_EQ(layouts.LayoutsMade(), made + 1);

    // A text too big for the whole cache is drawn and not kept.
    const std::size_t count = layouts.Count();
    std::string huge;
    for (int i = 0; i < 3000; ++i)
        huge += "<b>w" + std::to_string(i) + "</b> ";
    made = layouts.LayoutsMade();
    cell.Draw(huge, 150, roles);
    cell.Draw(huge, 150, roles);
    EXPECT_EQ(layouts.LayoutsMade(), made + 2);
    EXPECT_LE(layouts.Count(), count);
    EXPECT_LE(layouts.MemoryBytes(), capacity);
}

}  // namespace
}  // namespace skelda::grid
