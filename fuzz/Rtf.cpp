// Rich text of grid cells as it arrives from files and pastes: any input reads without a crash
// or a hang, well-formed UTF-8 stays well-formed, text without rich-text syntax passes unchanged,
// and the text read is never longer than its source.

#include "FuzzSupport.h"

#include "grid/text/TRtfReader.h"
#include "platform/core/Utf8.h"

#include <string>

using skelda::fuzz::Check;
using skelda::grid::TRtfReader;
using skelda::grid::TRtfRun;
using skelda::grid::TRtfText;

namespace {

// Runs are what a painter switches fonts for: never empty, and a new style each.
void CheckRuns(const TRtfText& Text)
{
    for (const auto& Line : Text.Lines)
        for (std::size_t I = 0; I < Line.size(); ++I) {
            Check(!Line[I].Text.empty(), "empty run");
            Check(I == 0 || Line[I].Style != Line[I - 1].Style, "two runs of one style side by side");
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string_view Rtf = skelda::fuzz::AsText(Data, Size);
    const TRtfText Text = TRtfReader::Read(Rtf);
    Check(!Text.Lines.empty(), "no line at all");
    CheckRuns(Text);

    // Every escape is at least as long as what it stands for, and \par (CR LF) too.
    const std::string Plain = Text.PlainText();
    Check(Plain.size() <= Rtf.size(), "text longer than its source", std::to_string(Plain.size()));

    if (plat::IsValidUtf8(Rtf))
        Check(plat::IsValidUtf8(Plain), "ill-formed UTF-8 out of well-formed UTF-8", Plain);
    if (Rtf.find_first_of("{}\\\r\n") == std::string_view::npos)
        Check(Plain == Rtf, "plain text changed", Plain);
    return 0;
}
