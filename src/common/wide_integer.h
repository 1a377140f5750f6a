#pragma once

#include <array>
#include <cstdint>

#include "common/uint128.h"

namespace korvex::detail {

using u64 = std::uint64_t;
using u128 = korvex::uint128;

/// (hi·2^64 + lo) ÷ d for hi < d: the quotient, and the remainder in `rem`.
inline u64 DivideWide(u64 hi, u64 lo, u64 d, u64* rem) {
#if defined(__x86_64__)
  // One divq instead of the library's general 128-bit division: the decimal operations spend
  // most of their time here.
  u64 q;
  u64 r;
  __asm__("divq %4" : "=a"(q), "=d"(r) : "a"(lo), "d"(hi), "rm"(d));
  *rem = r;
  return q;
#else
  const u128 n = (static_cast<u128>(hi) << 64) | lo;
  *rem = static_cast<u64>(n % d);
  return static_cast<u64>(n / d);
#endif
}

/// A fixed divisor prepared for division by multiplication with its reciprocal (the method of
/// Möller and Granlund): a few multiplications instead of one slow divq per word.
struct InvariantDivisor {
  u64 normalized = 0;  // divisor << shift, top bit set
  u64 reciprocal = 0;  // floor((2^128 - 1) / normalized) - 2^64
  int shift = 0;
};

constexpr InvariantDivisor MakeInvariantDivisor(u64 divisor) {
  InvariantDivisor inv;
  inv.shift = __builtin_clzll(divisor);
  inv.normalized = divisor << inv.shift;
  inv.reciprocal = static_cast<u64>(~static_cast<u128>(0) / inv.normalized);
  return inv;
}

/// (hi·2^64 + lo) ÷ normalized for hi < normalized: the quotient, and the remainder in `rem`.
inline u64 DivideWide(u64 hi, u64 lo, const InvariantDivisor& inv, u64* rem) {
  const u128 p = static_cast<u128>(inv.reciprocal) * hi + ((static_cast<u128>(hi) << 64) | lo);
  u64 q = static_cast<u64>(p >> 64) + 1;
  u64 r = lo - q * inv.normalized;
  if (r > static_cast<u64>(p)) {
    --q;
    r += inv.normalized;
  }
  if (r >= inv.normalized) {
    ++q;
    r -= inv.normalized;
  }
  *rem = r;
  return q;
}

/// A 256-bit unsigned integer, wide enough for every exact intermediate of the decimal value.
struct Wide {
  u64 limb[4] = {0, 0, 0, 0};  // least significant first

  static constexpr Wide From(u128 v) {
    Wide w;
    w.limb[0] = static_cast<u64>(v);
    w.limb[1] = static_cast<u64>(v >> 64);
    return w;
  }

  bool IsZero() const { return (limb[0] | limb[1] | limb[2] | limb[3]) == 0; }
  bool FitsIn128() const { return (limb[2] | limb[3]) == 0; }
  u128 Low128() const { return (static_cast<u128>(limb[1]) << 64) | limb[0]; }

  int BitLength() const {
    for (int i = 3; i >= 0; --i)
      if (limb[i] != 0) return i * 64 + 64 - __builtin_clzll(limb[i]);
    return 0;
  }

  /// this × m; returns what spills over 2^256 (0 when the product fits).
  constexpr u64 MultiplyBy(u64 m) {
    u64 carry = 0;
    for (u64& l : limb) {
      const u128 p = static_cast<u128>(l) * m + carry;
      l = static_cast<u64>(p);
      carry = static_cast<u64>(p >> 64);
    }
    return carry;
  }

  /// this + 1; the caller keeps the sum below 2^256.
  void Increment() {
    for (u64& l : limb)
      if (++l != 0) break;
  }

  /// Index of the highest nonzero limb, 0 for zero.
  int TopLimb() const {
    int top = 3;
    while (top > 0 && limb[top] == 0) --top;
    return top;
  }

