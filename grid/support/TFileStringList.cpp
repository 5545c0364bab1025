#include "grid/support/TFileStringList.h"

namespace skelda::grid {

void TFileStringList::Reset()
{
    FFp = 0;
    FCache.clear();
}

void TFileStringList::ReadLn(std::string& S)
{
    S = GetStrings(FFp);
    ++FFp;
}

void TFileStringList::WriteLn(const std::string& S)
{
    Add(FCache + S);
    FCache.clear();
}

}  // namespace skelda::grid
