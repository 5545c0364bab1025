// The GDI+ wrapper: colour helpers, status rules, guards, image formats and the text layer.

#include "foundation/GPColors.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPFont.h"
#include "foundation/TGPFontFamily.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPGraphicsPath.h"
#include "foundation/TGPImage.h"
#include "foundation/TGPMatrix.h"
#include "foundation/TGPPen.h"
#include "platform/core/TStream.h"
#include "platform/gdiplus/GdiplusObjects.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/graphics/TFont.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/SaveImageOnFailure.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace skelda::foundation {
namespace {

TEST(GPColorsTest, WidgetColoursBecomeOpaqueArgb)
{
    const plat::TColor window = plat::ColorToRGB(plat::clWindow);
    const struct {
        ARGB Actual;
        ARGB Expected;
    } cases[] = {
        {ColorToARGB(plat::clRed), 0xFFFF0000},
        {ColorToARGB(plat::RGB(1, 2, 3)), 0xFF010203},
        {ColorToARGB(plat::clNone), 0xFFFFFFFF},
        {ColorToARGB(plat::clWindow), RGBToARGB(static_cast<std::uint8_t>(plat::GetRValue(window)),
                                                static_cast<std::uint8_t>(plat::GetGValue(window)),
                                                static_cast<std::uint8_t>(plat::GetBValue(window)))},
        {ColorWithAlphaToARGB(0x80, plat::clBlue), 0x800000FF},
        {RGBToARGB(1, 2, 3), 0xFF010203},
        {ComposeARGB(0x80, 1, 2, 3), 0x80010203},
        {ARGBRed(0x80112233), 0x11},
        {ARGBGreen(0x80112233), 0x22},
        {ARGBBlue(0x80112233), 0x33},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].Actual, cases[i].Expected) << "case " << i;
    EXPECT_EQ(MakeGPPoint(3, 4).Y, 4);
    EXPECT_FLOAT_EQ(MakeGPRectF(1, 2, 3, 4).Height, 4);
}

TEST(WrapperStatusTest, ANilSurfaceAnswersMinusOneAndKeepsTheFailureOnce)
{
    TGPGraphics graphics(static_cast<TGPImage*>(nullptr));
    EXPECT_EQ(graphics.Native(), nullptr);
    EXPECT_EQ(graphics.GetLastStatus(), Ok) << "no call was made for a nil image";
    EXPECT_EQ(graphics.GetSmoothingMode(), -1);
    EXPECT_EQ(graphics.GetLastStatus(), InvalidParameter);
    EXPECT_EQ(graphics.GetLastStatus(), Ok);
}

TEST(WrapperStatusTest, ASuccessLeavesAKeptFailureAndConstructorsKeepTheirStatus)
{
    TGPMatrix matrix;
    EXPECT_EQ(matrix.Invert(), Ok);
    ASSERT_EQ(matrix.SetElements(0, 0, 0, 0, 0, 0), Ok);
    EXPECT_EQ(matrix.Invert(), InvalidParameter);
    EXPECT_EQ(matrix.Reset(), Ok);
    EXPECT_EQ(matrix.GetLastStatus(), InvalidParameter);
    EXPECT_EQ(matrix.Clone() != nullptr, true);

    TGPFontFamily missing("No Such Family 42");
    EXPECT_EQ(missing.GetLastStatus(), FontFamilyNotFound);
    TGPFont fallback("No Such Family 42", 10);
    EXPECT_EQ(fallback.GetLastStatus(), Ok) << "the generic sans-serif family stood in";
    EXPECT_EQ(TGPFontFamily::GenericSansSerif(), TGPFontFamily::GenericSansSerif());
    EXPECT_EQ(TGPFontFamily::GenericSerif()->GetLastStatus(), Ok);

    TGPBrush plain;
    EXPECT_EQ(plain.GetLastStatus(), NotImplemented);
    TGPSolidBrush empty;
    EXPECT_EQ(empty.Native(), nullptr);
    EXPECT_EQ(empty.GetLastStatus(), Ok);
}

