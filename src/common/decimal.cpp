#include "decimal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/double_text.h"
#include "wide_integer.h"

namespace korvex {

using detail::DivideWide;
using detail::PowerOfTen;
using detail::PowerOfTenDivisor;
using detail::u128;
using detail::u64;
using detail::Wide;

namespace {

constexpr u128 kMax = Decimal::kMaxCoefficient;

// Multiplies a 96-bit coefficient by 10^n (n <= 28) exactly.
Wide ScaleUp(u128 coefficient, int n) {
  Wide w = Wide::From(coefficient);
  while (n > 0) {
    const int step = std::min(n, 19);
    w.MultiplyBy(PowerOfTen(step));
    n -= step;
  }
  return w;
}

// v ÷ 10^k rounded to nearest, ties to even; `sticky` says digits below v that were already
// dropped held something other than zeros.
Wide DivideByPowerOfTenRounded(Wide v, std::int64_t k, bool sticky) {
  if (k <= 0) return v;
  if (k > 78) return Wide{};  // every 256-bit value is below 10^78 / 2: the quotient rounds to 0
  while (k > 19) {
    sticky |= v.DivideBy(PowerOfTenDivisor(19)) != 0;
    k -= 19;
  }
  const u64 rem = v.DivideBy(PowerOfTenDivisor(static_cast<int>(k)));
  const u64 half = PowerOfTen(static_cast<int>(k)) / 2;
  if (rem > half || (rem == half && (sticky || (v.limb[0] & 1) != 0))) v.Increment();
  return v;
}

// True when v ÷ 10^k, rounded, still fits the coefficient: v < (2^96 - 1/2)·10^k, since the
// largest coefficient is odd and a tie above it would round up out of range.
bool FitsAfterDropping(const Wide& v, std::int64_t k) {
  if (k == 0) return v.FitsIn128() && v.Low128() <= kMax;
  // The bounds (2^97 - 1)·5·10^(k-1) for every k whose bound is still below 2^256.
  static constexpr int kBounds = 48;
  static constexpr auto kBound = [] {
    std::array<Wide, kBounds + 1> bound{};
    Wide b = Wide::From((static_cast<u128>(1) << 97) - 1);
    b.MultiplyBy(5);
    for (int i = 1; i <= kBounds; ++i) {
      bound[i] = b;
      b.MultiplyBy(10);
    }
    return bound;
  }();
  return k > kBounds || Compare(v, kBound[k]) < 0;
}

// Brings an exact (or sticky-marked) result into the type: at most 28 decimals and a 96-bit
// coefficient, dropping as few digits as that needs, or reports an overflow.
[[gnu::noinline]] DecimalResult Reduce(const Wide& v, std::int64_t scale, bool negative,
                                       bool sticky = false) {
  std::int64_t k = std::max<std::int64_t>(0, scale - Decimal::kMaxScale);
  // Every bit beyond 96 needs at least log10(2) of a digit dropped; this starts at most one short.
  const int excess = v.BitLength() - 96;
  if (excess > 0) k = std::max<std::int64_t>(k, excess * 30103LL / 100000LL);
  while (!FitsAfterDropping(v, k)) ++k;
  if (k > scale) return {Decimal{}, DecimalError::Overflow};
  const Wide q = DivideByPowerOfTenRounded(v, k, sticky);
  return {Decimal::FromParts(q.Low128(), static_cast<int>(scale - k), negative),
          DecimalError::None};
}

// Operands whose alignment needs more than 128 bits: exact in 256 bits, then rounded.
[[gnu::noinline]] DecimalResult AddWide(const Decimal& a, bool neg_a, const Decimal& b,
                                        bool neg_b) {
  const int scale = std::max(a.scale(), b.scale());
  Wide x = ScaleUp(a.coefficient(), scale - a.scale());
  Wide y = ScaleUp(b.coefficient(), scale - b.scale());
  if (neg_a == neg_b) {
    x.Add(y);
    return Reduce(x, scale, neg_a);
  }
  if (Compare(x, y) >= 0) {
    x.Subtract(y);
    return Reduce(x, scale, neg_a);
  }
  y.Subtract(x);
  return Reduce(y, scale, neg_b);
}

// Kept small so that the usual case, short operands, runs without the wide machinery.
inline DecimalResult AddSigned(const Decimal& a, const Decimal& b, bool negate_b) {
  const bool neg_a = a.IsNegative();
  const bool neg_b = b.IsNegative() != negate_b;
  const int scale = std::max(a.scale(), b.scale());
  const int up_a = scale - a.scale();
  const int up_b = scale - b.scale();
  // Both aligned coefficients stay below 2^127, so 128 bits hold them and their sum exactly.
  if (up_a > 9 || up_b > 9) [[unlikely]]
    return AddWide(a, neg_a, b, neg_b);
  const u128 x = up_a == 0 ? a.coefficient() : a.coefficient() * PowerOfTen(up_a);
  const u128 y = up_b == 0 ? b.coefficient() : b.coefficient() * PowerOfTen(up_b);
  u128 result;
  bool negative;
  if (neg_a == neg_b) {
    result = x + y;
    negative = neg_a;
  } else if (x >= y) {
    result = x - y;
    negative = neg_a;
  } else {
    result = y - x;
    negative = neg_b;
  }
  if (result <= kMax) [[likely]]
    return {Decimal::FromParts(result, scale, negative), DecimalError::None};
  return Reduce(Wide::From(result), scale, negative);
}

// The decimal digits of a coefficient, "0" for zero.
std::string CoefficientDigits(u128 c) {
  char buf[48];
  char* end = buf + sizeof buf;
  char* p = end;
  do {
    u64 chunk;
    if (c >> 64 != 0) {
      // Peel 19 digits with two word divisions.
      Wide w = Wide::From(c);
      chunk = w.DivideBy(PowerOfTenDivisor(19));
      c = w.Low128();
      for (int i = 0; i < 19; ++i) {
        *--p = static_cast<char>('0' + chunk % 10);
        chunk /= 10;
      }
      continue;
    }
    chunk = static_cast<u64>(c);
    c = 0;
    do {
      *--p = static_cast<char>('0' + chunk % 10);
      chunk /= 10;
    } while (chunk != 0);
  } while (c != 0);
  return std::string(p, end);
}

}  // namespace

DecimalResult Decimal::Parse(std::string_view text) {
  // First check the shape: "-"?, digits, at most one ".", at least one digit; "," anywhere.
  std::size_t pos = 0;
  bool negative = false;
  while (pos < text.size() && text[pos] == ',') ++pos;
  if (pos < text.size() && text[pos] == '-') {
    negative = true;
    ++pos;
  }
  const std::size_t body = pos;
  bool point = false;
  bool any_digit = false;
  for (std::size_t i = body; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      any_digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else if (c != ',') {
      return {Decimal{}, DecimalError::Invalid};
    }
  }
  if (!any_digit) return {Decimal{}, DecimalError::Invalid};

  // Then the value: 76 significant digits fill 256 bits; digits beyond that can only decide the
  // rounding as "something more", and integer digits beyond it are an overflow anyway.
  Wide v;
  int significant = 0;
  std::int64_t scale = 0;
  bool sticky = false;
  bool in_fraction = false;
  for (std::size_t i = body; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ',') continue;
    if (c == '.') {
      in_fraction = true;
      continue;
    }
    const int digit = c - '0';
    if (significant == 0 && digit == 0) {
      if (in_fraction) ++scale;
      continue;
    }
    if (significant < 76) {
      v.MultiplyBy(10);
      v.Add(Wide::From(static_cast<u128>(digit)));
      ++significant;
      if (in_fraction) ++scale;
    } else if (!in_fraction) {
      return {Decimal{}, DecimalError::Overflow};
    } else {
      sticky |= digit != 0;
    }
  }
  return Reduce(v, scale, negative, sticky);
}

