#pragma once

#include "editcontrols/support/CharacterClasses.h"

#include <array>
#include <cstddef>

namespace skelda::editcontrols {

// The class bits and the lower-case, upper-case and swapped-case forms of every character of a
// set of ACount characters of type TChar, indexed by the character's code. The swapped form is
// the lower form of a character with C1_UPPER, the upper form of one with C1_LOWER and the
// character itself otherwise. Filled once, read without locking.
template <class TChar, std::size_t ACount>
class TCharTables {
public:
    TCharClasses Classes(TChar AChar) const { return FClasses[Index(AChar)]; }
    TChar Lower(TChar AChar) const { return FLower[Index(AChar)]; }
    TChar Upper(TChar AChar) const { return FUpper[Index(AChar)]; }
    TChar Swapped(TChar AChar) const { return FSwapped[Index(AChar)]; }

protected:
    void Set(TChar AChar, TCharClasses AClasses, TChar ALower, TChar AUpper)
    {
        const std::size_t index = Index(AChar);
        FClasses[index] = AClasses;
        FLower[index] = ALower;
        FUpper[index] = AUpper;
        FSwapped[index] = (AClasses & C1_UPPER) ? ALower : (AClasses & C1_LOWER) ? AUpper : AChar;
    }

private:
    static std::size_t Index(TChar AChar) { return static_cast<std::size_t>(AChar); }

    std::array<TCharClasses, ACount> FClasses{};
    std::array<TChar, ACount> FLower{};
    std::array<TChar, ACount> FUpper{};
    std::array<TChar, ACount> FSwapped{};
};

}  // namespace skelda::editcontrols
