#pragma once

#include "foundation/MiniHtmlEngine.h"
#include "platform/graphics/TCanvas.h"
#include "platform/testing/TRecordingCanvas.h"

#include <string>

namespace skelda::foundation::testing {

// The canvas look every mini-HTML test starts from.
inline void PrepareCanvas(plat::TCanvas& Canvas)
{
    Canvas.Font().SetName("Tahoma");
    Canvas.Font().SetHeight(-11);
    Canvas.Font().SetColor(plat::clBlack);
    Canvas.Font().SetStyle({});
    Canvas.Brush().SetColor(plat::clWhite);
    Canvas.Pen().SetColor(plat::clBlack);
    Canvas.Pen().SetWidth(1);
}

// One canvas with a known font and a call's inputs, run through either copy of the engine.
class MiniHtmlFixture {
public:
    explicit MiniHtmlFixture(int WidthPx = 400, int HeightPx = 200) : canvas(WidthPx, HeightPx)
    {
        PrepareCanvas(canvas);
        request.Bounds = {0, 0, WidthPx, HeightPx};
    }

    TMiniHtmlResult Grid(const std::string& Text)
    {
        return Run(TMiniHtmlVariant::Grid(), Text);
    }
    TMiniHtmlResult Hint(const std::string& Text)
    {
        return Run(TMiniHtmlVariant::Hint(), Text);
    }
    TMiniHtmlResult Run(const TMiniHtmlVariant& Variant, const std::string& Text)
    {
        request.Text = Text;
        TMiniHtmlResult result;
        result.ControlId = controlId;
        RunMiniHtml(Variant, canvas, request, result);
        return result;
    }

    // Widths and heights as the canvas measures them, in a font changed by Style.
    int Width(const std::string& Text) { return canvas.TextWidth(Text); }
    int Height(const std::string& Text = "gh") { return canvas.TextHeight(Text); }
    int WidthIn(plat::TFontStyle Style, const std::string& Text)
    {
        const plat::TFontStyles saved = canvas.Font().GetStyle();
        plat::TFontStyles styles = saved;
        styles.Include(Style);
        canvas.Font().SetStyle(styles);
        const int w = canvas.TextWidth(Text);
        canvas.Font().SetStyle(saved);
        return w;
    }

    plat::testing::TRecordingCanvas canvas;
    TMiniHtmlRequest request;
    std::string controlId;
};

}  // namespace skelda::foundation::testing
