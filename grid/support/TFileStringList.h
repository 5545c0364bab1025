#pragma once

#include "platform/core/TStringList.h"

#include <string>

namespace skelda::grid {

// A string list read and written line by line like a text file, for the grid's text, CSV and
// fixed-width files; the file itself is loaded and saved with the string list's own operations.
// Reading past the end raises plat::EStringListError "List index out of bounds (<index>)", so
// callers test Eof first. Text written with Write waits in a pending line until WriteLn.
class TFileStringList : public plat::TStringList {
public:
    // Reads from the first line again and drops the pending line.
    void Reset();
    bool Eof() const { return FFp >= Count(); }
    // The line at the read position; the position advances past it.
    void ReadLn(std::string& S);
    void Write(const std::string& S) { FCache += S; }
    // Adds the pending line followed by S as one new line.
    void WriteLn(const std::string& S);

private:
    int FFp = 0;         // the read position
    std::string FCache;  // the pending line
};

}  // namespace skelda::grid