TEST(WrapperGuardTest, GuardsRefuseBeforeTheFlatApiIsCalled)
{
    TGPGraphicsPath path;
    ASSERT_EQ(path.AddRectangle(TGPRectF{0, 0, 10, 10}), Ok);
    TGPPathGradientBrush brush(path);
    ASSERT_EQ(brush.GetPointCount(), 4);
    const ARGB two[] = {0xFF00FF00, 0xFF0000FF};
    int count = 2;
    ASSERT_EQ(brush.SetSurroundColors(two, count), Ok);
    EXPECT_EQ(count, 2);

    const ARGB five[] = {1, 2, 3, 4, 5};
    count = 5;
    EXPECT_EQ(brush.SetSurroundColors(five, count), InvalidParameter);
    EXPECT_EQ(brush.SetSurroundColors(nullptr, count), InvalidParameter);
    ARGB read[4] = {};
    int room = 4;
    ASSERT_EQ(brush.GetSurroundColors(read, room), Ok);
    EXPECT_EQ(room, 2) << "the refused colours left the brush as it was";
    EXPECT_EQ(read[1], 0xFF0000FFu);
    room = 1;
    EXPECT_EQ(brush.GetSurroundColors(read, room), InsufficientBuffer);
    EXPECT_EQ(brush.GetSurroundColors(nullptr, room), InvalidParameter);

    EXPECT_EQ(brush.SetInterpolationColors(two, nullptr, 0), InvalidParameter);
    TGPLinearGradientBrush line(TGPRectF{0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF, LinearGradientModeHorizontal);
    EXPECT_EQ(line.SetInterpolationColors(two, nullptr, 0), InvalidParameter);
    // Center colour calls answer the brush's kept status: the failures above.
    EXPECT_EQ(brush.SetCenterColor(0xFFFFFFFF), InvalidParameter);

    TGPBitmap bitmap(4, 4);
    EXPECT_EQ(bitmap.SaveAdd(nullptr, nullptr), InvalidParameter);
}

std::vector<std::uint8_t> Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return {bytes.begin(), bytes.end()};
}

TEST(WrapperImageTest, FormatsAndPixelFormatsReadAsThePlatformNamesThem)
{
    QImage picture(4, 2, QImage::Format_ARGB32);
    picture.fill(0x80FF0000);
    const struct {
        std::vector<std::uint8_t> Bytes;
        TGPImageFormat Format;
        std::uint32_t Depth;
        bool Palette;
        bool Alpha;
    } cases[] = {
        {Encoded(picture, "png"), ifPNG, 32, false, true},
        {Encoded(picture.convertToFormat(QImage::Format_RGB32), "bmp"), ifBMP, 24, false, false},
        {Encoded(picture.convertToFormat(QImage::Format_Indexed8), "png"), ifPNG, 8, true, false},
    };
    for (const auto& c : cases) {
        plat::TMemoryStream stream;
        stream.WriteBuffer(c.Bytes);
        TGPImage image(&stream);
        EXPECT_EQ(image.GetLastStatus(), Ok);
        EXPECT_EQ(image.GetFormat(), c.Format);
        EXPECT_EQ(image.GetPixelDepth(), c.Depth);
        EXPECT_EQ(image.HasPalette(), c.Palette);
        EXPECT_EQ(image.HasAlphaChannel(), c.Alpha);
        EXPECT_EQ(image.GetWidth(), 4u);
    }
    TGPBitmap memory(3, 3, PixelFormat24bppRGB);
    EXPECT_EQ(memory.GetFormat(), ifMemoryBMP);
    EXPECT_EQ(ImageFormatOf(GUID{0x12345678, 1, 2, {}}), ifUndefined);

    plat::TMemoryStream garbage;
    garbage.WriteBuffer(std::vector<std::uint8_t>{1, 2, 3});
    TGPImage broken(&garbage);
    EXPECT_EQ(broken.GetLastStatus(), UnknownImageFormat);
    EXPECT_EQ(broken.GetWidth(), 0u);
    EXPECT_EQ(broken.GetFormat(), ifUndefined);
    EXPECT_EQ(broken.GetLastStatus(), InvalidParameter) << "the nil handle's answer";
}

