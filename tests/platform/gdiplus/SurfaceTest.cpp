// Surfaces: canvases shared with GDI drawing, images, handles and the state a surface keeps.

#include "tests/platform/gdiplus/GdiplusFixture.h"

#include "platform/testing/TRecordingCanvas.h"

namespace plat::gdiplus {
namespace {

constexpr ARGB Blue = 0xFF0000FF;
constexpr QRgb BlueRgb = 0xFF0000FF;
constexpr QRgb RedRgb = 0xFFFF0000;
constexpr QRgb WhiteRgb = 0xFFFFFFFF;

class SurfaceTest : public GdiplusSurfaceTest {};

TEST_F(SurfaceTest, GdiAndGdiplusDrawingInterleaveOnOneCanvas)
{
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 20, 20));
    const OwnedBrush blue = SolidBrushOf(Blue);
    ASSERT_EQ(GdipSetSmoothingMode(graphics, SmoothingModeAntiAlias), Ok);
    ASSERT_EQ(GdipFillRectangle(graphics, blue.get(), 10, 10, 20, 20), Ok);
    canvas.FillRect(Rect(25, 25, 30, 30));

    EXPECT_EQ(At(5, 5), RedRgb);
    EXPECT_EQ(At(15, 15), BlueRgb);
    EXPECT_EQ(At(27, 27), RedRgb);
    // The canvas draws aliased again after the antialiased call.
    EXPECT_EQ(At(29, 29), RedRgb);
    EXPECT_EQ(At(31, 31), WhiteRgb);
}

TEST_F(SurfaceTest, DrawingKeepsToTheCanvasClipAndOrigin)
{
    canvas.SetViewportOrg({10, 10});
    canvas.IntersectClipRect(Rect(0, 0, 20, 20));
    const OwnedBrush blue = SolidBrushOf(Blue);
    ASSERT_EQ(GdipFillRectangle(graphics, blue.get(), -5, -5, 40, 40), Ok);

    EXPECT_EQ(At(9, 15), WhiteRgb);
    EXPECT_EQ(At(10, 10), BlueRgb);
    EXPECT_EQ(At(29, 29), BlueRgb);
    EXPECT_EQ(At(30, 15), WhiteRgb);
}

TEST_F(SurfaceTest, BrushesLieInWorldCoordinatesWhateverTheCanvasOrigin)
{
    canvas.SetViewportOrg({10, 30});
    const GpRectF ramp{0, 0, 20, 10};
    GpBrush* gradient = nullptr;
    ASSERT_EQ(GdipCreateLineBrushFromRect(&ramp, 0xFFFF0000, Blue, LinearGradientModeHorizontal, WrapModeTile, &gradient), Ok);
    const OwnedBrush owned(gradient);
    ASSERT_EQ(GdipFillRectangle(graphics, gradient, 0, 0, 20, 10), Ok);
    EXPECT_TRUE(Near(At(10, 35), RedRgb, 16));
    EXPECT_TRUE(Near(At(29, 35), BlueRgb, 16));
}

TEST(SurfaceRecordingTest, ARecordingCanvasLogsEachCallByItsName)
{
    testing::TRecordingCanvas canvas(32, 32);
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(canvas.Handle(), &graphics), Ok);
    const OwnedBrush blue = SolidBrushOf(Blue);
    const OwnedPen pen = SolidPen(0xFF000000);
    GdipFillRectangle(graphics, blue.get(), 0, 0, 8, 8);
    GdipDrawLine(graphics, pen.get(), 0, 0, 8, 8);
    GdipDeleteGraphics(graphics);

    EXPECT_EQ(canvas.Calls(), (std::vector<std::string>{"GdipFillRectangle", "GdipDrawLine"}));
    EXPECT_EQ(canvas.Image().pixel(4, 2), BlueRgb);
}

