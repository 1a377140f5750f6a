#include "double_text.h"

#include <charconv>
#include <cmath>

namespace korvex {

// to_chars and from_chars never look at the locale: the program runs under the user's locale
// (Qt sets it at start), where printf and strtod may take "," for the decimal point.

SignificantDigits ToSignificantDigits(double value, int count) {
  SignificantDigits out;
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, count - 1);
  std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  if (!text.empty() && text.front() == '-') {
    out.negative = true;
    text.remove_prefix(1);
  }
  const std::size_t e = text.find('e');
  for (char c : text.substr(0, e))
    if (c != '.') out.digits.push_back(c);
  std::string_view exp = text.substr(e + 1);
  if (!exp.empty() && exp.front() == '+') exp.remove_prefix(1);
  std::from_chars(exp.data(), exp.data() + exp.size(), out.exponent);
  return out;
}

double ReadDouble(std::string_view text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace korvex
