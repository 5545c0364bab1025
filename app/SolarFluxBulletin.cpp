#include "app/SolarFluxBulletin.h"

#include "platform/core/Utf8.h"
#include "platform/system/Conversions.h"

namespace skelda::app {

namespace {

constexpr std::string_view kFluxWords = "Solar flux";
constexpr int kFluxChars = 4;
constexpr std::string_view kIssueWord = "Issued";
constexpr int kIssueChars = 22;

}  // namespace

std::optional<SolarFluxBulletin> ReadSolarFluxBulletin(std::string_view Bulletin)
{
    const std::string text = plat::Windows1252ToUtf8(Bulletin);
    const int flux = plat::Utf8Pos(kFluxWords, text);
    if (flux == 0)
        return std::nullopt;
    const int fluxSfu =
        plat::StrToIntDef(plat::Trim(plat::Utf8Copy(text, flux + static_cast<int>(kFluxWords.size()), kFluxChars)), 0);
    if (fluxSfu <= 0)
        return std::nullopt;
    SolarFluxBulletin bulletin{fluxSfu, {}};
    if (const int issued = plat::Utf8Pos(kIssueWord, text); issued != 0) {
        const int issueStart = issued + static_cast<int>(kIssueWord.size()) + 1;
        bulletin.IssueText = plat::Trim(plat::Utf8Copy(text, issueStart, kIssueChars));
    }
    return bulletin;
}

}  // namespace skelda::app
