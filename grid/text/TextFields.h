#pragma once

#include "platform/core/Types.h"

#include <string>
#include <string_view>

namespace plat {
class TStrings;
}

namespace skelda::grid {

// Takes the part of Text before the first Sep off Text, the separator with it, and returns it.
// Without Sep in Text the field is empty and Text stays as it is.
std::string TakeFirstField(std::string& Text, char32_t Sep);

// All lines of List one after another, nothing between them.
std::string JoinStrings(const plat::TStrings& List);

// Reads a cell reference "R<row>C<column>" (letters in any case, at least four characters) into
// Point (X the column, Y the row). False, with Point untouched, for anything else.
bool ParseRowColReference(std::string_view Text, plat::TPoint& Point);

}  // namespace skelda::grid
