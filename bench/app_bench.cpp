// A prediction as the window asks for it: the engine's numbers turned into header texts, the 25 x 20
// table with its colours and the chart's curve; and the same followed by the repaint that shows
// them. A map click must be redrawn within one frame.

#include "app/MufChart.h"
#include "app/PredictionDriver.h"
#include "app/PredictionSettings.h"
#include "app/ResultHeaders.h"
#include "app/ResultsTable.h"
#include "grid/model/TVezEzuzorEvad.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/qt/ProductionServices.h"
#include "platform/controls/standard/THeaderControl.h"
#include "platform/controls/standard/TPaintBox.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/controls/qt/ControlRendering.h"

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

}  // namespace

int main(int argc, char** argv)
{
    // The controls paint with Qt's fonts: a headless application is enough.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    plat::InstallProductionServices();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
