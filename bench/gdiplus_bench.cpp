// The GDI+ floor the controls draw on: a glow button's face of 120 x 40 pixels (rounded path,
// gradient, glow, 1-pixel frame, centred caption), and a 32 x 32 PNG picture drawn through
// TGDIPPicture, which decodes its bytes on every draw.

#include "foundation/GPColors.h"
#include "foundation/TGDIPPicture.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPFont.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPGraphicsPath.h"
#include "foundation/TGPPen.h"
#include "foundation/TGPStringFormat.h"
#include "platform/core/TStream.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace skelda::foundation;

// The outline of a button: a rectangle with corners rounded by Radius.
void AddRoundedRect(TGPGraphicsPath& path, REAL x, REAL y, REAL w, REAL h, REAL radius)
{
    const REAL d = radius * 2;
    path.AddArc(x, y, d, d, 180, 90);
    path.AddArc(x + w - d, y, d, d, 270, 90);
    path.AddArc(x + w - d, y + h - d, d, d, 0, 90);
    path.AddArc(x, y + h - d, d, d, 90, 90);
    path.CloseFigure();
}

void DrawGlowButtonFace(plat::TCanvas& canvas)
{
    TGPGraphics graphics(canvas.Handle());
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    TGPGraphicsPath outline;
    AddRoundedRect(outline, 0, 0, 119, 39, 4);

    const TGPLinearGradientBrush face(TGPRectF{0, 0, 120, 40}, RGBToARGB(0xE3, 0xEF, 0xFF), RGBToARGB(0xAF, 0xD2, 0xFF),
                                      LinearGradientModeVertical);
    graphics.FillPath(face, outline);

    TGPGraphicsPath glowShape;
    glowShape.AddEllipse(-20, 20, 160, 40);
    TGPPathGradientBrush glow(glowShape);
    glow.SetCenterColor(ComposeARGB(0xC0, 0xFF, 0xFF, 0xFF));
    ARGB edge = ComposeARGB(0, 0xFF, 0xFF, 0xFF);
    int count = 1;
    glow.SetSurroundColors(&edge, count);
    graphics.SetClip(outline);
    graphics.FillPath(glow, glowShape);
    graphics.ResetClip();

    const TGPPen frame(RGBToARGB(0x65, 0x8D, 0xC1), 1);
    graphics.DrawPath(&frame, &outline);

    const TGPFont font("Segoe UI", 8, FontStyleRegular, UnitPoint);
    TGPStringFormat format;
    format.SetAlignment(StringAlignmentCenter);
    format.SetLineAlignment(StringAlignmentCenter);
    const TGPSolidBrush ink(RGBToARGB(0x15, 0x42, 0x8B));
    graphics.DrawString("Compute", -1, &font, TGPRectF{0, 0, 120, 40}, &format, &ink);
}

void BM_GlowButtonFace(benchmark::State& state)
{
    QImage pixels(120, 40, QImage::Format_ARGB32_Premultiplied);
    plat::TCanvas canvas(plat::MakeImageCanvasBackend(pixels));
    for (auto _ : state) {
        pixels.fill(Qt::transparent);
        DrawGlowButtonFace(canvas);
        benchmark::DoNotOptimize(pixels.constBits());
    }
}

// A 32 x 32 PNG with a soft round alpha edge, as the pager's button pictures are.
std::vector<std::uint8_t> PngPicture()
{
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        QRadialGradient ball(16, 16, 16);
        ball.setColorAt(0, QColor(255, 200, 0, 255));
        ball.setColorAt(1, QColor(200, 80, 0, 0));
        p.fillRect(picture.rect(), ball);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

void BM_PictureDraw32(benchmark::State& state)
{
    plat::TMemoryStream stored;
    stored.WriteBuffer(PngPicture());
    TGDIPPicture picture;
    picture.ReadData(&stored);
    QImage pixels(32, 32, QImage::Format_RGB32);
    plat::TCanvas canvas(plat::MakeImageCanvasBackend(pixels));
    for (auto _ : state) {
        pixels.fill(Qt::white);
        picture.Draw(canvas, plat::Rect(0, 0, 32, 32));
        benchmark::DoNotOptimize(pixels.constBits());
    }
}

BENCHMARK(BM_GlowButtonFace)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PictureDraw32)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