TEST(WrapperPenTest, GetBrushWrapsTheFillByItsKindWithStatusOk)
{
    TGPGraphicsPath path;
    ASSERT_EQ(path.AddEllipse(0, 0, 10, 10), Ok);
    TGPPathGradientBrush pathGradient(path);
    TGPLinearGradientBrush line(TGPRectF{0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF, LinearGradientModeVertical);
    TGPHatchBrush hatch(HatchStyleCross, 0xFF000000);
    TGPPen solidPen(0xFF102030, 2);
    TGPPen linePen(line);
    TGPPen hatchPen(hatch);
    TGPPen pathPen(pathGradient);
    const struct {
        TGPPen* Pen;
        GpPenType Type;
    } cases[] = {{&solidPen, PenTypeSolidColor}, {&linePen, PenTypeLinearGradient}, {&hatchPen, PenTypeHatchFill},
                 {&pathPen, PenTypePathGradient}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.Pen->GetPenType(), c.Type);
        const std::unique_ptr<TGPBrush> brush = c.Pen->GetBrush();
        ASSERT_NE(brush, nullptr);
        EXPECT_NE(brush->Native(), nullptr);
        EXPECT_EQ(brush->GetLastStatus(), Ok) << c.Type;
    }
    EXPECT_NE(dynamic_cast<TGPLinearGradientBrush*>(linePen.GetBrush().get()), nullptr);
    EXPECT_NE(dynamic_cast<TGPSolidBrush*>(solidPen.GetBrush().get()), nullptr);
    const std::unique_ptr<TGPBrush> pathFill = pathPen.GetBrush();
    EXPECT_EQ(typeid(*pathFill), typeid(TGPBrush));
}

TEST(WrapperMatrixTest, RotateAtTurnsAboutTheCentreInEitherOrder)
{
    const struct {
        MatrixOrder Order;
        TGPPointF Expected;
    } cases[] = {{MatrixOrderAppend, {10, 20}}, {MatrixOrderPrepend, {10, 20}}};
    for (const auto& c : cases) {
        TGPMatrix matrix;
        ASSERT_EQ(matrix.RotateAt(90, TGPPointF{10, 10}, c.Order), Ok);
        TGPPointF point{20, 10};
        ASSERT_EQ(matrix.TransformPoints(&point), Ok);
        EXPECT_NEAR(point.X, c.Expected.X, 1e-4);
        EXPECT_NEAR(point.Y, c.Expected.Y, 1e-4);
    }
    TGPMatrix moved;
    ASSERT_EQ(moved.Translate(5, 0), Ok);
    ASSERT_EQ(moved.RotateAt(90, TGPPointF{0, 0}, MatrixOrderAppend), Ok);
    EXPECT_NEAR(moved.OffsetX(), 0, 1e-4);
    EXPECT_NEAR(moved.OffsetY(), 5, 1e-4);
    EXPECT_TRUE(moved.IsInvertible());
    EXPECT_FALSE(moved.IsIdentity());
}

// A white surface with a GDI+ surface over its canvas.
class TextLayerTest : public ::testing::Test {
protected:
    TextLayerTest() : image(300, 80, QImage::Format_RGB32), canvas(plat::MakeImageCanvasBackend(image)), keep(image)
    {
        image.fill(Qt::white);
    }

    bool Untouched() const
    {
        return plat::testing::CountPixels(image, plat::Rect(0, 0, image.width(), image.height()), plat::clWhite) ==
               image.width() * image.height();
    }
    // The rightmost inked column, -1 for none.
    int InkRight() const
    {
        for (int x = image.width() - 1; x >= 0; --x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixel(x, y) != 0xFFFFFFFF)
                    return x;
        return -1;
    }

    QImage image;
    plat::TCanvas canvas;
    plat::testing::SaveImageOnFailure keep;
    TGPGraphics graphics{canvas.Handle()};
};