TEST_F(SurfaceTest, WorldTransformMovesWhatIsDrawnAndClearIgnoresIt)
{
    GpMatrix* matrix = nullptr;
    ASSERT_EQ(GdipCreateMatrix(&matrix), Ok);
    ASSERT_EQ(GdipTranslateMatrix(matrix, 30, 0, MatrixOrderAppend), Ok);
    ASSERT_EQ(GdipSetWorldTransform(graphics, matrix), Ok);
    GdipDeleteMatrix(matrix);
    const OwnedBrush blue = SolidBrushOf(Blue);
    ASSERT_EQ(GdipFillRectangle(graphics, blue.get(), 0, 0, 10, 10), Ok);
    EXPECT_EQ(At(5, 5), WhiteRgb);
    EXPECT_EQ(At(35, 5), BlueRgb);

    ASSERT_EQ(GdipGraphicsClear(graphics, 0xFFFF0000), Ok);
    EXPECT_EQ(At(0, 0), RedRgb);
    EXPECT_EQ(At(63, 63), RedRgb);
}

TEST_F(SurfaceTest, ClipCombinationsFollowTheirModes)
{
    const OwnedBrush blue = SolidBrushOf(Blue);
    ASSERT_EQ(GdipSetClipRect(graphics, 0, 0, 20, 20, CombineModeReplace), Ok);
    ASSERT_EQ(GdipSetClipRect(graphics, 10, 10, 20, 20, CombineModeIntersect), Ok);
    ASSERT_EQ(GdipFillRectangle(graphics, blue.get(), 0, 0, 64, 64), Ok);
    EXPECT_EQ(At(15, 15), BlueRgb);
    EXPECT_EQ(At(5, 5), WhiteRgb);
    EXPECT_EQ(At(25, 25), WhiteRgb);

    ASSERT_EQ(GdipResetClip(graphics), Ok);
    const OwnedPath circle = EmptyPath();
    ASSERT_EQ(GdipAddPathEllipse(circle.get(), 40, 40, 20, 20), Ok);
    GpRegion* region = nullptr;
    ASSERT_EQ(GdipCreateRegionPath(circle.get(), &region), Ok);
    ASSERT_EQ(GdipSetClipRegion(graphics, region, CombineModeReplace), Ok);
    GdipDeleteRegion(region);
    const OwnedBrush red = SolidBrushOf(0xFFFF0000);
    ASSERT_EQ(GdipFillRectangle(graphics, red.get(), 0, 0, 64, 64), Ok);
    EXPECT_EQ(At(50, 50), RedRgb);
    EXPECT_EQ(At(41, 41), WhiteRgb);
    EXPECT_EQ(At(15, 15), BlueRgb);
}

TEST(ImageSurfaceTest, DrawingIntoABitmapShowsInItsPixels)
{
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(16, 8, 0, PixelFormat32bppARGB, nullptr, &bitmap), Ok);
    ARGB pixel = 1;
    ASSERT_EQ(GdipBitmapGetPixel(bitmap, 0, 0, &pixel), Ok);
    EXPECT_EQ(pixel, 0u) << "a new bitmap with alpha is transparent";

    GpGraphics* graphics = nullptr;
    ASSERT_EQ(GdipGetImageGraphicsContext(bitmap, &graphics), Ok);
    const OwnedBrush brush = SolidBrushOf(0x80FF0000);
    ASSERT_EQ(GdipFillRectangle(graphics, brush.get(), 0, 0, 8, 8), Ok);
    GdipDeleteGraphics(graphics);

    ASSERT_EQ(GdipBitmapGetPixel(bitmap, 4, 4, &pixel), Ok);
    EXPECT_NEAR(static_cast<int>(pixel >> 24), 0x80, 1);
    EXPECT_EQ(pixel & 0xFFFFFF, 0xFF0000u);
    ASSERT_EQ(GdipBitmapGetPixel(bitmap, 12, 4, &pixel), Ok);
    EXPECT_EQ(pixel, 0u);
    EXPECT_EQ(GdipBitmapGetPixel(bitmap, 16, 0, &pixel), InvalidParameter);
    GdipDisposeImage(bitmap);
}

