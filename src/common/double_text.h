#pragma once

#include <string>
#include <string_view>

namespace korvex {

/// A finite double rounded to a number of significant digits, as d.ddd × 10^exponent.
struct SignificantDigits {
  bool negative = false;
  std::string digits;  ///< exactly the requested count, the first one nonzero unless the value is 0
  int exponent = 0;    ///< decimal exponent of the first digit
};

/// The double rounded to `count` significant digits (nearest), whatever the process locale.
SignificantDigits ToSignificantDigits(double value, int count);

/// The double nearest to a decimal text ("12.5", "-1e-3"), whatever the process locale; the text
/// must be a number in full.
double ReadDouble(std::string_view text);

}  // namespace korvex
