#pragma once

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

/// A 256-bit unsigned integer, wide enough for every exact intermediate of the decimal value.
struct Wide {
  u64 limb[4] = {0, 0, 0, 0};  // least significant first

  static Wide From(u128 v) {
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

  /// this × m; the caller keeps the product below 2^256.
  void MultiplyBy(u64 m) {
    u64 carry = 0;
    for (u64& l : limb) {
      const u128 p = static_cast<u128>(l) * m + carry;
      l = static_cast<u64>(p);
      carry = static_cast<u64>(p >> 64);
    }
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

  /// this ÷ d in place; returns the remainder.
  u64 DivideBy(u64 d) {
    u64 rem = 0;
    for (int i = 3; i >= 0; --i) limb[i] = DivideWide(rem, limb[i], d, &rem);
    return rem;
  }

  friend int Compare(const Wide& a, const Wide& b) {
    for (int i = 3; i >= 0; --i)
      if (a.limb[i] != b.limb[i]) return a.limb[i] < b.limb[i] ? -1 : 1;
    return 0;
  }
};

/// a × b in full.
inline Wide MultiplyFull(u128 a, u128 b) {
  const u64 a0 = static_cast<u64>(a), a1 = static_cast<u64>(a >> 64);
  const u64 b0 = static_cast<u64>(b), b1 = static_cast<u64>(b >> 64);
  const u128 p00 = static_cast<u128>(a0) * b0;
  const u128 p01 = static_cast<u128>(a0) * b1;
  const u128 p10 = static_cast<u128>(a1) * b0;
  const u128 p11 = static_cast<u128>(a1) * b1;
  Wide w = Wide::From(p00);
  Wide mid = Wide::From(p01);
  mid.Add(Wide::From(p10));
  // shift mid left by 64 bits
  Wide shifted;
  shifted.limb[1] = mid.limb[0];
  shifted.limb[2] = mid.limb[1];
  shifted.limb[3] = mid.limb[2];
  w.Add(shifted);
  Wide high;
  high.limb[2] = static_cast<u64>(p11);
  high.limb[3] = static_cast<u64>(p11 >> 64);
  w.Add(high);
  return w;
}

/// Ten to the power n, for n from 0 to 19.
inline u64 PowerOfTen(int n) {
  static constexpr u64 kPowers[20] = {1ULL,
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
  return kPowers[n];
}

}  // namespace korvex::detail
