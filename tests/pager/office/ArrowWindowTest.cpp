// The drop-position arrow: its outline per direction, its colour and the window it lives in.

#include "pager/office/TArrowWindow.h"
#include "platform/controls/core/WindowRegion.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/graphics/Colors.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>

namespace skelda::pager {
namespace {

using namespace plat;

class ArrowWindowTest : public ::testing::Test {
protected:
    plat::testing::UiTestEnvironment ui;
    TForm* form = new TForm(Application);
};

// '#' marks a pixel of the arrow.
struct ShapeCase {
    TArrowDirection Dir;
    const char* Name;
    const char* Rows[TArrowWindow::kSidePx];
};

const ShapeCase kShapes[] = {
    {arrUp, "up",
     {"....#....", "...###...", "..#####..", ".#######.", "#########", "...####..", "...####..", "...####..",
      "...####.."}},
    {arrDown, "down",
     {"...####..", "...####..", "...####..", "...####..", ".#######.", "..#####..", "...###...", "....#....",
      "........."}},
    {arrLeft, "left (tip on the right)",
     {".........", "....#....", "....##...", "#######..", "########.", "########.", "#######..", "....##...",
      "....#...."}},
    {arrRight, "right (tip on the left)",
     {".........", "...#.....", "..##.....", ".#######.", "########.", "########.", ".#######.", "..##.....",
      "...#....."}},
};

QRgb Rgb(TColor Color)
{
    return qRgb(static_cast<int>(Color & 0xFF), static_cast<int>((Color >> 8) & 0xFF), static_cast<int>((Color >> 16) & 0xFF));
}

TEST_F(ArrowWindowTest, ANewArrowIsAHiddenBlueNineByNinePopupOfItsOwner)
{
    auto* arrow = new TArrowWindow(form, arrDown);
    EXPECT_EQ(arrow->Dir, arrDown);
    EXPECT_EQ(arrow->GetColor(), clBlue);
    EXPECT_EQ(arrow->GetWidth(), 9);
    EXPECT_EQ(arrow->GetHeight(), 9);
    EXPECT_FALSE(arrow->GetVisible());
    EXPECT_EQ(arrow->Owner(), form);
    EXPECT_EQ(arrow->GetControlStyle(), TControlStyle{csOpaque});
    // Its own window on the screen, placed in screen coordinates, that never takes the
    // activation when it shows.
    form->Show();
    arrow->SetBounds(300, 200, 9, 9);
    arrow->SetVisible(true);
    QWidget* window = arrow->Handle();
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(window->pos(), QPoint(300, 200));
    // Freed with its owner.
    const TControlRef<> alive(arrow);
    delete form;
    EXPECT_FALSE(alive);
}

// What the arrow paints, mask aside: Qt's rendering of a masked widget moves the picture by
// where the mask starts, so the shape is read from the region and the paint from the whole window.
QImage PaintedPixels(TArrowWindow& Arrow)
{
    QWidget* window = Arrow.Handle();
    QImage image(window->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    window->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::IgnoreMask);
    return image;
}

TEST_F(ArrowWindowTest, EachDirectionCutsTheWindowToItsArrowWhichShowsInItsColour)
{
    for (const ShapeCase& c : kShapes) {
        SCOPED_TRACE(c.Name);
        auto* arrow = new TArrowWindow(form, c.Dir);
        EXPECT_EQ(arrow->Arrow, (std::array<TPoint, 7>{}));
        arrow->SetVisible(true);
        EXPECT_EQ(arrow->Arrow, TArrowWindow::ArrowPoints(c.Dir));
        const auto region = GetWindowRgn(*arrow);
        ASSERT_TRUE(region.has_value());
        for (int y = 0; y < TArrowWindow::kSidePx; ++y)
            for (int x = 0; x < TArrowWindow::kSidePx; ++x)
                ASSERT_EQ(region->Contains({x, y}), c.Rows[y][x] == '#') << x << "," << y;
        const QImage blue = PaintedPixels(*arrow);
        arrow->SetColor(0x3399FF);
        const QImage orange = PaintedPixels(*arrow);
        for (int y = 0; y < TArrowWindow::kSidePx; ++y)
            for (int x = 0; x < TArrowWindow::kSidePx; ++x) {
                ASSERT_EQ(blue.pixel(x, y), Rgb(clBlue)) << x << "," << y;
                ASSERT_EQ(orange.pixel(x, y), Rgb(0x3399FF)) << x << "," << y;
            }
        delete arrow;
    }
}

}  // namespace
}  // namespace skelda::pager
