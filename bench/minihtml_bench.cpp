// Mini-HTML as the grid and the hint window use it: a hint of 10 lines measured and drawn (the
// hint window does both on every show), and a text of 200 lines with tags, links, a list and
// pictures laid out only (SizeOnly, as a row height is computed) and drawn.

#include "foundation/MiniHtmlEngine.h"
#include "foundation/THTMLPictureCache.h"
#include "foundation/TPictureContainer.h"
#include "foundation/THTMLPicture.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

using namespace skelda::foundation;

std::string HintText()
{
    return "<B>Path</B> to <FONT color=\"clnavy\">Tokyo</FONT><BR>"
           "Distance: 9,272 km<BR>"
           "Short path bearing: 32&deg;<BR>"
           "<UL><LI>MUF at noon: <B>21.4</B> MHz<LI>Best band: <FONT color=\"clgreen\">15 m</FONT></UL>"
           "Signal: S7 at 100 W<BR>"
           "<A href=\"help\">More about the path</A><BR>"
           "<I>Solar flux 142</I><HR>"
           "Updated at 12:00 UTC";
}

std::string LongText()
{
    // Every line differs (its number), as the lines of a real text do.
    std::string text;
    for (int i = 0; i < 200; ++i) {
        const std::string n = std::to_string(i);
        switch (i % 5) {
        case 0:
            text += "Line " + std::to_string(i) + " with <B>bold</B>, <I>italic</I> and <A href=\"l" +
                    std::to_string(i) + "\">a link</A><BR>";
            break;
        case 1:
            text += "<UL><LI>item " + n + " of a list with <FONT color=\"clred\">colour " + n + "</FONT></UL>";
            break;
        case 2:
            text += "<IMG src=\"pic\"> picture " + n + " beside its text<BR>";
            break;
        case 3:
            text += "plain words " + n + " that run on like a sentence of a help text &amp; more<BR>";
            break;
        default:
            text += "<P align=\"right\">right " + n + " <U>underlined</U></P>";
            break;
        }
    }
    return text;
}

struct TSetup {
    QImage image{640, 4000, QImage::Format_RGB32};
    plat::TCanvas canvas{plat::MakeImageCanvasBackend(image)};
    TPictureContainer container{nullptr};
    THTMLPictureCache cache;

    TSetup()
    {
        canvas.Font().SetName("Tahoma");
        canvas.Font().SetHeight(-11);
        canvas.Brush().SetColor(plat::clInfoBk);
        QImage pic(16, 16, QImage::Format_ARGB32);
        pic.fill(Qt::blue);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        pic.save(&buffer, "PNG");
        TPictureItem& item = container.Items().Add();
        item.SetName("pic");
        item.Picture().LoadFromBytes({bytes.begin(), bytes.end()});
    }

    TMiniHtmlResult Run(const TMiniHtmlVariant& Variant, const std::string& Text, int Width, bool SizeOnly)
    {
        TMiniHtmlRequest q;
        q.Text = Text;
        q.Bounds = {0, 0, Width, 4000};
        q.SizeOnly = SizeOnly;
        q.Pictures = &container;
        q.PictureCache = &cache;
        TMiniHtmlResult r;
        RunMiniHtml(Variant, canvas, q, r);
        return r;
    }
};

TSetup& Setup()
{
    static TSetup setup;
    return setup;
}

void BM_HintMeasureAndDraw(benchmark::State& state)
{
    TSetup& s = Setup();
    const std::string text = HintText();
    for (auto _ : state) {
        const TMiniHtmlResult size = s.Run(TMiniHtmlVariant::Hint(), text, 300, true);
        benchmark::DoNotOptimize(s.Run(TMiniHtmlVariant::Hint(), text, size.ContentWidth + 4, false));
    }
}

void BM_LongTextSizeOnly(benchmark::State& state)
{
    TSetup& s = Setup();
    const std::string text = LongText();
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Run(TMiniHtmlVariant::Grid(), text, 600, true));
}

void BM_LongTextDraw(benchmark::State& state)
{
    TSetup& s = Setup();
    const std::string text = LongText();
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Run(TMiniHtmlVariant::Grid(), text, 600, false));
}

}  // namespace

BENCHMARK(BM_HintMeasureAndDraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LongTextSizeOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongTextDraw)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
