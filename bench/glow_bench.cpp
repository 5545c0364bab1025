// A glow button's cost per frame: one face of 100 x 41 pixels with a caption and a 16 x 16 PNG
// picture painted through PaintGlowButtonFace, and one frame of a hover fade (the timer's tick
// and the repaint it asks for, rendered).

#include "BenchPictures.h"
#include "HeadlessBenchMain.h"

#include "foundation/TGDIPPicture.h"
#include "pager/glow/GlowAnimation.h"
#include "pager/glow/GlowFace.h"
#include "pager/glow/TGlowButtonAppearance.h"
#include "pager/glow/TVezGlowButton.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/qt/ControlRendering.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/graphics/TFont.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace skelda::pager;
using skelda::bench::LoadIcon;

void FacePaint(benchmark::State& state)
{
    QImage image(100, 41, QImage::Format_RGB32);
    plat::TCanvas canvas(plat::MakeImageCanvasBackend(image));
    plat::TFont font;
    font.SetName("Tahoma");
    font.SetSize(8);
    skelda::foundation::TGDIPPicture picture;
    LoadIcon(picture);
    const TGlowButtonAppearance appearance;
    TGlowFaceRequest face;
    face.Canvas = &canvas;
    face.ClientRect = plat::Rect(0, 0, 100, 41);
    face.Color = appearance.GetColorHot();
    face.ColorTo = appearance.GetColorHotTo();
    face.ColorMirror = appearance.GetColorMirrorHot();
    face.ColorMirrorTo = appearance.GetColorMirrorHotTo();
    face.BorderColor = appearance.GetBorderColorHot();
    face.Gradient = face.GradientMirror = ggRadial;
    face.Caption = "Glow";
    face.Font = &font;
    face.Picture = &picture;
    face.Rounded = true;
    face.HotOrDown = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PaintGlowButtonFace(face));
    }
}
BENCHMARK(FacePaint)->Unit(benchmark::kMicrosecond);

void FadeFrame(benchmark::State& state)
{
    plat::testing::UiTestEnvironment ui;
    auto* form = new plat::TForm(plat::Application);
    form->SetClientWidth(200);
    form->SetClientHeight(100);
    auto* button = new TVezGlowButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 100, 41);
    button->SetCaption("Glow");
    LoadIcon(button->Picture());
    form->Show();
    GlowAnimationInterval = 30;
    bool inside = false;
    int frame = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // A fresh fade every five frames: enter, then leave.
        if (frame++ % 5 == 0) {
            inside = !inside;
            if (inside)
                ui.Simulator().MouseMove(*button, {20, 20});
            else
                ui.Simulator().MouseMove(*form, {180, 90});
        }
        state.ResumeTiming();
        ui.Clock().Advance(30);
        benchmark::DoNotOptimize(plat::RenderControl(*button));
    }
    delete form;
}
BENCHMARK(FadeFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return skelda::bench::RunHeadlessBenchmarks(argc, argv);
}
