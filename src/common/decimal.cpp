#include "decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "wide_integer.h"

namespace korvex {

using detail::DivideWide;
using detail::PowerOfTen;
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
  if (k > 78) return Wide{};  // 10^78 exceeds every 256-bit value: the quotient and digit are 0
  std::int64_t rest = k - 1;
  while (rest > 0) {
    const int step = static_cast<int>(std::min<std::int64_t>(rest, 19));
    sticky |= v.DivideBy(PowerOfTen(step)) != 0;
    rest -= step;
  }
  const u64 digit = v.DivideBy(10);
  if (digit > 5 || (digit == 5 && (sticky || (v.limb[0] & 1) != 0))) v.Add(Wide::From(1));
  return v;
}

// Brings an exact (or sticky-marked) result into the type: at most 28 decimals and a 96-bit
// coefficient, dropping as few digits as that needs, or reports an overflow.
DecimalResult Reduce(const Wide& v, std::int64_t scale, bool negative, bool sticky = false) {
  std::int64_t k = std::max<std::int64_t>(0, scale - Decimal::kMaxScale);
  // Every bit beyond 96 needs at least log10(2) of a digit dropped; start just below that.
  const int excess = v.BitLength() - 96;
  if (excess > 0) k = std::max<std::int64_t>(k, excess * 30103LL / 100000LL);
  for (;; ++k) {
    if (k > scale) return {Decimal{}, DecimalError::Overflow};
    const Wide q = k == 0 ? v : DivideByPowerOfTenRounded(v, k, sticky);
    if (q.FitsIn128() && q.Low128() <= kMax)
      return {Decimal::FromParts(q.Low128(), static_cast<int>(scale - k), negative),
              DecimalError::None};
  }
}

DecimalResult AddSigned(const Decimal& a, const Decimal& b, bool negate_b) {
  const bool neg_a = a.IsNegative();
  const bool neg_b = b.IsNegative() != negate_b;
  const int scale = std::max(a.scale(), b.scale());
  const int up_a = scale - a.scale();
  const int up_b = scale - b.scale();

  // Short operands: both aligned coefficients stay below 2^127, so 128 bits hold them exactly.
  if (up_a <= 9 && up_b <= 9) {
    const u128 x = a.coefficient() * PowerOfTen(up_a);
    const u128 y = b.coefficient() * PowerOfTen(up_b);
    if (neg_a == neg_b) {
      const u128 sum = x + y;
      if (sum <= kMax) return {Decimal::FromParts(sum, scale, neg_a), DecimalError::None};
      return Reduce(Wide::From(sum), scale, neg_a);
    }
    const bool a_larger = x >= y;
    const u128 difference = a_larger ? x - y : y - x;
    const bool negative = a_larger ? neg_a : neg_b;
    if (difference <= kMax)
      return {Decimal::FromParts(difference, scale, negative), DecimalError::None};
    return Reduce(Wide::From(difference), scale, negative);
  }

  Wide x = ScaleUp(a.coefficient(), up_a);
  Wide y = ScaleUp(b.coefficient(), up_b);
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
      chunk = w.DivideBy(PowerOfTen(19));
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

Decimal Decimal::FromParts(uint128 coefficient, int scale, bool negative) {
  Decimal d;
  d.coefficient_ = coefficient;
  d.scale_ = static_cast<std::uint8_t>(scale);
  d.negative_ = negative && coefficient != 0;
  return d;
}

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
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  u64 digits = 0;
  const char* p = buf;
  for (; *p != 'e'; ++p)
    if (*p != '.') digits = digits * 10 + static_cast<u64>(*p - '0');
  const int exponent = std::atoi(p + 1);
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

double Decimal::ToDouble() const { return std::strtod(ToString().c_str(), nullptr); }

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
  if ((a.coefficient_ >> 64) == 0 && (b.coefficient_ >> 64) == 0) {
    const u128 p = a.coefficient_ * b.coefficient_;
    if (p <= kMax && scale <= Decimal::kMaxScale)
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

  u128 q = a.coefficient_ / divisor;
  u128 r = a.coefficient_ % divisor;
  int fraction = 0;
  const bool small_divisor = (divisor >> 64) == 0;

  // The next k digits of r ÷ divisor (r < divisor) and the new remainder.
  auto next_digits = [&](int k, u128& rem) -> u64 {
    const u128 t = rem * PowerOfTen(k);  // rem < 2^96, 10^k <= 10^9: below 2^126
    if (small_divisor) {
      u64 r64;
      const u64 c = DivideWide(static_cast<u64>(t >> 64), static_cast<u64>(t),
                               static_cast<u64>(divisor), &r64);
      rem = r64;
      return c;
    }
    rem = t % divisor;
    return static_cast<u64>(t / divisor);
  };

  bool full = false;  // the coefficient holds as many digits as fit
  while (fraction < max_fraction && (r != 0 || fraction < shift)) {
    const int k = std::min(9, max_fraction - fraction);
    const u64 pow = PowerOfTen(k);
    if (q * pow + (pow - 1) <= kMax) {
      q = q * pow + next_digits(k, r);
      fraction += k;
      continue;
    }
    // Near the top of the coefficient: one digit at a time, stopping before it would overflow.
    u128 trial = r;
    const u64 digit = next_digits(1, trial);
    if (q * 10 + digit > kMax) {
      full = true;
      break;
    }
    q = q * 10 + digit;
    r = trial;
    ++fraction;
  }
  if (fraction < shift) return {Decimal{}, DecimalError::Overflow};
  if (r == 0 && !full)
    return {Decimal::FromParts(q, fraction - shift, negative), DecimalError::None};

  // Round on the next digit and whatever remains after it.
  u128 rest = r;
  const u64 digit = next_digits(1, rest);
  const bool sticky = rest != 0;
  if (digit > 5 || (digit == 5 && (sticky || (q & 1) != 0))) {
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
