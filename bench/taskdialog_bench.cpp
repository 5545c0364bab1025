// The emulated task dialog's cost to open: building and laying out the form from a component
// with three command links, expanded text, a footer, radio buttons and a progress bar, and its
// first painting. It must open without a visible pause: the target is under 30 ms.

#include "HeadlessBenchMain.h"

#include "foundation/TCustomVezTaskDialog.h"
#include "foundation/TVezMessageForm.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/qt/ControlRendering.h"
#include "platform/core/TStrings.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>

#include <benchmark/benchmark.h>


namespace {

using namespace skelda::foundation;

void FillDialog(TVezTaskDialog& Dialog)
{
    Dialog.SetTitle("Solar flux");
    Dialog.SetInstruction("The solar flux could not be downloaded");
    Dialog.SetContent("The flux predicted for this month is used. See <a href=\"https://www.swpc.noaa.gov\">the "
                      "space weather service</a> for the bulletin.");
    Dialog.SetExpandedText("The server did not answer within 10 s.<br>It may be busy: try again later.");
    Dialog.SetExpandControlText("Hide details");
    Dialog.SetCollapsControlText("Show details");
    Dialog.SetFooter("You can always type a <b>flux</b> or a sunspot number.");
    Dialog.SetFooterIcon(tfiInformation);
    Dialog.SetIcon(tiWarning);
    for (const char* caption : {"Close this warning\\nThe predicted flux stays in the field", "Try again",
                                "Type a flux\\nThe field takes the focus"})
        Dialog.CustomButtons().Add(caption);
    Dialog.RadioButtons().Add("Solar flux");
    Dialog.RadioButtons().Add("Sunspot number");
    Dialog.SetOptions({doHyperlinks, doCommandLinks, doExpandedDefault, doProgressBar, doAllowDialogCancel});
}

void BuildLayOutAndPaint(benchmark::State& state)
{
    plat::testing::UiTestEnvironment ui;
    auto* owner = new plat::TForm(plat::Application);
    auto* dialog = new TVezTaskDialog(owner);
    FillDialog(*dialog);
    for (auto _ : state) {
        TVezMessageForm* form = TVezMessageForm::CreateMessageForm(*dialog);
        benchmark::DoNotOptimize(plat::RenderControl(*form));
        delete form;
    }
    delete owner;
}
BENCHMARK(BuildLayOutAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return skelda::bench::RunHeadlessBenchmarks(argc, argv);
}
