#include "number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace korvex {

std::string FormatNumberText(double value) {
  if (!std::isfinite(value)) return {};
  if (value == 0) return "0";  // also -0, which shows as plain 0

  // "%.14e" rounds to 15 significant digits and gives the exponent after that rounding,
  // so 999999999999999.9 becomes 1.00000000000000e+15 and is written in the E form.
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", value);
  std::string_view text(buf);
  const bool negative = text.front() == '-';
  if (negative) text.remove_prefix(1);
  const std::size_t e = text.find('e');
  const int exponent = std::atoi(text.data() + e + 1);

  std::string digits;
  digits.reserve(15);
  for (char c : text.substr(0, e))
    if (c != '.') digits.push_back(c);
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
  char exp[16];
  std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  out += exp;
  return out;
}

}  // namespace korvex
