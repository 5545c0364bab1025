// An office pager's cost per frame: a full repaint of a pager with 30 tabs (captions, 16 x 16
// PNG pictures, close buttons on the tabs, scroll buttons), the layout update a caption change
// causes (every tab measured again, the scroller and the buttons laid out), one step of the
// mouse sweeping over the tabs (the move, the glow timers' tick and the repaint), and one step
// of dragging a floating page's window (the move through the input layer, the window following
// the pointer, its repaint).

#include "BenchPictures.h"
#include "HeadlessBenchMain.h"

#include "pager/office/TPageButtonSettings.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/qt/ControlRendering.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

using namespace skelda::pager;

struct TThirtyTabs {
    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    TVezOfficePager* pager = new TVezOfficePager(form);

    TThirtyTabs()
    {
        form->SetClientWidth(900);
        form->SetClientHeight(400);
        pager->SetParent(form);
        pager->SetBounds(0, 0, 900, 400);
        pager->ButtonSettings().SetCloseButton(true);
        pager->SetCloseOnTab(true);
        pager->SetShowCloseOnNonSelectedTabs(true);
        for (int i = 0; i < 30; ++i) {
            auto* page = new TVezOfficePage(form);
            page->SetCaption("Page number " + std::to_string(i));
            skelda::bench::LoadIcon(page->Picture());
            pager->AddVezPage(page);
        }
        pager->SetActivePageIndex(2);
        form->Show();
    }
    ~TThirtyTabs() { delete form; }
};

void FullRepaint(benchmark::State& state)
{
    TThirtyTabs tabs;
    for (auto _ : state) {
        tabs.pager->Invalidate();
        benchmark::DoNotOptimize(plat::RenderControl(*tabs.pager));
    }
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMillisecond);

void CaptionChange(benchmark::State& state)
{
    TThirtyTabs tabs;
    TVezOfficePage* page = tabs.pager->VezPages(15);
    int round = 0;
    for (auto _ : state)
        page->SetCaption(++round % 2 ? "A longer caption" : "Short");
}
BENCHMARK(CaptionChange)->Unit(benchmark::kMillisecond);

// Each step moves to the next shown tab, so that one tab glows in while the last glows out, as a
// sweep across the strip does; the tabs scroll so that every one of the thirty is passed.
void HoverSweepStep(benchmark::State& state)
{
    TThirtyTabs tabs;
    TVezOfficePager& pager = *tabs.pager;
    int index = 0;
    for (auto _ : state) {
        index = (index + 1) % pager.GetVezPageCount();
        if (index == 0)
            pager.ScrollToFirst();
        while (TPagerTabLayout::IsNone(pager.GetTabRect(index)))
            pager.ScrollForward();
        const plat::TRect tab = pager.GetTabRect(index);
        tabs.ui.Simulator().MouseMove(pager, {(tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2});
        tabs.ui.Clock().Advance(50);
        benchmark::DoNotOptimize(plat::RenderControl(pager));
    }
}
BENCHMARK(HoverSweepStep)->Unit(benchmark::kMillisecond);

void FloatingWindowDragStep(benchmark::State& state)
{
    TThirtyTabs tabs;
    tabs.pager->SetAllowTabUndock(true);
    TVezOfficePage* page = tabs.pager->VezPages(3);
    tabs.pager->FloatPage(page, 300, 500, -1, -1);
    TVezOfficePager* clone = page->GetVezOfficePager();
    plat::TCustomForm* window = page->GetFloatingWindow();
    const plat::TRect tab = clone->GetTabRect(0);
    const plat::TPoint start = clone->ClientToScreen({(tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2});
    plat::testing::InputSimulator& mouse = tabs.ui.Simulator();
    mouse.MouseDown(*clone, clone->ScreenToClient(start));
    int round = 0;
    for (auto _ : state) {
        const plat::TPoint to{start.X + (++round % 2 ? 40 : 0), start.Y + 30};
        mouse.MouseMove(*clone, clone->ScreenToClient(to));
        benchmark::DoNotOptimize(plat::RenderControl(*window));
    }
    if (!tabs.pager->GetTabDragging() || page->GetFloatingWindow() != window)
        state.SkipWithError("the page did not stay in its window under the drag");
    mouse.MouseUp(*clone, clone->ScreenToClient(start));
}
BENCHMARK(FloatingWindowDragStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return skelda::bench::RunHeadlessBenchmarks(argc, argv);
}
