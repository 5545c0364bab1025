#include "editcontrols/support/TUnicodeProperties.h"

#include "editcontrols/support/KclExceptions.h"

#include <wctype.h>

namespace skelda::editcontrols {

namespace {

bool IsNoBreakSpace(char32_t ACodePoint)
{
    return ACodePoint == 0x00A0 || ACodePoint == 0x2007 || ACodePoint == 0x202F;
}

}  // namespace

TUnicodeProperties::TUnicodeProperties() : FLocale(::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{}))
{
    if (!FLocale)
        throw EKclInternalError("Unicode character data is not available");
}

TUnicodeProperties::~TUnicodeProperties()
{
    ::freelocale(FLocale);
}

TCharClasses TUnicodeProperties::Classes(char32_t ACodePoint) const
{
    if (IsNoBreakSpace(ACodePoint))
        return C1_SPACE | C1_BLANK;
    const auto c = static_cast<wint_t>(ACodePoint);
    TCharClasses classes = 0;
    const auto add = [&classes](bool AHas, TCharClasses AClass) {
        if (AHas)
            classes |= AClass;
    };
    add(::iswupper_l(c, FLocale), C1_UPPER);
    add(::iswlower_l(c, FLocale), C1_LOWER);
    add(::iswdigit_l(c, FLocale), C1_DIGIT);
    add(::iswspace_l(c, FLocale), C1_SPACE);
    add(::iswpunct_l(c, FLocale), C1_PUNCT);
    add(::iswcntrl_l(c, FLocale), C1_CNTRL);
    add(::iswblank_l(c, FLocale), C1_BLANK);
    add(::iswxdigit_l(c, FLocale), C1_XDIGIT);
    add(::iswalpha_l(c, FLocale), C1_ALPHA);
    return classes;
}

char32_t TUnicodeProperties::ToLower(char32_t ACodePoint) const
{
    return static_cast<char32_t>(::towlower_l(static_cast<wint_t>(ACodePoint), FLocale));
}

char32_t TUnicodeProperties::ToUpper(char32_t ACodePoint) const
{
    return static_cast<char32_t>(::towupper_l(static_cast<wint_t>(ACodePoint), FLocale));
}

const TUnicodeProperties& UnicodeProperties()
{
    static const TUnicodeProperties properties;
    return properties;
}

}  // namespace skelda::editcontrols
