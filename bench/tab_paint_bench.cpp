// The cost of painting a pager's tabs: the strip's background and thirty tabs of 95 x 26 pixels,
// each body in its state's colours with its decorations and its content (a 9 x 9 picture and a
// caption, the active tab composed off-screen for its close button), in the Office 2007 look.
// A full repaint of a thirty-tab pager spends most of its time here.

#include "HeadlessBenchMain.h"

#include "foundation/TGDIPPicture.h"
#include "pager/office/TPagerTabSettings.h"
#include "pager/office/TVezOfficePagerOfficeStyler.h"
#include "pager/office/TabContent.h"
#include "pager/office/TabPainting.h"
#include "pager/office/TabStrip.h"
#include "platform/graphics/Resources.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace skelda::pager;

constexpr int kTabs = 30;
constexpr int kTabWidthPx = 95;

void ThirtyTabs(benchmark::State& state)
{
    QImage image(4 + kTabs * (kTabWidthPx + 2), 30, QImage::Format_RGB32);
    plat::TCanvas canvas(plat::MakeImageCanvasBackend(image));
    TVezOfficePagerOfficeStyler styler(nullptr);
    styler.SetStyle(psOffice2007Luna);
    TPagerTabSettings settings;
    skelda::foundation::TGDIPPicture picture;
    picture.LoadFromResourceName(plat::HInstance(), "ZORAOCLOSE");
    const plat::TRect strip = plat::Rect(0, 0, image.width(), image.height());
    for (auto _ : state) {
        PaintTabStripBackground(canvas, strip, styler.TabAppearance().BackGround());
        for (int i = 0; i < kTabs; ++i) {
            const int left = 4 + i * (kTabWidthPx + 2);
            TDrawTabRequest tab;
            tab.Rect = plat::Rect(left, 2, left + kTabWidthPx, 28);
            tab.Appearance = &styler.TabAppearance();
            tab.State.Active = i == 0;
            tab.State.Hot = i == 1;
            tab.State.ShowNonSelectedTabs = true;
            tab.RoundEdges = true;
            tab.Show3D = tab.Shadow = true;
            tab.ComposeOffscreen = i == 0;
            const auto text = DrawTab(canvas, tab);
            TTabContentRequest content;
            content.Rect = tab.Rect;
            content.Caption = "Page " + std::to_string(i + 1);
            content.Image = ChooseTabImage(&picture, nullptr, nullptr, nullptr, -1, true, true);
            content.Active = i == 0;
            content.ShowClose = content.CloseButton = content.CloseOnTab = true;
            content.Font = &styler.TabAppearance().Font();
            content.TextColor = text.value_or(plat::clBlack);
            content.Settings = &settings;
            benchmark::DoNotOptimize(DrawTabContent(canvas, content));
        }
    }
}
BENCHMARK(ThirtyTabs)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return skelda::bench::RunHeadlessBenchmarks(argc, argv);
}
