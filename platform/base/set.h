#pragma once
// A small set over an enumeration, the stand-in for the class library's set types
// (TFontStyles, TShiftState, ...). Values must lie in 0..63.

#include <cstdint>
#include <initializer_list>

template <typename E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> Items) {
    for (E e : Items) FBits |= Bit(e);
  }

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
  constexpr uint64_t Bits() const { return FBits; }
  static constexpr TSet FromBits(uint64_t Bits) {
    TSet s;
    s.FBits = Bits;
    return s;
  }

  constexpr TSet operator+(TSet O) const { return FromBits(FBits | O.FBits); }
  constexpr TSet operator-(TSet O) const { return FromBits(FBits & ~O.FBits); }
  constexpr TSet operator*(TSet O) const { return FromBits(FBits & O.FBits); }
  constexpr TSet operator+(E Element) const { return FromBits(FBits | Bit(Element)); }
  constexpr TSet operator-(E Element) const { return FromBits(FBits & ~Bit(Element)); }
  constexpr TSet& operator+=(TSet O) { return *this = *this + O; }
  constexpr TSet& operator-=(TSet O) { return *this = *this - O; }
  constexpr TSet& operator*=(TSet O) { return *this = *this * O; }
  constexpr TSet& operator+=(E Element) { return Include(Element); }
  constexpr TSet& operator-=(E Element) { return Exclude(Element); }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr uint64_t Bit(E Element) { return uint64_t{1} << static_cast<unsigned>(Element); }
  uint64_t FBits = 0;
};
