#pragma once

#include "editcontrols/support/CharacterClasses.h"

#include <locale.h>

namespace skelda::editcontrols {

// Class bits and simple case mappings of Unicode code points, from the C library's UTF-8
// character data (the C.UTF-8 locale), so that they do not depend on the user's locale
// settings. The classes follow that data: digits and hex digits are the ASCII ones, letters of
// every script are alphabetic, and what is printable but neither letter nor digit is
// punctuation; the no-break spaces, which the C library keeps out of its space class, are
// spaces and blanks as Unicode's White_Space has them. Each question costs a table lookup of
// the C library.
//
// EKclInternalError "Unicode character data is not available" when the locale cannot be had.
class TUnicodeProperties {
public:
    TUnicodeProperties();
    ~TUnicodeProperties();
    TUnicodeProperties(const TUnicodeProperties&) = delete;
    TUnicodeProperties& operator=(const TUnicodeProperties&) = delete;

    TCharClasses Classes(char32_t ACodePoint) const;
    char32_t ToLower(char32_t ACodePoint) const;
    char32_t ToUpper(char32_t ACodePoint) const;

private:
    locale_t FLocale;
};

// The properties of this process, made on first use.
const TUnicodeProperties& UnicodeProperties();

}  // namespace skelda::editcontrols