DecimalResult Decimal::FromDouble(double value) {
  if (std::isnan(value)) return {Decimal{}, DecimalError::Invalid};
  if (std::isinf(value)) return {Decimal{}, DecimalError::Overflow};
  const SignificantDigits sig = ToSignificantDigits(std::fabs(value), 15);
  u64 digits = 0;
  for (char c : sig.digits) digits = digits * 10 + static_cast<u64>(c - '0');
  const int exponent = sig.exponent;
  int shift = exponent - 14;  // value = digits × 10^shift
  while (digits != 0 && digits % 10 == 0) {
    digits /= 10;
    ++shift;
  }
  const bool negative = std::signbit(value);
  if (shift >= 0) {
    if (shift > 28) return {Decimal{}, DecimalError::Overflow};
    return Reduce(ScaleUp(digits, shift), 0, negative);
  }
  return Reduce(Wide::From(digits), -shift, negative);
}

std::string Decimal::ToString() const {
  if (coefficient_ == 0) return "0";
  std::string digits = CoefficientDigits(coefficient_);
  std::size_t scale = scale_;
  while (scale > 0 && digits.back() == '0') {
    digits.pop_back();
    --scale;
  }
  std::string out = negative_ ? "-" : "";
  if (scale == 0) return out + digits;
  if (digits.size() <= scale) {
    out += "0.";
    out.append(scale - digits.size(), '0');
    return out + digits;
  }
  out.append(digits, 0, digits.size() - scale);
  out += '.';
  out.append(digits, digits.size() - scale);
  return out;
}

