#pragma once
// TSet<E>: the class library's set of enumeration members, as one 64-bit word. E is a
// plain enum whose members have the ordinals 0 to 63; a member outside that range is a
// programming error and fails the Assert.

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <type_traits>

#include "platform/base/Exceptions.h"

template <typename E>
requires std::is_enum_v<E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> AMembers) {
    for (E Member : AMembers) Include(Member);
  }

  constexpr void Include(E AMember) { FBits |= Bit(AMember); }
  constexpr void Exclude(E AMember) { FBits &= ~Bit(AMember); }
  constexpr bool Contains(E AMember) const { return (FBits & Bit(AMember)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }

  // Union, difference and intersection, as + - * of the class library.
  friend constexpr TSet operator+(TSet A, TSet B) { return FromBits(A.FBits | B.FBits); }
  friend constexpr TSet operator-(TSet A, TSet B) { return FromBits(A.FBits & ~B.FBits); }
  friend constexpr TSet operator*(TSet A, TSet B) { return FromBits(A.FBits & B.FBits); }
  friend constexpr bool operator==(TSet A, TSet B) = default;

  // Walks the members in ordinal order.
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = E;
    using difference_type = std::ptrdiff_t;
    using pointer = const E*;
    using reference = E;

    constexpr Iterator() = default;
    constexpr explicit Iterator(uint64_t ARemaining) : FRemaining(ARemaining) {}
    constexpr E operator*() const { return static_cast<E>(std::countr_zero(FRemaining)); }
    constexpr Iterator& operator++() {
      FRemaining &= FRemaining - 1;  // drops the lowest member
      return *this;
    }
    constexpr Iterator operator++(int) {
      Iterator Old = *this;
      ++*this;
      return Old;
    }
    friend constexpr bool operator==(Iterator A, Iterator B) = default;

   private:
    uint64_t FRemaining = 0;
  };
  constexpr Iterator begin() const { return Iterator(FBits); }
  constexpr Iterator end() const { return Iterator(0); }

 private:
  static constexpr TSet FromBits(uint64_t ABits) {
    TSet Result;
    Result.FBits = ABits;
    return Result;
  }
  static constexpr uint64_t Bit(E AMember) {
    // A negative ordinal wraps to a huge value, so one comparison checks both ends.
    auto Ordinal = static_cast<unsigned long long>(AMember);
    if (!std::is_constant_evaluated()) Assert(Ordinal < 64);
    return uint64_t{1} << Ordinal;
  }

  uint64_t FBits = 0;
};
