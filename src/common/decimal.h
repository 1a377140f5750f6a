#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/uint128.h"

namespace korvex {

/// Why a decimal operation gave no value.
enum class DecimalError : std::uint8_t { None, Invalid, Overflow, DivideByZero };

class Decimal;

/// A decimal value or the reason there is none; the caller must look at `error` first.
struct DecimalResult;

/// Signed decimal number: a 96-bit unsigned coefficient divided by ten to the power of a scale
/// 0..28.
class Decimal {
 public:
  /// Largest coefficient, 2^96 - 1.
  static constexpr uint128 kMaxCoefficient = (static_cast<uint128>(1) << 96) - 1;
  /// Largest scale.
  static constexpr int kMaxScale = 28;

  /// Zero.
  constexpr Decimal() = default;

  /// Builds a value from its parts; the coefficient must not exceed kMaxCoefficient, the scale 28.
  static Decimal FromParts(uint128 coefficient, int scale, bool negative);
  /// Reads "[-]digits[.digits]" after removing every ","; too many decimals are rounded to fit.
  static DecimalResult Parse(std::string_view text);
  /// The double rounded to 15 significant digits, then to what the type holds.
  static DecimalResult FromDouble(double value);

  /// Shortest text: optional "-", digits, "." only when digits follow, no trailing zeros.
  std::string ToString() const;
  /// The nearest double.
  double ToDouble() const;

  /// Rounded to `places` decimals (0..28), ties to even.
  Decimal RoundToPlaces(int places) const;
  /// True when the value is zero.
  bool IsZero() const { return coefficient_ == 0; }
  /// True when the value is below zero.
  bool IsNegative() const { return negative_; }

  uint128 coefficient() const { return coefficient_; }
  int scale() const { return scale_; }

  friend DecimalResult Add(const Decimal& a, const Decimal& b);
  friend DecimalResult Subtract(const Decimal& a, const Decimal& b);
  friend DecimalResult Multiply(const Decimal& a, const Decimal& b);
  friend DecimalResult Divide(const Decimal& a, const Decimal& b);

  /// Numeric comparison: 1.50 equals 1.5.
  friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
  friend bool operator==(const Decimal& a, const Decimal& b) {
    return (a <=> b) == std::strong_ordering::equal;
  }

 private:
  uint128 coefficient_ = 0;
  std::uint8_t scale_ = 0;
  bool negative_ = false;
};

inline Decimal Decimal::FromParts(uint128 coefficient, int scale, bool negative) {
  Decimal d;
  d.coefficient_ = coefficient;
  d.scale_ = static_cast<std::uint8_t>(scale);
  d.negative_ = negative && coefficient != 0;
  return d;
}

struct DecimalResult {
  Decimal value;
  DecimalError error = DecimalError::None;

  bool ok() const { return error == DecimalError::None; }
};

/// a + b, rounded to what the type holds (ties to even), or Overflow.
DecimalResult Add(const Decimal& a, const Decimal& b);
/// a - b, rounded to what the type holds (ties to even), or Overflow.
DecimalResult Subtract(const Decimal& a, const Decimal& b);
/// a × b, rounded to what the type holds (ties to even), or Overflow.
DecimalResult Multiply(const Decimal& a, const Decimal& b);
/// a ÷ b with as many decimals as the type holds (ties to even), DivideByZero or Overflow.
DecimalResult Divide(const Decimal& a, const Decimal& b);

}  // namespace korvex
