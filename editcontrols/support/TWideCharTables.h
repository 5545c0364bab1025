#pragma once

#include "editcontrols/support/TCharTables.h"

namespace skelda::editcontrols {

// The tables of the 65536 wide characters (UTF-16 code units) by their Unicode properties. A
// surrogate has no class and is its own case form, as is a character whose case form lies
// beyond the 16 bits. Built in a few milliseconds; half a megabyte.
class TWideCharTables : public TCharTables<char16_t, 65536> {
public:
    TWideCharTables();
};

// The tables of this process, built on first use.
const TWideCharTables& WideCharTables();

}  // namespace skelda::editcontrols