TEST_F(TextLayerTest, MakeFontCarriesNameSizeAndStylesAndFallsBackToArial)
{
    plat::TFont font;
    font.SetName("No Such Family 42");
    font.SetSize(11);
    font.SetStyle(plat::TFontStyles{plat::fsBold, plat::fsItalic, plat::fsUnderline, plat::fsStrikeOut});
    const std::unique_ptr<TGPFont> made = graphics.MakeFont(font);
    ASSERT_NE(made->Native(), nullptr);
    EXPECT_EQ(made->Native()->Face, "Liberation Sans") << "Arial";
    EXPECT_FLOAT_EQ(made->Native()->EmSize, 11);
    EXPECT_EQ(made->Native()->SizeUnit, UnitPoint);
    EXPECT_EQ(made->Native()->Style, FontStyleBold | FontStyleItalic | FontStyleUnderline) << "strike-out is dropped";

    font.SetName("Tahoma");
    EXPECT_EQ(graphics.MakeFont(font)->Native()->Face, "DejaVu Sans");
}

TEST_F(TextLayerTest, CalculatingTheRectangleMeasuresLessThePaddingAndDrawsNothing)
{
    const struct {
        const char* Text;
        const char* Measured;
        int Size;
        int Padding;
    } cases[] = {
        {"ab ", "abi", 8, 2}, {"ab ", "abi", 14, 6}, {"Hello", "Hello", 12, 5}, {"Hello", "Hello", 9, 3},
        {" ", " ", 8, 2},
    };
    for (const auto& c : cases) {
        plat::TFont font;
        font.SetName("Arial");
        font.SetSize(c.Size);
        const std::unique_ptr<TGPFont> gpFont = graphics.MakeFont(font);
        plat::TRect r = plat::Rect(10, 20, 60, 40);
        TGPRectF box{};
        ASSERT_EQ(graphics.MeasureString(c.Measured, -1, gpFont.get(), TGPRectF{10, 20, 1050, 20}, box), Ok);
        const int height = graphics.DrawText(c.Text, -1, r, font, 0x400, plat::clNone);
        EXPECT_EQ(r.Left, 10);
        EXPECT_EQ(r.Right, 10 + static_cast<int>(std::nearbyint(std::max(0.0f, box.Width - c.Padding)))) << c.Text << c.Size;
        EXPECT_EQ(r.Bottom, 20 + static_cast<int>(std::nearbyint(box.Height)));
        EXPECT_EQ(height, r.Bottom - r.Top);
    }
    EXPECT_TRUE(Untouched());
}

TEST_F(TextLayerTest, ATextNarrowerThanThePaddingNeverEndsLeftOfItsStart)
{
    plat::TFont font;
    font.SetName("Arial");
    font.SetSize(30);
    font.SetColor(plat::clWhite);
    plat::TRect r = plat::Rect(100, 10, 200, 70);
    graphics.DrawText(" ", -1, r, font, 0, plat::clBlack);
    EXPECT_EQ(r.Right, r.Left);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x <= 100; ++x)
            ASSERT_EQ(image.pixel(x, y), 0xFFFFFFFFu) << "nothing filled left of the text at " << x << "," << y;
}

TEST_F(TextLayerTest, DrawStringDrawsTheWholeTextWhateverTheLength)
{
    plat::TFont font;
    font.SetName("Arial");
    font.SetSize(12);
    const std::unique_ptr<TGPFont> gpFont = graphics.MakeFont(font);
    const TGPSolidBrush black(0xFF000000);
    ASSERT_EQ(graphics.DrawString("abcdefghij", 3, gpFont.get(), TGPPointF{5, 5}, &black), Ok);
    const int shortRight = InkRight();
    TGPRectF whole{};
    ASSERT_EQ(graphics.MeasureString("abcdefghij", -1, gpFont.get(), TGPRectF{5, 5, 0, 0}, whole), Ok);
    EXPECT_GT(shortRight, 5 + whole.Width * 0.8);
    EXPECT_EQ(graphics.TextWidth("abcdefghij", font), static_cast<int>(std::nearbyint(whole.Width)));
}

}  // namespace
}  // namespace skelda::foundation
