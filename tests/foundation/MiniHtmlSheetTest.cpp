#include "HtmlPictureBytes.h"
#include "MiniHtmlFixture.h"

#include "foundation/MiniHtmlDraw.h"
#include "foundation/MiniHtmlEngine.h"
#include "foundation/THTMLPictureCache.h"
#include "foundation/TPictureContainer.h"
#include "foundation/THTMLPicture.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/graphics/TImageList.h"
#include "platform/testing/Artifacts.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace skelda::foundation {
namespace {

using plat::TRect;

struct SheetRow {
    std::string markup;
    // Inputs a row changes from the defaults.
    int hoverLink = -1;
    bool blinkVisible = true;
};

// Every tag of a variant, its source on the left and what it draws on the right, for a person
// to look at: build/.../artifacts/minihtml_<variant>_tags.png.
class MiniHtmlSheet {
public:
    MiniHtmlSheet() : FContainer(nullptr), FList(nullptr)
    {
        QImage pic(24, 18, QImage::Format_ARGB32);
        QPainter p(&pic);
        p.fillRect(pic.rect(), QColor(40, 110, 200));
        p.fillRect(QRect(4, 4, 16, 10), QColor(250, 200, 40));
        p.end();
        TPictureItem& item = FContainer.Items().Add();
        item.SetName("pic");
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        pic.save(&buffer, "PNG");
        item.Picture().LoadFromBytes({bytes.begin(), bytes.end()});
        TPictureItem& tile = FContainer.Items().Add();
        tile.SetName("tile");
        tile.Picture().LoadFromBytes(testing::SolidPng(8, 8, qRgb(225, 240, 225)));
        plat::TBitmap icon;
        icon.SetSize(16, 16);
        icon.Canvas().Brush().SetColor(plat::clRed);
        icon.Canvas().FillRect(TRect{2, 2, 14, 14});
        FList.Add(icon, nullptr);
    }

    void Render(bool Grid, const std::vector<SheetRow>& Rows, const std::string& FileName)
    {
        constexpr int kLabelW = 330, kCellW = 330, kWidth = kLabelW + kCellW + 12;
        QImage measureImage(kWidth, 10, QImage::Format_RGB32);
        plat::TCanvas measure(plat::MakeImageCanvasBackend(measureImage));
        Prepare(measure);
        std::vector<int> heights;
        int total = 4;
        for (const SheetRow& row : Rows) {
            const TMiniHtmlResult r = Run(Grid, measure, row, TRect{0, 0, kCellW, 65535}, true);
            TRect label{0, 0, kLabelW - 4, 0};
            measure.DrawText(row.markup, label, plat::DT_WORDBREAK | plat::DT_NOPREFIX | plat::DT_CALCRECT);
            heights.push_back(std::max({r.ContentHeight + 10, label.Height() + 6, 26}));
            total += heights.back();
        }
        QImage image(kWidth, total, QImage::Format_RGB32);
        image.fill(Qt::white);
        plat::TCanvas canvas(plat::MakeImageCanvasBackend(image));
        int top = 4;
        for (std::size_t i = 0; i < Rows.size(); ++i) {
            Prepare(canvas);
            canvas.Font().SetColor(plat::clGray);
            TRect label{4, top + 3, kLabelW, top + heights[i]};
            canvas.DrawText(Rows[i].markup, label, plat::DT_WORDBREAK | plat::DT_NOPREFIX);
            const TRect cell{kLabelW + 6, top + 2, kLabelW + 6 + kCellW, top + heights[i] - 3};
            canvas.Pen().SetColor(plat::clSilver);
            canvas.Brush().SetStyle(plat::bsClear);
            canvas.Rectangle(TRect{cell.Left - 1, cell.Top - 1, cell.Right + 1, cell.Bottom + 1});
            Prepare(canvas);
            Run(Grid, canvas, Rows[i], TRect{cell.Left, cell.Top + 2, cell.Right, cell.Bottom}, false);
            top += heights[i];
        }
        ASSERT_TRUE(image.save(QString::fromStdString(plat::testing::ArtifactPath(FileName))));
    }

private:
    static void Prepare(plat::TCanvas& Canvas) { testing::PrepareCanvas(Canvas); }

    TMiniHtmlResult Run(bool Grid, plat::TCanvas& Canvas, const SheetRow& Row, TRect Bounds, bool SizeOnly)
    {
        TMiniHtmlRequest q;
        q.Text = Row.markup;
        q.Bounds = Bounds;
        q.ImageList = &FList;
        q.Pictures = &FContainer;
        q.PictureCache = &FCache;
        q.SizeOnly = SizeOnly;
        q.HoverLinkIndex = Row.hoverLink;
        q.HoverOnlyLinks = Row.hoverLink > 0;
        q.HoverTextColor = Row.hoverLink > 0 ? plat::clRed : plat::clNone;
        q.HoverBackColor = Row.hoverLink > 0 ? plat::clYellow : plat::clNone;
        q.BlinkVisible = Row.blinkVisible;
        q.ShadowShift = 1;
        q.ShadowTextColor = plat::clSilver;
        q.LineGap = Grid ? 0 : 1;
        TMiniHtmlResult r;
        RunMiniHtml(Grid ? TMiniHtmlVariant::Grid() : TMiniHtmlVariant::Hint(), Canvas, q, r);
        return r;
    }

