#include "HtmlPictureBytes.h"
#include "MiniHtmlFixture.h"

#include "foundation/THTMLPicture.h"
#include "foundation/THTMLPictureCache.h"
#include "foundation/TPictureContainer.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TImageList.h"
#include "platform/testing/ImageProbe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace skelda::foundation {
namespace {

using plat::TRect;
using testing::MiniHtmlFixture;
using testing::SolidPng;

// Pictures by name: "tall" 20 x 30, "small" 10 x 10.
class MiniHtmlPictures : public ::testing::Test {
protected:
    MiniHtmlPictures() : container(nullptr), list(nullptr)
    {
        Add("tall", 20, 30);
        Add("small", 10, 10, qRgb(255, 0, 0));
        f.request.Pictures = &container;
        f.request.PictureCache = &cache;
        plat::TBitmap bitmap;
        bitmap.SetSize(16, 16);
        list.Add(bitmap, nullptr);
        f.request.ImageList = &list;
    }
    void Add(const std::string& Name, int W, int H, QRgb Colour = qRgb(0, 0, 255))
    {
        TPictureItem& item = container.Items().Add();
        item.SetName(Name);
        item.Picture().LoadFromBytes(SolidPng(W, H, Colour));
    }
    // The pictures drawn, as the canvas logged them.
    std::vector<std::string> DrawnPictures() const
    {
        return f.canvas.CallsOf("Draw");
    }
    bool BlueAt(int X, int Y) const { return plat::testing::PixelAt(f.canvas.Image(), X, Y) == plat::clBlue; }

    MiniHtmlFixture f;
    TPictureContainer container;
    THTMLPictureCache cache;
    plat::TImageList list;
};

TEST_F(MiniHtmlPictures, PicturesTakeTheirSpaceAndSources)
{
    const int gh = f.Height();
    const struct {
        const char* text;
        int width;
        int height;
    } cases[] = {
        {"<IMG src=\"tall\">", 20, 30},
        {"<IMG SRC=\"TALL\" width=\"40\">", 40, 60},
        {"<IMG src=\"tall\" height=\"15\">", 10, 15},
        {"<IMG src=\"tall\" width=\"7\" height=\"9\">", 7, std::max(9, gh)},
        {"<IMG src=\"tall\" width=\"999999999\" height=\"1\">", 32767, gh},
        {"<IMG src=\"missing\">", 0, gh},
        {"<IMG src=\"idx:0\">", 16, std::max(16, gh)},
        {"<IMG src=\"IDX:1\">", 0, gh},
        {"<IMG src=\"ssys:1\">", 16, std::max(16, gh)},
        {"<IMG src=\"LSYS:/no/such/file.txt\">", 32, 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const TMiniHtmlResult r = f.Grid(c.text);
        EXPECT_EQ(r.ContentWidth, c.width);
        EXPECT_EQ(r.ContentHeight, c.height);
    }
    // The hint's WRAP keeps the line at the text's height.
    EXPECT_EQ(f.Hint("ab<IMG src=\"tall\" wrap>").ContentHeight, gh);
}

TEST_F(MiniHtmlPictures, TextStandsOnTheLineBottomUnlessAligned)
{
    const int gh = f.Height();
    const struct {
        const char* align;
        int bottom;
    } cases[] = {{"", 30}, {" align=\"top\"", gh}, {" align=\"middle\"", 30 - (30 - gh) / 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.align);
        f.canvas.ClearCalls();
        f.Grid(std::string("<IMG src=\"tall\"") + c.align + ">ab");
        const auto texts = f.canvas.CallsOf("DrawText");
        ASSERT_EQ(texts.size(), 1u);
        TRect r;
        std::sscanf(texts[0].c_str(), "DrawText(\"ab\",%d,%d,%d,%d", &r.Left, &r.Top, &r.Right, &r.Bottom);
        EXPECT_EQ(r.Left, 21);
        EXPECT_EQ(r.Bottom, c.bottom);
        EXPECT_EQ(DrawnPictures(), std::vector<std::string>{"Draw(1,0) THTMLPicture"});
    }
}

TEST_F(MiniHtmlPictures, ALinkedPictureAnswersThePointAndShowsItsAlt)
{
    f.request.PointX = 5;
    f.request.PointY = 5;
    const std::string text = "<A href=\"go\"><IMG src=\"tall\" alt=\"small\"></A>";
    f.request.LocateOnly = true;
    TMiniHtmlResult r = f.Grid(text);
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.LinkUnderPoint, "go");
    f.request.LocateOnly = false;
    r = f.Grid(text);
    EXPECT_TRUE(r.Hit);
    EXPECT_FALSE(BlueAt(5, 20)) << "the ALT picture, 10 x 10, is shown";
    MiniHtmlFixture away;
    away.request = f.request;
    away.request.PointX = 100;
    r = away.Grid(text);
    EXPECT_FALSE(r.Hit);
    EXPECT_EQ(plat::testing::PixelAt(away.canvas.Image(), 5, 20), plat::clBlue);
}

TEST_F(MiniHtmlPictures, AddressesAreLoadedOnceIntoTheCache)
{
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("Pic.png").toStdString();
    const std::vector<std::uint8_t> png = SolidPng(6, 4, qRgb(255, 0, 0));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<qint64>(png.size()));
    file.close();
    const std::string url = "file://" + path;
    EXPECT_EQ(f.Grid("<IMG src=\"" + url + "\">").ContentWidth, 6);
    EXPECT_EQ(f.Hint("<IMG src=\"" + url + "\">").ContentWidth, 6);
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_EQ(cache.GetPicture(0).GetID(), url);
    // A body background by address keeps the address's case as well, and finds the same picture.
    f.Grid("<BODY background=\"" + url + "\">x");
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_EQ(f.canvas.CallsOf("FillRect").size(), 1u);
    // An address that gives nothing is kept, empty, and takes no space.
    EXPECT_EQ(f.Grid("<IMG src=\"http://example.invalid/x.png\">").ContentWidth, 0);
    EXPECT_EQ(f.Grid("<IMG src=\"res://NoSuchResource\">").ContentWidth, 0);
    EXPECT_EQ(cache.Count(), 3);
}

