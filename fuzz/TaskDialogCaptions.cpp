// Captions of the emulated task dialog on any text: the line-break test and the line splitter
// end, lose no character but the separators and padding spaces, and leave no line padded; the
// escapes expand and line breaks become "<br>" without a stray line feed or escape left; a
// command link measures on a real canvas without raising, the same size when measured again, and
// gives the canvas its font back.
// The first byte chooses the measuring flags (margins, multi-line).

#include "FontconfigLeaks.h"
#include "FuzzSupport.h"
#include "HeadlessQt.h"

#include "foundation/NewlineEscapes.h"
#include "foundation/TaskDialogCaptions.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/graphics/TFont.h"

#include <QImage>

#include <string>
#include <vector>

using namespace plat;
using namespace skelda::foundation;
using skelda::fuzz::Check;

namespace {

// Captions are short; longer inputs only slow the search down.
constexpr std::size_t MaxTextBytes = 2048;

// The characters a split may drop: separators (backslash-n, carriage return, line feed) and
// padding spaces. Every other character must come through, in order.
std::string Kept(const std::string& Text)
{
    std::string out;
    for (char c : Text)
        if (c != ' ' && c != '\\' && c != 'n' && c != '\r' && c != '\n')
            out += c;
    return out;
}

void CheckSplit(const std::string& Text)
{
    std::vector<std::string> lines;
    SplitDialogLines(Text, lines);
    Check(Text.empty() == lines.empty(), "split lost or invented a text");
    std::string joined;
    for (const std::string& line : lines)
        joined += line;
    Check(Kept(joined) == Kept(Text), "split lost a character", Text);
    if (lines.size() > 1)
        for (const std::string& line : lines)
            Check(TrimLineSpaces(line) == line, "split left a line padded", line);
    Check(lines.size() <= Text.size(), "split made more lines than characters");
}

void CheckHtmlBreaks(const std::string& Text)
{
    const std::string html = DialogLineBreaksToHtml(Text);
    Check(html.find('\n') == std::string::npos, "a line feed survived", Text);
    Check(html.find("\\n") == std::string::npos, "an escape survived", Text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
    skelda::fuzz::StartHeadlessQt(Argc, Argv, 16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const skelda::fuzz::TSelected input = skelda::fuzz::Select(Data, Size);
    if (input.Text.size() > MaxTextBytes)
        return 0;
    const std::string text(input.Text);

    const bool escape = HasNewlineEscape(text);
    Check(!escape || text.find("\\n") != std::string::npos, "an escape found where none is", text);
    CheckSplit(text);
    CheckHtmlBreaks(text);
    (void)ExpandNewlineEscapes(text);

    static QImage image(64, 32, QImage::Format_RGB32);
    static TCanvas canvas(MakeImageCanvasBackend(image));
    canvas.Font().SetName("Tahoma");
    canvas.Font().SetSize(9);
    TFont heading;
    heading.SetSize(11);
    heading.SetStyle({fsBold});
    TFont body;
    const TCommandLinkSize size =
        MeasureCommandLink(&canvas, text, heading, input.Selector & 1, input.Selector & 2, 0, body);
    Check(size.WidthPx >= 0 && size.HeightPx >= 0, "negative command link size");
    const TCommandLinkSize again =
        MeasureCommandLink(&canvas, text, heading, input.Selector & 1, input.Selector & 2, 0, body);
    Check(again.WidthPx == size.WidthPx && again.HeightPx == size.HeightPx, "measured again, the command link changed size",
          std::to_string(size.WidthPx) + " x " + std::to_string(size.HeightPx) + " became " +
              std::to_string(again.WidthPx) + " x " + std::to_string(again.HeightPx));
    Check(canvas.Font().GetSize() == 9 && canvas.Font().GetStyle().Empty(), "canvas font not given back");
    return 0;
}
