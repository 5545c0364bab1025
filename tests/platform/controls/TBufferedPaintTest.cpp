// The buffered paint (what a pager on glass paints through) and WM_PRINTCLIENT, which paints a
// control's client area onto a given surface without erasing it.

#include "platform/controls/core/BufferedPaint.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/core/TCustomControl.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/graphics/QtConversions.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace plat {
namespace {

// Paints a red square at (2, 2) and erases with blue.
class TSquareControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(Bounds(2, 2, 4, 4));
    }
};

TEST(TBufferedPaintTest, SetsAlphaKeepingColoursAndPutsTheBufferAtItsPlaceOnTheTarget)
{
    QImage target(20, 20, QImage::Format_ARGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    // The control's (0, 0) lies at (3, 1) of the target.
    const TPaintContext context{&painter, {20, 20}, {3, 1}, Bounds(0, 0, 16, 18), &target};
    {
        TBufferedPaint buffer(context, Bounds(4, 4, 6, 6));
        ASSERT_TRUE(buffer.Ok());
        TPaintContext& b = buffer.Context();
        EXPECT_EQ(b.ClipRect, Bounds(4, 4, 6, 6));
        EXPECT_EQ(qAlpha(b.Pixels->pixel(0, 0)), 0) << "starts transparent";
        b.Pixels->setPixel(1 + b.Origin.X + 4, 1 + b.Origin.Y + 4, qRgba(10, 20, 30, 0));
        buffer.SetAlpha(Bounds(0, 0, 7, 7), 255);
        const QRgb set = b.Pixels->pixel(5 + b.Origin.X, 5 + b.Origin.Y);
        EXPECT_EQ(set, qRgba(10, 20, 30, 255)) << "colour bytes kept";
        EXPECT_EQ(qAlpha(b.Pixels->pixel(7 + b.Origin.X, 7 + b.Origin.Y)), 0) << "outside the given part";
    }
    painter.end();
    EXPECT_EQ(target.pixel(3 + 5, 1 + 5), qRgb(10, 20, 30)) << "put at the control's place";
    EXPECT_EQ(target.pixel(3 + 8, 1 + 8), qRgb(255, 255, 255)) << "what stayed transparent shows the target";
}

TEST(TBufferedPaintTest, NothingToPaintOutsideTheClip)
{
    QImage target(10, 10, QImage::Format_ARGB32);
    QPainter painter(&target);
    const TPaintContext context{&painter, {10, 10}, {}, Bounds(0, 0, 5, 5), &target};
    TBufferedPaint buffer(context, Bounds(6, 6, 2, 2));
    EXPECT_FALSE(buffer.Ok());
    buffer.SetAlpha(Bounds(0, 0, 10, 10), 255);
}

TEST(PrintClientTest, PaintsTheClientAreaWithoutErasingOnlyWhenAskedForTheClient)
{
    testing::UiTestEnvironment ui;
    auto* form = new TForm(Application);
    auto* control = new TSquareControl(form);
    control->SetColor(clBlue);
    control->SetParent(form);
    control->SetBounds(0, 0, 10, 10);
    for (const unsigned flags : {0u, static_cast<unsigned>(PRF_CLIENT)}) {
        QImage image(10, 10, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            TPaintContext context{&painter, {10, 10}, {}, Bounds(0, 0, 10, 10), &image};
            control->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(&context), flags);
        }
        EXPECT_EQ(image.pixel(3, 3), flags ? qRgb(255, 0, 0) : 0u) << flags;
        EXPECT_EQ(image.pixel(8, 8), 0u) << "nothing erased";
    }
    delete form;
}

}  // namespace
}  // namespace plat
