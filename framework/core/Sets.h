// TSet<E>: a small set of enumeration values (at most 64 elements, ordinal = bit number), the C++ form of
// the framework's set types such as TFontStyles or TComponentState. Published set properties are stored
// in window descriptions as [name, name].
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

template<class E>
class TSet {
    static_assert(std::is_enum_v<E>, "TSet holds enumeration values");

public:
    using TElement = E;

    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> Elements) {
        for (E Element : Elements)
            Include(Element);
    }

    static constexpr TSet FromBits(std::uint64_t Bits) {
        TSet Result;
        Result.FBits = Bits;
        return Result;
    }
    constexpr std::uint64_t Bits() const { return FBits; }

    constexpr bool Contains(E Element) const { return (FBits & Bit(Element)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet& Include(E Element) {
        FBits |= Bit(Element);
        return *this;
    }
    constexpr TSet& Exclude(E Element) {
        FBits &= ~Bit(Element);
        return *this;
    }

    constexpr TSet operator|(TSet Other) const { return FromBits(FBits | Other.FBits); }  // union
    constexpr TSet operator&(TSet Other) const { return FromBits(FBits & Other.FBits); }  // intersection
    constexpr TSet operator-(TSet Other) const { return FromBits(FBits & ~Other.FBits); } // difference
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr std::uint64_t Bit(E Element) { return std::uint64_t{1} << static_cast<unsigned>(Element); }

    std::uint64_t FBits = 0;
};

// Recognises TSet<E> in templates (the property publisher treats such getters as set properties).
template<class T>
inline constexpr bool IsTSet = false;
template<class E>
inline constexpr bool IsTSet<TSet<E>> = true;
