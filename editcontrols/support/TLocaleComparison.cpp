#include "editcontrols/support/TLocaleComparison.h"

#include "editcontrols/support/KclExceptions.h"
#include "editcontrols/support/TUnicodeProperties.h"
#include "platform/core/Utf8.h"

#include <wchar.h>

namespace skelda::editcontrols {

namespace {

std::wstring LowerWide(std::string_view AText)
{
    const TUnicodeProperties& unicode = UnicodeProperties();
    std::wstring wide;
    for (const char32_t codePoint : plat::Utf8ToCodePoints(AText))
        wide.push_back(static_cast<wchar_t>(unicode.ToLower(codePoint)));
    return wide;
}

int Sign(int AValue)
{
    return (AValue > 0) - (AValue < 0);
}

}  // namespace

TLocaleComparison::TLocaleComparison() : FLocale(::newlocale(LC_COLLATE_MASK, "", locale_t{}))
{
    if (!FLocale)
        FLocale = ::newlocale(LC_COLLATE_MASK, "C.UTF-8", locale_t{});
    if (!FLocale)
        throw EKclInternalError("Locale \"%s\" is not available", {"C.UTF-8"});
}

TLocaleComparison::TLocaleComparison(const std::string& ALocaleName)
    : FLocale(::newlocale(LC_COLLATE_MASK, ALocaleName.c_str(), locale_t{}))
{
    if (!FLocale)
        throw EKclInternalError("Locale \"%s\" is not available", {ALocaleName});
}

TLocaleComparison::~TLocaleComparison()
{
    ::freelocale(FLocale);
}

int TLocaleComparison::CompareText(std::string_view A, std::string_view B) const
{
    return Sign(::wcscoll_l(LowerWide(A).c_str(), LowerWide(B).c_str(), FLocale));
}

const TLocaleComparison& UserLocaleComparison()
{
    static const TLocaleComparison comparison;
    return comparison;
}

}  // namespace skelda::editcontrols
