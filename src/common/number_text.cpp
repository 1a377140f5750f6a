#include "number_text.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "common/double_text.h"

namespace korvex {

std::string FormatNumberText(double value) {
  if (!std::isfinite(value)) return {};
  if (value == 0) return "0";  // also -0, which shows as plain 0

  // Rounding to 15 significant digits first gives the exponent after that rounding, so
  // 999999999999999.9 becomes 1.00000000000000E+15 and is written in the E form.
  SignificantDigits sig = ToSignificantDigits(value, 15);
  const bool negative = sig.negative;
  const int exponent = sig.exponent;
  std::string& digits = sig.digits;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= -4 && exponent <= 14) {
    if (exponent < 0) {
      out += "0.";
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += digits;
    } else {
      const auto whole = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= whole) {
        out += digits;
        out.append(whole - digits.size(), '0');
      } else {
        out.append(digits, 0, whole);
        out += '.';
        out.append(digits, whole);
      }
    }
    return out;
  }
  out += digits.front();
  if (digits.size() > 1) {
    out += '.';
    out.append(digits, 1);
  }
  out += exponent < 0 ? "E-" : "E+";
  const std::string exp = std::to_string(std::abs(exponent));
  if (exp.size() < 2) out += '0';
  out += exp;
  return out;
}

}  // namespace korvex
