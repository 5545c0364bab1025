// Mini-HTML layout and drawing, both copies of the engine, on any markup with random bounds,
// flags and point: every call ends, raises nothing, paints nothing when only measuring or
// locating, gives the canvas back as it was (the hint's copy may leave the pen), reports a link
// under the point as -1 or one of its links, and measuring agrees with drawing on the sizes, the
// link count and the plain text. A text laid out once draws again exactly what a whole run draws
// (as the grid's kept layouts do), and painted in the width it measured (as the hint window
// paints) keeps the lines it was measured in. The first bytes choose the copy, the flags, the
// bounds and the point; the canvas alternates between the recording canvas and a plain image.

#include "FontconfigLeaks.h"
#include "FuzzSupport.h"
#include "HeadlessQt.h"

#include "foundation/MiniHtmlEngine.h"
#include "foundation/THTMLPictureCache.h"
#include "foundation/TPictureContainer.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/testing/TRecordingCanvas.h"

#include <QCoreApplication>
#include <QImage>

#include <chrono>
#include <exception>
#include <string>
#include <vector>

using namespace plat;
using namespace skelda::foundation;
using skelda::fuzz::Check;

namespace {

// Texts of cells and hints are short; longer inputs only slow the search down.
constexpr std::size_t MaxTextBytes = 4096;
constexpr std::size_t HeaderBytes = 6;

struct TCanvasLook {
    std::string FontName;
    int FontHeight;
    TFontStyles Style;
    TColor FontColor;
    int Orientation;
    TColor BrushColor;
    TBrushStyle BrushStyle;
    TColor PenColor;
    int PenWidth;

