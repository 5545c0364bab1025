#pragma once

#include "editcontrols/support/TCharTables.h"

namespace skelda::editcontrols {

// The tables of the 256 ANSI characters, which are Windows-1252 as everywhere in this system:
// each byte stands for its Windows-1252 character, whose Unicode properties give its classes
// and case forms. A case form without a Windows-1252 byte ("µ" has the Greek capital mu) leaves
// the byte as it is. Built in microseconds.
class TAnsiCharTables : public TCharTables<unsigned char, 256> {
public:
    TAnsiCharTables();
};

// The tables of this process, built on first use.
const TAnsiCharTables& AnsiCharTables();

}  // namespace skelda::editcontrols
