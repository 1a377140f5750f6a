#include "standard/number_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace korvex::standard {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The memory register can hold a double's text in exponent form ("-1E-12": M- on an empty register
// writes very small and very large values so); it is rewritten here as plain digits so the decimal
// type reads it. Returns false when the text is not of that form.
bool ExpandExponent(std::string_view text, std::string& plain) {
  const std::size_t e = text.find_first_of("Ee");
  std::string_view mantissa = text.substr(0, e);
  std::string_view exponent_text = text.substr(e + 1);

  const bool negative = !mantissa.empty() && mantissa.front() == '-';
  if (negative) mantissa.remove_prefix(1);
  std::string digits;
  std::size_t whole_digits = 0;
  bool point = false;
  for (char c : mantissa) {
    if (c == ',') continue;
    if (c == '.' && !point) {
      point = true;
    } else if (IsDigit(c)) {
      digits.push_back(c);
      if (!point) ++whole_digits;
    } else {
      return false;
    }
  }
  if (digits.empty()) return false;

  bool exponent_negative = false;
  if (!exponent_text.empty() && (exponent_text.front() == '+' || exponent_text.front() == '-')) {
    exponent_negative = exponent_text.front() == '-';
    exponent_text.remove_prefix(1);
  }
  if (exponent_text.empty() || exponent_text.size() > 6 ||
      !std::all_of(exponent_text.begin(), exponent_text.end(), IsDigit))
    return false;
  int exponent = 0;
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);
  if (exponent_negative) exponent = -exponent;

  // Beyond these bounds the value is far outside the type either way: a huge integer part stays an
  // overflow and a tiny value rounds to zero, so the padding is capped.
  constexpr long kMaxPadding = 120;
  const long point_at =
      std::clamp(static_cast<long>(whole_digits) + exponent, -kMaxPadding, kMaxPadding);
  plain.clear();
  if (negative) plain.push_back('-');
  if (point_at <= 0) {
    plain.push_back('0');
    plain.push_back('.');
    plain.append(static_cast<std::size_t>(-point_at), '0');
    plain.append(digits);
  } else if (static_cast<std::size_t>(point_at) >= digits.size()) {
    plain.append(digits);
    plain.append(static_cast<std::size_t>(point_at) - digits.size(), '0');
  } else {
    plain.append(digits, 0, static_cast<std::size_t>(point_at));
    plain.push_back('.');
    plain.append(digits, static_cast<std::size_t>(point_at));
  }
  return true;
}

}  // namespace

void RemoveSeparators(std::string_view text, std::string& out) {
  out.clear();
  for (char c : text)
    if (c != ',') out.push_back(c);
}

std::string WithoutSeparators(std::string_view text) {
  std::string out;
  RemoveSeparators(text, out);
  return out;
}

DecimalResult ReadDecimal(std::string_view text) {
  text = Trim(text);
  if (text.find_first_of("Ee") == std::string_view::npos) return Decimal::Parse(text);
  std::string plain;
  if (!ExpandExponent(text, plain)) return {Decimal{}, DecimalError::Invalid};
  return Decimal::Parse(plain);
}

std::optional<double> ReadNumberAsDouble(std::string_view text) {
  const DecimalResult number = ReadDecimal(text);
  if (number.error == DecimalError::Invalid) return std::nullopt;
  std::string plain;
  RemoveSeparators(Trim(text), plain);
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too big for a double, or so small it is zero: the decimal reading tells which.
    const bool negative = plain.front() == '-';
    if (number.error == DecimalError::Overflow)
      return negative ? -std::numeric_limits<double>::infinity()
                      : std::numeric_limits<double>::infinity();
    return negative ? -0.0 : 0.0;
  }
  if (error != std::errc{} || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

}  // namespace korvex::standard