    explicit TCanvasLook(TCanvas& C)
        : FontName(C.Font().GetName()), FontHeight(C.Font().GetHeight()), Style(C.Font().GetStyle()),
          FontColor(C.Font().GetColor()), Orientation(C.Font().GetOrientation()), BrushColor(C.Brush().GetColor()),
          BrushStyle(C.Brush().GetStyle()), PenColor(C.Pen().GetColor()), PenWidth(C.Pen().GetWidth())
    {
    }
    bool SameBut(const TCanvasLook& O, bool Pen) const
    {
        return FontName == O.FontName && FontHeight == O.FontHeight && Style == O.Style && FontColor == O.FontColor &&
               Orientation == O.Orientation && BrushColor == O.BrushColor && BrushStyle == O.BrushStyle &&
               (!Pen || (PenColor == O.PenColor && PenWidth == O.PenWidth));
    }
};

void Prepare(TCanvas& C)
{
    C.Font().SetName("Tahoma");
    C.Font().SetHeight(-11);
    C.Font().SetStyle({});
    C.Font().SetColor(clBlack);
    C.Font().SetOrientation(0);
    C.Brush().SetColor(clWhite);
    C.Pen().SetColor(clBlack);
    C.Pen().SetWidth(1);
}

void LetQtTidyUp()
{
    static auto last = std::chrono::steady_clock::now();
    const auto now = std::chrono::steady_clock::now();
    if (now - last < std::chrono::seconds(1))
        return;
    last = now;
    QCoreApplication::processEvents();
}

TMiniHtmlResult Run(const TMiniHtmlVariant& V, TCanvas& C, const TMiniHtmlRequest& Q,
                    TMiniHtmlLayout* LayOut = nullptr, const TMiniHtmlLayout* Replay = nullptr)
{
    TMiniHtmlResult r;
    try {
        if (LayOut)
            LayOutMiniHtml(V, C, Q, *LayOut, r);
        else if (Replay)
            RunMiniHtml(V, C, Q, *Replay, r);
        else
            RunMiniHtml(V, C, Q, r);
    } catch (const std::exception& e) {
        Check(false, "the engine raised", e.what());
    }
    return r;
}

void CheckSameText(const TMiniHtmlResult& A, const TMiniHtmlResult& B, const char* What)
{
    Check(A.ContentWidth == B.ContentWidth, What, "widths " + std::to_string(A.ContentWidth) + " vs " +
                                                       std::to_string(B.ContentWidth));
    Check(A.ContentHeight == B.ContentHeight, What, "heights " + std::to_string(A.ContentHeight) + " vs " +
                                                         std::to_string(B.ContentHeight));
    Check(A.LinkTotal == B.LinkTotal, What, "link counts");
    Check(A.PlainText == B.PlainText, What, A.PlainText + " | " + B.PlainText);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
    skelda::fuzz::StartHeadlessQt(Argc, Argv, 16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size < HeaderBytes || Size > MaxTextBytes + HeaderBytes)
        return 0;
    LetQtTidyUp();
    const std::uint8_t flags = Data[0];
    const bool grid = flags & 1;
    const TMiniHtmlVariant variant = grid ? TMiniHtmlVariant::Grid() : TMiniHtmlVariant::Hint();

    static TPictureContainer container(nullptr);
    static THTMLPictureCache cache;
    if (cache.Count() > 64)
        cache.ClearPictures();

    TMiniHtmlRequest q;
    q.Text.assign(reinterpret_cast<const char*>(Data + HeaderBytes), Size - HeaderBytes);
    q.Bounds = {Data[1] % 40 - 10, Data[2] % 40 - 10, 0, 0};
    q.Bounds.Right = q.Bounds.Left + Data[3] * 2;
    q.Bounds.Bottom = q.Bounds.Top + Data[4] / 2;
    q.PointX = Data[5] % 200 - 5;
    q.PointY = Data[5] / 2;
    q.WrapWords = flags & 2;
    q.SelectedText = flags & 4;
    q.HoverOnlyLinks = flags & 8;
    q.BlinkVisible = flags & 16;
    q.ReadingOrder = (flags >> 5) & 3;
    q.MouseIsDown = flags & 0x80;
    q.FocusLinkIndex = Data[2] % 4 - 1;
    q.HoverLinkIndex = Data[1] % 4 - 1;
    q.LineGap = Data[4] % 3;
    q.Pictures = &container;
    q.PictureCache = &cache;

    static testing::TRecordingCanvas recording(200, 120);
    static QImage image(200, 120, QImage::Format_RGB32);
    static TCanvas plain(MakeImageCanvasBackend(image));

    // Measuring and locating paint nothing.
    Prepare(recording);
    recording.ClearCalls();
    const TCanvasLook before(recording);
    TMiniHtmlRequest measure = q;
    measure.SizeOnly = true;
    const TMiniHtmlResult sized = Run(variant, recording, measure);
    Check(recording.Calls().empty(), "measuring painted", recording.Calls().empty() ? "" : recording.Calls().front());
    Check(TCanvasLook(recording).SameBut(before, true), "measuring changed the canvas", q.Text);
    TMiniHtmlRequest locate = q;
    locate.LocateOnly = true;
    locate.Bounds.Bottom = 65535;
    const TMiniHtmlResult located = Run(variant, recording, locate);
    Check(recording.Calls().empty(), "locating painted", recording.Calls().empty() ? "" : recording.Calls().front());

    // Drawing, with room for every line, agrees with measuring.
    TCanvas& canvas = (flags & 0x40) ? plain : static_cast<TCanvas&>(recording);
    Prepare(canvas);
    const TCanvasLook drawBefore(canvas);
    TMiniHtmlRequest full = q;
    full.Bounds.Bottom = 65535;
    const TMiniHtmlResult drawn = Run(variant, canvas, full);
    Check(TCanvasLook(canvas).SameBut(drawBefore, grid), "drawing changed the canvas", q.Text);
    for (const TMiniHtmlResult* r : {&drawn, &located}) {
        Check(r->ContentWidth == sized.ContentWidth, "widths differ",
              std::to_string(r->ContentWidth) + " vs " + std::to_string(sized.ContentWidth));
        Check(r->ContentHeight == sized.ContentHeight, "heights differ",
              std::to_string(r->ContentHeight) + " vs " + std::to_string(sized.ContentHeight));
        Check(r->LinkTotal == sized.LinkTotal, "link counts differ");
        Check(r->PlainText == sized.PlainText, "plain texts differ", r->PlainText + " | " + sized.PlainText);
        Check(r->LinkIndexUnderPoint == -1 || (r->LinkIndexUnderPoint >= 1 && r->LinkIndexUnderPoint <= r->LinkTotal),
              "a link under the point that is none of the links", std::to_string(r->LinkIndexUnderPoint));
    }
    // The bounds as given: lines below them are dropped, nothing else changes.
    Prepare(canvas);
    const TMiniHtmlResult clipped = Run(variant, canvas, q);
    Check(clipped.ContentHeight <= drawn.ContentHeight || drawn.ContentHeight == 0, "a cut text grew");
    Check(sized.ContentHeight > 0, "no height");

    // Laid out once, the text draws again call for call what a whole run draws.
    Prepare(recording);
    recording.ClearCalls();
    const TMiniHtmlResult whole = Run(variant, recording, full);
    const std::vector<std::string> wholeCalls = recording.Calls();
    Prepare(recording);
    TMiniHtmlLayout layout;
    CheckSameText(Run(variant, recording, full, &layout), sized, "laying out measured otherwise");
    recording.ClearCalls();
    const TMiniHtmlResult replayed = Run(variant, recording, full, nullptr, &layout);
    Check(recording.Calls() == wholeCalls, "a laid-out text drew otherwise", q.Text);
    CheckSameText(replayed, whole, "a laid-out text drew otherwise");
    Check(replayed.Hit == whole.Hit && replayed.FocusedLinkTarget == whole.FocusedLinkTarget,
          "a laid-out text reported otherwise", q.Text);

    // Painted in the width it measured, with its point on no line (the hint window's), the text
    // keeps its lines: the same height, line breaks and plain text as measured.
    TMiniHtmlRequest measuredWidth = full;
    measuredWidth.Bounds.Right = measuredWidth.Bounds.Left + 1 + sized.ContentWidth;
    measuredWidth.PointX = measuredWidth.Bounds.Left;
    measuredWidth.PointY = measuredWidth.Bounds.Top;
    Prepare(recording);
    CheckSameText(Run(variant, recording, measuredWidth, nullptr, &layout), sized,
                  "painted in its measured width, the text took other lines");
    return 0;
}