  /// this + a; the caller keeps the sum below 2^256.
  void Add(const Wide& a) {
    u64 carry = 0;
    for (int i = 0; i < 4; ++i) {
      const u128 s = static_cast<u128>(limb[i]) + a.limb[i] + carry;
      limb[i] = static_cast<u64>(s);
      carry = static_cast<u64>(s >> 64);
    }
  }

  /// this - a for a <= this.
  void Subtract(const Wide& a) {
    u64 borrow = 0;
    for (int i = 0; i < 4; ++i) {
      const u128 d = static_cast<u128>(limb[i]) - a.limb[i] - borrow;
      limb[i] = static_cast<u64>(d);
      borrow = static_cast<u64>(d >> 64) & 1;
    }
  }

  /// this ÷ the divisor in place, through its reciprocal; returns the remainder.
  u64 DivideBy(const InvariantDivisor& inv);

  friend constexpr int Compare(const Wide& a, const Wide& b) {
    for (int i = 3; i >= 0; --i)
      if (a.limb[i] != b.limb[i]) return a.limb[i] < b.limb[i] ? -1 : 1;
    return 0;
  }
};

inline u64 Wide::DivideBy(const InvariantDivisor& inv) {
  const int top = TopLimb();
  const int s = inv.shift;
  u64 rem = 0;
  if (s == 0) {
    for (int i = top; i >= 0; --i) limb[i] = DivideWide(rem, limb[i], inv, &rem);
    return rem;
  }
  // Divide this·2^s by divisor·2^s: the same quotient, the remainder shifted.
  rem = limb[top] >> (64 - s);
  for (int i = top; i > 0; --i)
    limb[i] = DivideWide(rem, (limb[i] << s) | (limb[i - 1] >> (64 - s)), inv, &rem);
  limb[0] = DivideWide(rem, limb[0] << s, inv, &rem);
  return rem >> s;
}

/// a × b in full, for a and b below 2^96 (so the product stays below 2^192).
inline Wide MultiplyFull(u128 a, u128 b) {
  const u64 a0 = static_cast<u64>(a), a1 = static_cast<u64>(a >> 64);
  const u64 b0 = static_cast<u64>(b), b1 = static_cast<u64>(b >> 64);
  const u128 p00 = static_cast<u128>(a0) * b0;
  const u128 p01 = static_cast<u128>(a0) * b1;
  const u128 p10 = static_cast<u128>(a1) * b0;
  const u64 p11 = a1 * b1;  // both below 2^32
  const u128 mid = (p00 >> 64) + static_cast<u64>(p01) + static_cast<u64>(p10);
  Wide w;
  w.limb[0] = static_cast<u64>(p00);
  w.limb[1] = static_cast<u64>(mid);
  w.limb[2] =
      static_cast<u64>(mid >> 64) + static_cast<u64>(p01 >> 64) + static_cast<u64>(p10 >> 64) + p11;
  return w;
}

/// Ten to the powers 0 to 19.
inline constexpr u64 kPowersOfTen[20] = {1ULL,
                                         10ULL,
                                         100ULL,
                                         1000ULL,
                                         10000ULL,
                                         100000ULL,
                                         1000000ULL,
                                         10000000ULL,
                                         100000000ULL,
                                         1000000000ULL,
                                         10000000000ULL,
                                         100000000000ULL,
                                         1000000000000ULL,
                                         10000000000000ULL,
                                         100000000000000ULL,
                                         1000000000000000ULL,
                                         10000000000000000ULL,
                                         100000000000000000ULL,
                                         1000000000000000000ULL,
                                         10000000000000000000ULL};

/// Ten to the power n, for n from 0 to 19.
constexpr u64 PowerOfTen(int n) { return kPowersOfTen[n]; }

/// Ten to the power n (1..19) prepared for division.
inline const InvariantDivisor& PowerOfTenDivisor(int n) {
  static constexpr auto kDivisors = [] {
    std::array<InvariantDivisor, 20> table{};
    u64 p = 1;
    for (int i = 1; i < 20; ++i) {
      p *= 10;
      table[i] = MakeInvariantDivisor(p);
    }
    return table;
  }();
  return kDivisors[n];
}

}  // namespace korvex::detail