double Decimal::ToDouble() const { return ReadDouble(ToString()); }

Decimal Decimal::RoundToPlaces(int places) const {
  places = std::clamp(places, 0, kMaxScale);
  if (scale_ <= places) return *this;
  const Wide q = DivideByPowerOfTenRounded(Wide::From(coefficient_), scale_ - places, false);
  return FromParts(q.Low128(), places, negative_);
}

DecimalResult Add(const Decimal& a, const Decimal& b) { return AddSigned(a, b, false); }

DecimalResult Subtract(const Decimal& a, const Decimal& b) { return AddSigned(a, b, true); }

DecimalResult Multiply(const Decimal& a, const Decimal& b) {
  const bool negative = a.negative_ != b.negative_;
  const int scale = a.scale_ + b.scale_;
  if ((a.coefficient_ >> 64) == 0 && (b.coefficient_ >> 64) == 0) [[likely]] {
    const u128 p = a.coefficient_ * b.coefficient_;
    if (p <= kMax && scale <= Decimal::kMaxScale) [[likely]]
      return {Decimal::FromParts(p, scale, negative), DecimalError::None};
    return Reduce(Wide::From(p), scale, negative);
  }
  return Reduce(detail::MultiplyFull(a.coefficient_, b.coefficient_), scale, negative);
}