    TPictureContainer FContainer;
    THTMLPictureCache FCache;
    plat::TImageList FList;
};

std::vector<SheetRow> CommonRows()
{
    return {
        {"<B>bold</B> <I>italic</I> <U>underline</U> <S>strike-out</S>"},
        {"<FONT face=\"Courier New\" size=\"4\" color=\"clred\">font</FONT> <FONT color=\"#008000\" "
         "bgcolor=\"clyellow\">on yellow</FONT> back to base"},
        {"<A href=\"a\">link</A> and <A href=\"b\">hovered link</A> (hover style)", 2},
        {"<HI>highlight</HI> <E>misspelt</E> <SH>shadowed</SH>"},
        {"H<SUB>2</SUB>O and E = mc<SUP>2</SUP>"},
        {"before <BLINK>blinking (off phase)</BLINK> after", -1, false},
        {"<UL><LI>one<UL><LI>nested</UL><LI>three</UL>"},
        {"<P align=\"center\">centred</P><P align=\"right\">right-aligned</P><P align=\"left\">left again"},
        {"<P bgcolor=\"clsilver\">paragraph background</P>after"},
        {"line one<BR>line two<HR>after the rule"},
        {"a<IN x=\"80\">indented to 80"},
        {"<Z>hidden </Z>visible, hidden text omitted"},
        {"&lt;tag&gt; &amp; &euro; &copy; &reg; &trade; &sect; &para; &permil; a&nbsp;b &quot;q&quot;"},
        {"picture <IMG src=\"pic\"> list <IMG src=\"idx:0\"> icons <IMG src=\"ssys:1\"> <IMG src=\"LSYS:a.txt\">"},
        {"<IMG src=\"pic\" width=\"48\"> <IMG src=\"pic\" align=\"middle\">middle <IMG src=\"pic\" align=\"top\">top"},
        {"<BODY bgcolor=\"#E0F0FF\">body colour"},
        {"<BODY background=\"tile\">tiled body background"},
        {"text <R a=\"20\">rotated</R> text<BR><BR>"},
        {"A long line of words that wraps within the cell, word by word, as it reaches the right edge of the cell."},
    };
}

TEST(MiniHtmlSheet, EveryTagInBothVariants)
{
    MiniHtmlSheet sheet;
    std::vector<SheetRow> grid = CommonRows();
    grid.push_back({"<CONTROL type=\"EDIT\" id=\"e\" width=\"70\" value=\"edit\"> <CONTROL type=\"COMBO\" width=\"70\" "
                    "value=\"combo\"> <CONTROL type=\"CHECK\" width=\"1\" value=\"true\"> <CONTROL type=\"RADIO\" "
                    "width=\"1\"> <CONTROL type=\"BUTTON\" width=\"60\" value=\"Button\">"});
    grid.push_back({"<CONTROL type=\"PASSWORD\" width=\"70\" value=\"secret\"> <CONTROL type=\"MASK\" width=\"70\" "
                    "value=\"12-34\">"});
    grid.push_back({"a &amp; b, a bare & marks the next letter"});
    sheet.Render(true, grid, "minihtml_grid_tags.png");

    std::vector<SheetRow> hint = CommonRows();
    hint.push_back({"<OF x=\"30\">offset: this line and those after<BR>start 30 pixels in</O><BR>until closed"});
    hint.push_back({"<UL><LI type=\"square\" color=\"clblue\">square<LI type=\"circle\" color=\"clred\">circle<LI "
                    "color=\"clgreen\">coloured bullet</UL>"});
    hint.push_back({"above<HR color=\"clblue\">below a blue rule"});
    hint.push_back({"<BODY bgcolor=\"#FFFFFF\" bgcolorto=\"#A0C0FF\">body gradient, left to right"});
    hint.push_back({"<BODY bgcolor=\"#FFFFFF\" bgcolorto=\"#FFC080\" dir=\"v\">body gradient, top to bottom<BR>second line"});
    hint.push_back({"<P bgcolor=\"#FFFFFF\" bgcolorto=\"#C0FFC0\">paragraph gradient</P>"});
    hint.push_back({"<BODY bgtopright=\"pic\">corner picture top right"});
    hint.push_back({"<IMG src=\"pic\" wrap>wrapped picture keeps the line low"});
    hint.push_back({"R & D shows its ampersand"});
    sheet.Render(false, hint, "minihtml_hint_tags.png");
}

}  // namespace
}  // namespace skelda::foundation
