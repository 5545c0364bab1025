#pragma once

#include <locale.h>

#include <string>
#include <string_view>

namespace skelda::editcontrols {

// Compares texts as a locale's collation orders them, without regard to case: both texts are
// taken to lower case by their Unicode properties, then collated. The answer is negative, 0 or
// positive. Comparing costs a conversion of both texts and one collation; safe for any thread.
class TLocaleComparison {
public:
    // The collation the user's environment names (LC_ALL, LC_COLLATE, LANG); where that
    // locale is not installed, Unicode code-point order (C.UTF-8).
    TLocaleComparison();
    // The collation of the locale named ALocaleName ("de_DE.UTF-8"); EKclInternalError
    // "Locale \"%s\" is not available" when it is not installed.
    explicit TLocaleComparison(const std::string& ALocaleName);
    ~TLocaleComparison();
    TLocaleComparison(const TLocaleComparison&) = delete;
    TLocaleComparison& operator=(const TLocaleComparison&) = delete;

    int CompareText(std::string_view A, std::string_view B) const;

private:
    locale_t FLocale;
};

// The user's comparison, made on first use.
const TLocaleComparison& UserLocaleComparison();

}  // namespace skelda::editcontrols
