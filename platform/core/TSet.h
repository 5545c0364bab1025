#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace plat {

// A set of the values of a small enumeration (at most 64 values, from 0), like the widget
// library's "set of": TSet<TComponentStateItem>{csLoading, csDesigning}.
template <typename E>
class TSet {
    static_assert(std::is_enum_v<E>);

public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items)
    {
        for (E item : items)
            Include(item);
    }

    constexpr bool Contains(E item) const { return (FBits & Bit(item)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet& Include(E item)
    {
        FBits |= Bit(item);
        return *this;
    }
    constexpr TSet& Exclude(E item)
    {
        FBits &= ~Bit(item);
        return *this;
    }

    friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.FBits | b.FBits); }
    friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.FBits & ~b.FBits); }
    friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.FBits & b.FBits); }
    friend constexpr bool operator==(TSet a, TSet b) = default;

private:
    static constexpr std::uint64_t Bit(E item) { return std::uint64_t{1} << static_cast<unsigned>(item); }
    static constexpr TSet FromBits(std::uint64_t bits)
    {
        TSet set;
        set.FBits = bits;
        return set;
    }

    std::uint64_t FBits = 0;
};

}  // namespace plat
