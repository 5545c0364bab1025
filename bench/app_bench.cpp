// A prediction as the window asks for it: the engine's numbers turned into header texts, the 25 x 20
// table with its colours and the chart's curve; and the same followed by the repaint that shows
// them. A map click must be redrawn within one frame. And the start-up after the splash window,
// which should take less than 300 ms without a network.

#include "HeadlessBenchMain.h"

#include "app/MufChart.h"
#include "app/PredictionDriver.h"
#include "app/PredictionSettings.h"
#include "app/ResultHeaders.h"
#include "app/ResultsTable.h"
#include "app/RegistryExtended.h"
#include "app/TMUFForm.h"
#include "grid/model/TVezEzuzorEvad.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/standard/THeaderControl.h"
#include "platform/controls/standard/TPaintBox.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/graphics/TPicture.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/controls/qt/ControlRendering.h"
#include "platform/system/CurlHttpClient.h"
#include "platform/system/Environment.h"
#include "platform/system/TRegIniFile.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace skelda;

template <typename T>
T* Place(plat::TForm& form, plat::TWinControl& parent, plat::TRect bounds)
{
    T* control = new T(&form);
    control->SetAlign(plat::alNone);
    control->SetBoundsRect(bounds);
    control->SetParent(&parent);
    return control;
}

// The results half of the main window, Paris to Washington at a flux of 120.
struct ResultsWindow {
    ResultsWindow()
        : form(*new plat::TForm(plat::Application)),
          PTB(*Place<plat::TPaintBox>(form, form, plat::Bounds(0, 40, app::MufChart::kWidthPx, app::MufChart::kHeightPx))),
          MUFGrid(*Place<grid::TVezEzuzorEvad>(form, form, plat::Bounds(0, 345, 740, 306))),
          table(MUFGrid),
          headers(*Place<plat::THeaderControl>(form, form, plat::Bounds(0, 18, 900, 18)),
                  *Place<plat::THeaderControl>(form, form, plat::Bounds(0, 0, 900, 18)),
                  *Place<plat::TPanel>(form, form, plat::Bounds(720, 40, 120, 20)),
                  *Place<plat::TPanel>(form, form, plat::Bounds(720, 62, 120, 20))),
          chart(PTB, settings),
          driver(settings, table, headers, chart,
                 *Place<plat::TRadioGroup>(form, form, plat::Bounds(720, 90, 180, 110)))
    {
        settings.Latitude = 48.8333L;
        settings.Longitude = -2.25L;
        settings.DestLat = 38;
        settings.DestLon = 77;
        settings.SolarValue = 120;
        PTB.OnPaint = [this](plat::TObject* sender) { chart.TraceTableau(sender); };
        form.SetClientWidth(910);
        form.SetClientHeight(660);
        form.Show();
    }
    ~ResultsWindow() { delete &form; }

    app::PredictionSettings settings;
    plat::TForm& form;
    plat::TPaintBox& PTB;
    grid::TVezEzuzorEvad& MUFGrid;
    app::ResultsTable table;
    app::ResultHeaders headers;
    app::MufChart chart;
    app::PredictionDriver driver;
};

void ClickToTable(benchmark::State& state)
{
    ResultsWindow window;
    for (auto _ : state)
        window.driver.ComputeBtnClick(nullptr);
}
BENCHMARK(ClickToTable)->Unit(benchmark::kMicrosecond);

// The form painted into an image, as the screen would get it after the click.
void ClickToTableRepainted(benchmark::State& state)
{
    ResultsWindow window;
    for (auto _ : state) {
        window.driver.ComputeBtnClick(nullptr);
        benchmark::DoNotOptimize(plat::RenderControl(window.form));
    }
}
BENCHMARK(ClickToTableRepainted)->Unit(benchmark::kMicrosecond);

// The main window made as the program makes it once the splash has waited: the saved station read
// from the store, the bulletin's download failing on a loopback port that refuses (the warning is
// answered at once), the map built and the first prediction written.
void StartUpAfterTheSplash(benchmark::State& state)
{
    plat::testing::UiTestEnvironment ui;
    plat::CurlHttpClient http;
    plat::Env().Http = &http;
    plat::TRegIniFile ini(app::kSettingsKey);
    ini.WriteString("Options", "BulletinServer", "http://127.0.0.1:9");
    ini.WriteString("Setup", "MyCall", "F5ABC");
    app::WriteRegExtended("Setup", "Latitude", 48.8333L);
    app::WriteRegExtended("Setup", "Longitude", -2.25L);
    app::WriteRegExtended("Setup", "DestLat", 38);
    app::WriteRegExtended("Setup", "DestLon", 77);
    for (auto _ : state) {
        auto* window = plat::CreateForm<app::TMUFForm>(plat::Application, ui.Base().ConfigDir());
        state.PauseTiming();
        const bool computed = !window->MUFGrid->GetCellText(14, 18).empty();
        const bool mapBuilt = window->MAP->Picture().GetWidth() > 0;
        delete window;
        if (!computed || !mapBuilt)
            state.SkipWithError("the start-up did not build the map and compute");
        state.ResumeTiming();
    }
    if (static_cast<benchmark::IterationCount>(ui.Dialogs().TaskDialogs().size()) != state.iterations())
        state.SkipWithError("the download did not fail with its warning");
}
BENCHMARK(StartUpAfterTheSplash)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return skelda::bench::RunHeadlessBenchmarks(argc, argv);
}
