#include "editcontrols/support/TUnitVersion.h"

#include "platform/system/Conversions.h"

#include <string_view>
#include <vector>

namespace skelda::editcontrols {

namespace {

std::string_view Trimmed(std::string_view AText)
{
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!AText.empty() && isBlank(AText.front()))
        AText.remove_prefix(1);
    while (!AText.empty() && isBlank(AText.back()))
        AText.remove_suffix(1);
    return AText;
}

// What a keyword line holds between "<AKeyword>" and its closing " $"; the line itself when it
// does not start with the keyword.
std::string_view KeywordValue(std::string_view ALine, std::string_view AKeyword)
{
    if (!ALine.starts_with(AKeyword))
        return ALine;
    constexpr std::size_t kClosingChars = 2;
    if (ALine.size() < AKeyword.size() + kClosingChars)
        return {};
    return ALine.substr(AKeyword.size(), ALine.size() - AKeyword.size() - kClosingChars);
}

// The 1-based characters AFirst .. AFirst + ACount - 1 of AText, as far as it has them.
std::string_view Chars(std::string_view AText, std::size_t AFirst, std::size_t ACount)
{
    return AFirst - 1 < AText.size() ? AText.substr(AFirst - 1, ACount) : std::string_view{};
}

int Number(std::string_view ADigits)
{
    return plat::StrToInt(ADigits);
}

plat::TDateTime TimeOfDay(std::string_view ATime)
{
    const char separator = ATime.find(':') != std::string_view::npos ? ':' : '/';
    int parts[3] = {0, 0, 0};
    for (int& part : parts) {
        if (ATime.empty())
            break;
        const std::size_t end = ATime.find(separator);
        part = Number(ATime.substr(0, end));
        ATime = end == std::string_view::npos ? std::string_view{} : ATime.substr(end + 1);
    }
    return plat::EncodeTime(parts[0], parts[1], parts[2], 0);
}

}  // namespace

std::string TUnitVersion::RCSfile() const
{
    std::string_view name = Trimmed(FInfo->RCSfile);
    if (name.starts_with("$RCSfile: ")) {
        name = KeywordValue(name, "$RCSfile: ");
        name = name.substr(0, name.rfind(','));
    }
    if (name.starts_with("$URL: ")) {
        name = KeywordValue(name, "$URL: ");
        if (const std::size_t slash = name.rfind('/'); slash != std::string_view::npos)
            name.remove_prefix(slash + 1);
    }
    return std::string(name);
}

std::string TUnitVersion::Revision() const
{
    return std::string(KeywordValue(Trimmed(FInfo->Revision), "$Revision: "));
}

std::string TUnitVersion::Date() const
{
    return std::string(KeywordValue(Trimmed(FInfo->Date), "$Date: "));
}

std::string TUnitVersion::Extra() const
{
    return std::string(Trimmed(FInfo->Extra));
}

std::string TUnitVersion::LogPath() const
{
    return std::string(Trimmed(FInfo->LogPath));
}

plat::TDateTime TUnitVersion::DateTime() const
{
    const std::string text = Date();
    const std::size_t blank = text.find(' ');
    const std::string_view date = std::string_view(text).substr(0, blank);
    int year = 0, month = 0, day = 0;
    const auto hasSeparator = [date](std::string_view ASeparators) {
        return date.find_first_of(ASeparators) != std::string_view::npos;
    };
    if (date.size() >= 5 && (date[4] == '/' || date[4] == '-')) {
        year = Number(Chars(date, 1, 4));
        month = Number(Chars(date, 6, 2));
        day = Number(Chars(date, 9, 2));
    } else if (hasSeparator("/-")) {
        month = Number(Chars(date, 1, 2));
        day = Number(Chars(date, 4, 2));
        year = Number(Chars(date, 7, 4));
    } else if (hasSeparator(".")) {
        day = Number(Chars(date, 1, 2));
        month = Number(Chars(date, 4, 2));
        year = Number(Chars(date, 7, 4));
    } else {
        return 0;
    }
    plat::TDateTime result = plat::EncodeDate(year, month, day);
    if (blank != std::string::npos) {
        const std::string_view rest = std::string_view(text).substr(blank + 1);
        result += TimeOfDay(rest.substr(0, rest.find(' ')));
    }
    return result;
}

}  // namespace skelda::editcontrols
