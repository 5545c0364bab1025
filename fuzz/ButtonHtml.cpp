// The small HTML of the edit controls' buttons (editcontrols/button/HtmlRenderer.h), as a caption
// reaches it: any markup is drawn and measured without raising (decision 2 of the edit controls:
// nothing leaves a paint), the canvas's font, brush and pen come back as they were, drawing and
// measuring agree on the height, measuring twice gives the same size, and without a mouse
// position no link is under the mouse. A first byte chooses the state bits and the scale.

#include "FontconfigLeaks.h"
#include "FuzzSupport.h"

#include "editcontrols/button/HtmlRenderer.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <chrono>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

using namespace plat;
using namespace skelda::editcontrols;
using skelda::fuzz::Check;

namespace {

// A button caption is a line or two; longer inputs only slow the search down.
constexpr std::size_t MaxCaptionBytes = 2048;

struct TCanvasLook {
    TFontStyles Style;
    TColor FontColor;
    int FontHeight;
    TColor BrushColor;
    TBrushStyle BrushStyle;
    TColor PenColor;
    int PenWidth;

    explicit TCanvasLook(TCanvas& Canvas)
        : Style(Canvas.Font().GetStyle()),
          FontColor(Canvas.Font().GetColor()),
          FontHeight(Canvas.Font().GetHeight()),
          BrushColor(Canvas.Brush().GetColor()),
          BrushStyle(Canvas.Brush().GetStyle()),
          PenColor(Canvas.Pen().GetColor()),
          PenWidth(Canvas.Pen().GetWidth())
    {
    }
    bool operator==(const TCanvasLook&) const = default;
};

}  // namespace

// Qt trims its font caches (engines and their glyphs, one set per size and style) on a timer of
// its event loop; without a loop they only grow. Let the loop run now and then.
static void LetQtTidyUp()
{
    static auto last = std::chrono::steady_clock::now();
    const auto now = std::chrono::steady_clock::now();
    if (now - last < std::chrono::seconds(1))
        return;
    last = now;
    QCoreApplication::processEvents();
}

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication App(*Argc, *Argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size == 0 || Size > MaxCaptionBytes + 1)
        return 0;
    LetQtTidyUp();
    const std::uint8_t choice = Data[0];
    const std::string_view text(reinterpret_cast<const char*>(Data + 1), Size - 1);
    unsigned state = 0;
    if (choice & 1)
        state |= hsSelected;
    if (choice & 2)
        state |= hsDisabled;
    if (choice & 4)
        state |= hsScaled;
    const int scale = 50 + 25 * ((choice >> 3) & 7);
    const bool clearBrush = (choice & 0x40) != 0;

    static TBitmap bitmap;
    if (bitmap.GetEmpty())
        bitmap.SetSize(160, 48);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetName("Tahoma");
    canvas.Font().SetHeight(-11);
    canvas.Font().SetStyle({});
    canvas.Font().SetColor(clBtnText);
    canvas.Brush().SetColor(clBtnFace);
    canvas.Brush().SetStyle(clearBrush ? bsClear : bsSolid);
    canvas.Pen().SetColor(clBlack);
    canvas.Pen().SetWidth(1);
    const TCanvasLook before(canvas);
    const TRect rect{4, 3, 150, 45};
    const std::string caption(text);

    try {
        const THtmlRenderResult measured = RenderHtmlItem(canvas, rect, state, scale, 0, 0, hcMeasure, caption);
        Check(TCanvasLook(canvas) == before, "measuring changed the canvas", caption);
        const THtmlRenderResult again = RenderHtmlItem(canvas, rect, state, scale, 0, 0, hcMeasure, caption);
        Check(again.Width == measured.Width && again.Height == measured.Height, "two measurements differ", caption);
        const THtmlRenderResult drawn = RenderHtmlItem(canvas, rect, state, scale, 0, 0, hcDraw, caption);
        Check(TCanvasLook(canvas) == before, "drawing changed the canvas", caption);
        Check(drawn.Height == measured.Height, "drawing and measuring disagree on the height",
              std::to_string(drawn.Height) + " drawn, " + std::to_string(measured.Height) + " measured");
        Check(!measured.MouseOnLink && !drawn.MouseOnLink, "a link under no mouse", caption);
        Check(measured.Width >= 0, "a negative width", std::to_string(measured.Width));
        // The last line counts in the font in force at its end, which a FONT SIZE may have made
        // smaller than the canvas's: a line is at least a pixel, not a line of the canvas font.
        Check(measured.Height > rect.Top, "a height of no line", std::to_string(measured.Height));
        // With a mouse position, the link under it (if any) is looked for.
        RenderHtmlItem(canvas, rect, state, scale, 20, 8, hcMeasure, caption);
        Check(TCanvasLook(canvas) == before, "hit testing changed the canvas", caption);
        const TSize size = MeasureHtmlCaption(canvas, {0, 0, 75, 0}, caption);
        Check(size.cy >= 1 && size.cx >= 0, "a caption of no size", caption);
        DrawHtmlCaption(canvas, {2, 2, 2 + size.cx, 2 + size.cy}, caption);
        Check(TCanvasLook(canvas) == before, "drawing a caption changed the canvas", caption);
    } catch (const std::exception& error) {
        Check(false, "the renderer raised", error.what());
    }
    // Attribute look-ups of the raw text as a tag never fail either.
    for (const char* name : {"COLOR", "BGCOLOR", "SIZE", "HREF", "IND"})
        (void)GetHtmlAttribute(text, name);
    (void)ReplaceHtmlCodes(text);
    return 0;
}