TEST(HandleTest, NilAndMismatchedHandlesAreRefusedWithoutDrawing)
{
    GpBrush* solid = nullptr;
    ASSERT_EQ(GdipCreateSolidFill(Blue, &solid), Ok);
    HatchStyle style{};
    ARGB color = 0;
    std::int32_t count = 0;
    GpPath* nilPath = nullptr;
    const Status answers[] = {
        GdipFillRectangle(nullptr, solid, 0, 0, 1, 1),
        GdipGetHatchStyle(solid, &style),
        GdipGetPathGradientCenterColor(solid, &color),
        GdipGetPathGradientPointCount(solid, &count),
        GdipSetTextureWrapMode(solid, WrapModeClamp),
        GdipCreatePathGradientFromPath(nilPath, &solid),
        GdipDeletePen(nullptr),
        GdipSetSmoothingMode(nullptr, SmoothingModeAntiAlias),
    };
    for (const Status answer : answers)
        EXPECT_EQ(answer, InvalidParameter);
    GdipDeleteBrush(solid);
}

TEST(StateTest, SurfaceSettingsReadBackAndRefuseValuesOutOfRange)
{
    testing::TRecordingCanvas canvas(8, 8);
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(canvas.Handle(), &graphics), Ok);
    int mode = 0;
    ASSERT_EQ(GdipSetSmoothingMode(graphics, SmoothingModeHighQuality), Ok);
    ASSERT_EQ(GdipGetSmoothingMode(graphics, &mode), Ok);
    EXPECT_EQ(mode, SmoothingModeHighQuality);
    EXPECT_EQ(GdipSetSmoothingMode(graphics, SmoothingModeInvalid), InvalidParameter);
    EXPECT_EQ(GdipSetSmoothingMode(graphics, 6), InvalidParameter);
    TextRenderingHint hint{};
    ASSERT_EQ(GdipSetTextRenderingHint(graphics, TextRenderingHintAntiAlias), Ok);
    ASSERT_EQ(GdipGetTextRenderingHint(graphics, &hint), Ok);
    EXPECT_EQ(hint, TextRenderingHintAntiAlias);
    HDC dc = nullptr;
    ASSERT_EQ(GdipGetDC(graphics, &dc), Ok);
    EXPECT_EQ(dc, canvas.Handle());
    EXPECT_EQ(GdipReleaseDC(graphics, dc), Ok);
    GdipDeleteGraphics(graphics);
}

TEST(MatrixTest, RotateAtAppendedTakesAPointRoundTheCentre)
{
    GpMatrix* matrix = nullptr;
    ASSERT_EQ(GdipCreateMatrix(&matrix), Ok);
    ASSERT_EQ(GdipTranslateMatrix(matrix, -10, -10, MatrixOrderAppend), Ok);
    ASSERT_EQ(GdipRotateMatrix(matrix, 90, MatrixOrderAppend), Ok);
    ASSERT_EQ(GdipTranslateMatrix(matrix, 10, 10, MatrixOrderAppend), Ok);
    GpPointF point{20, 10};
    ASSERT_EQ(GdipTransformMatrixPoints(matrix, &point, 1), Ok);
    EXPECT_NEAR(point.X, 10, 1e-4);
    EXPECT_NEAR(point.Y, 20, 1e-4);

    // Prepending applies the new operation first.
    ASSERT_EQ(GdipSetMatrixElements(matrix, 1, 0, 0, 1, 0, 0), Ok);
    ASSERT_EQ(GdipScaleMatrix(matrix, 2, 2, MatrixOrderAppend), Ok);
    ASSERT_EQ(GdipTranslateMatrix(matrix, 5, 0, MatrixOrderPrepend), Ok);
    GpPointF origin{0, 0};
    ASSERT_EQ(GdipTransformMatrixPoints(matrix, &origin, 1), Ok);
    EXPECT_NEAR(origin.X, 10, 1e-4);

    ASSERT_EQ(GdipSetMatrixElements(matrix, 0, 0, 0, 0, 0, 0), Ok);
    EXPECT_EQ(GdipInvertMatrix(matrix), InvalidParameter);
    GdipDeleteMatrix(matrix);
}

}  // namespace
}  // namespace plat::gdiplus