DecimalResult Divide(const Decimal& a, const Decimal& b) {
  if (b.coefficient_ == 0) return {Decimal{}, DecimalError::DivideByZero};
  const bool negative = a.negative_ != b.negative_;
  const u128 divisor = b.coefficient_;
  // a ÷ b = (ca ÷ cb) × 10^-shift; with f digits of ca ÷ cb after its point the result's scale is
  // f - shift, which must lie in 0..28.
  const int shift = b.scale_ - a.scale_;
  const int max_fraction = Decimal::kMaxScale + shift;
  const bool small_divisor = (divisor >> 64) == 0;
  // A remainder below a 64-bit divisor takes 19 digits at once in one word division; below a
  // 96-bit divisor, 9 digits keep the product within 128 bits.
  const int max_chunk = small_divisor ? 19 : 9;

  // For a divisor above 64 bits, its top 64 bits give a quotient estimate that is at most a
  // little too large; a multiplication corrects it. Cheaper than a full 128-bit division.
  const int top_shift = small_divisor ? 0 : 64 - __builtin_clzll(static_cast<u64>(divisor >> 64));
  const u64 divisor_top = static_cast<u64>(divisor >> top_shift);
  auto divide_large = [&](u128 t, u128& rem) -> u64 {
    const u128 tt = t >> top_shift;
    u64 unused;
    u64 c = DivideWide(static_cast<u64>(tt >> 64), static_cast<u64>(tt), divisor_top, &unused);
    while (static_cast<u128>(c) * divisor > t) --c;
    rem = t - static_cast<u128>(c) * divisor;
    return c;
  };

  // The next k digits of rem ÷ divisor (rem < divisor), leaving the new remainder in rem.
  auto next_digits = [&](int k, u128& rem) -> u64 {
    const u128 t = rem * PowerOfTen(k);
    if (small_divisor) {
      u64 r64;
      const u64 c = DivideWide(static_cast<u64>(t >> 64), static_cast<u64>(t),
                               static_cast<u64>(divisor), &r64);
      rem = r64;
      return c;
    }
    return divide_large(t, rem);
  };

  u128 q;
  u128 r;
  if (small_divisor) {
    const u64 d = static_cast<u64>(divisor);
    const u64 hi = static_cast<u64>(a.coefficient_ >> 64);
    u64 r_hi;
    u64 r_lo;
    const u64 q_hi = DivideWide(0, hi, d, &r_hi);
    const u64 q_lo = DivideWide(r_hi, static_cast<u64>(a.coefficient_), d, &r_lo);
    q = (static_cast<u128>(q_hi) << 64) | q_lo;
    r = r_lo;
  } else {
    q = divide_large(a.coefficient_, r);  // below 2^32: both are below 2^96
  }

  // q·10^k plus any k digits stays within the coefficient while q < 2^96 / 10^k.
  static constexpr auto kRoom = [] {
    std::array<u128, 20> room{};
    u128 p = 1;
    for (int k = 0; k < 20; ++k, p *= 10) room[k] = (static_cast<u128>(1) << 96) / p;
    return room;
  }();

  int fraction = 0;
  while (fraction < max_fraction && (r != 0 || fraction < shift)) {
    int k = std::min(max_chunk, max_fraction - fraction);
    while (k > 1 && q >= kRoom[k]) --k;
    if (q < kRoom[k]) {
      q = q * PowerOfTen(k) + next_digits(k, r);
      fraction += k;
      continue;
    }
    // At the top of the coefficient: only some values of the next digit still fit.
    u128 trial = r;
    const u64 digit = next_digits(1, trial);
    if (q * 10 + digit > kMax) break;
    q = q * 10 + digit;
    r = trial;
    ++fraction;
  }
  if (fraction < shift) return {Decimal{}, DecimalError::Overflow};

  // What is left is r ÷ divisor of the last place: round on how it compares with one half.
  const u128 twice = r * 2;
  if (twice > divisor || (twice == divisor && (q & 1) != 0)) {
    if (q == kMax) {
      // Rounding up would overflow the coefficient: keep one digit less. The value lies above q,
      // so what is dropped after that digit is more than nothing.
      if (fraction - 1 < shift) return {Decimal{}, DecimalError::Overflow};
      const u64 last = static_cast<u64>(q % 10);
      q /= 10;
      --fraction;
      if (last >= 5) ++q;
    } else {
      ++q;
    }
  }
  return {Decimal::FromParts(q, fraction - shift, negative), DecimalError::None};
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
  const bool neg_a = a.negative_ && a.coefficient_ != 0;
  const bool neg_b = b.negative_ && b.coefficient_ != 0;
  if (a.coefficient_ == 0 && b.coefficient_ == 0) return std::strong_ordering::equal;
  if (neg_a != neg_b) return neg_a ? std::strong_ordering::less : std::strong_ordering::greater;
  const int scale = std::max(a.scale_, b.scale_);
  const int c =
      Compare(ScaleUp(a.coefficient_, scale - a.scale_), ScaleUp(b.coefficient_, scale - b.scale_));
  const int signed_c = neg_a ? -c : c;
  return signed_c < 0   ? std::strong_ordering::less
         : signed_c > 0 ? std::strong_ordering::greater
                        : std::strong_ordering::equal;
}

}  // namespace korvex