TEST_F(MiniHtmlPictures, BodyBackgroundTilesOnceOverTheVisibleArea)
{
    f.request.Bounds = {0, 0, 100000, 100000};
    f.Grid("<BODY background=\"small\">x");
    const auto fills = f.canvas.CallsOf("FillRect");
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rfind("FillRect(0,0,400,200) brush=THTMLPicture", 0), 0u) << fills[0];
}

TEST(MiniHtmlControls, ControlsTakeTheirPlaceAndAnswerById)
{
    MiniHtmlFixture f;
    const int gh = f.Height();
    EXPECT_EQ(f.Grid("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\">").ContentWidth, 0);
    EXPECT_TRUE(f.canvas.Calls().empty());
    const TMiniHtmlResult edit = f.Grid("<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"60\" VALUE=\"width=&quot;5&quot;\">");
    EXPECT_EQ(edit.ContentWidth, 60);
    EXPECT_EQ(edit.ContentHeight, std::max(23, gh + 10));
    EXPECT_EQ(f.canvas.CallsOf("Rectangle").size(), 1u);
    // The hint's copy has no controls.
    EXPECT_EQ(f.Hint("<CONTROL TYPE=\"EDIT\" WIDTH=\"60\">").ContentWidth, 0);

    const std::string text = "a<CONTROL TYPE=\"check\" ID=\"c1\" WIDTH=\"1\" VALUE=\"true\">"
                             "<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"50\" VALUE=\"Go\">";
    f.request.LocateOnly = true;
    f.controlId = "b";
    const TMiniHtmlResult found = f.Grid(text);
    EXPECT_TRUE(found.Hit);
    EXPECT_EQ(found.LinkUnderPoint, "ctrl");
    EXPECT_EQ(found.ControlId, "b");
    EXPECT_EQ(found.ControlType, "BUTTON");
    EXPECT_EQ(found.ControlValue, "Go");
    const int left = 1 + f.Width("a") + 16;
    EXPECT_EQ(found.ControlRect, (TRect{left, 0, left + 50, 25}));

    // Pressed only with the point over it.
    f.request.LocateOnly = false;
    f.controlId.clear();
    f.request.MouseIsDown = true;
    f.canvas.ClearCalls();
    f.Grid(text);
    auto frames = f.canvas.CallsOf("DrawFrameControl");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_NE(frames[0].find(",4,$4400)"), std::string::npos) << frames[0];  // flat, checked
    EXPECT_NE(frames[1].find(",4,$0010)"), std::string::npos) << frames[1];  // a push button, not pushed
    f.canvas.ClearCalls();
    f.request.PointX = left + 10;
    f.request.PointY = 10;
    const TMiniHtmlResult pressed = f.Grid(text);
    EXPECT_TRUE(pressed.Hit);
    EXPECT_EQ(pressed.ControlId, "b");
    frames = f.canvas.CallsOf("DrawFrameControl");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_NE(frames[1].find(",4,$0210)"), std::string::npos) << frames[1];
}

TEST(MiniHtmlControls, PasswordsShowStars)
{
    MiniHtmlFixture f;
    f.Grid("<CONTROL TYPE=\"PASSWORD\" WIDTH=\"80\" VALUE=\"secret\">");
    const auto texts = f.canvas.CallsOf("DrawText");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rfind("DrawText(\"******\"", 0), 0u) << texts[0];
}

}  // namespace
}  // namespace skelda::foundation
