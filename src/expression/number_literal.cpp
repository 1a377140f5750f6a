#include "expression/number_literal.h"

#include <charconv>
#include <cstdint>

namespace korvex::expression {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t DigitRun(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - from;
}

// The power of ten of the literal's leading significant digit, plus one; saturated, because only
// its sign matters: it tells a literal too large for a double from one too small to tell from 0.
std::int64_t Magnitude(std::string_view literal) {
  constexpr std::int64_t kLimit = 1'000'000'000;
  std::int64_t digits_before_point = 0;  // significant ones
  std::int64_t zeros_after_point = 0;    // before the first significant digit
  bool after_point = false;
  bool significant = false;
  std::size_t i = 0;
  for (; i < literal.size() && literal[i] != 'e' && literal[i] != 'E'; ++i) {
    const char c = literal[i];
    if (c == '.') {
      after_point = true;
    } else if (!significant && c == '0') {
      if (after_point && zeros_after_point < kLimit) ++zeros_after_point;
    } else {
      significant = true;
      if (after_point) break;
      if (digits_before_point < kLimit) ++digits_before_point;
    }
  }
  while (i < literal.size() && literal[i] != 'e' && literal[i] != 'E') ++i;
  std::int64_t exponent = 0;
  if (i < literal.size()) {
    ++i;
    const bool negative = i < literal.size() && literal[i] == '-';
    if (i < literal.size() && (literal[i] == '-' || literal[i] == '+')) ++i;
    for (; i < literal.size(); ++i)
      if (exponent < kLimit) exponent = exponent * 10 + (literal[i] - '0');
    if (negative) exponent = -exponent;
  }
  return (digits_before_point > 0 ? digits_before_point : -zeros_after_point) + exponent;
}

}  // namespace

std::size_t NumberLiteralLength(std::string_view text) {
  std::size_t end = DigitRun(text, 0);
  std::size_t digits = end;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fraction = DigitRun(text, end + 1);
    digits += fraction;
    end += 1 + fraction;
  }
  if (digits == 0) return 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t sign = end + 1;
    if (sign < text.size() && (text[sign] == '+' || text[sign] == '-')) ++sign;
    const std::size_t exponent = DigitRun(text, sign);
    // "2e" or "2e+" is the number 2 followed by something else, never half an exponent.
    if (exponent > 0) end = sign + exponent;
  }
  return end;
}

EvalResult NumberLiteralValue(std::string_view literal) {
  // from_chars would also read "inf" and "nan", which are no numbers here.
  if (literal.empty() || NumberLiteralLength(literal) != literal.size())
    return Fail(EvalError::Syntax);
  double value = 0;
  // from_chars ignores the process's locale, which a GUI toolkit may have set to one with ",".
  const auto [ptr, ec] = std::from_chars(literal.data(), literal.data() + literal.size(), value);
  if (ec == std::errc::result_out_of_range)
    return Magnitude(literal) > 0 ? Fail(EvalError::Overflow) : EvalResult{0.0};
  if (ec != std::errc{} || ptr != literal.data() + literal.size()) return Fail(EvalError::Syntax);
  return {value};
}

}  // namespace korvex::expression
