#include "decimal_command.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "common/decimal.h"
#include "common/number_text.h"

namespace korvex::driver {
namespace {

std::string Answer(const DecimalResult& r) {
  switch (r.error) {
    case DecimalError::None:
      return r.value.ToString();
    case DecimalError::Overflow:
      return "overflow";
    case DecimalError::DivideByZero:
      return "divzero";
    case DecimalError::Invalid:
      break;
  }
  return "invalid";
}

}  // namespace

std::string DecimalCommand(std::string_view op, std::string_view a, std::string_view b) {
  const DecimalResult x = Decimal::Parse(a);
  if (!x.ok()) return Answer(x);
  if (op == "round") {
    int places = -1;
    const auto res = std::from_chars(b.data(), b.data() + b.size(), places);
    if (res.ec != std::errc{} || res.ptr != b.data() + b.size() || places < 0 ||
        places > Decimal::kMaxScale)
      return "invalid";
    return x.value.RoundToPlaces(places).ToString();
  }
  const DecimalResult y = Decimal::Parse(b);
  if (!y.ok()) return Answer(y);
  if (op == "add") return Answer(Add(x.value, y.value));
  if (op == "sub") return Answer(Subtract(x.value, y.value));
  if (op == "mul") return Answer(Multiply(x.value, y.value));
  if (op == "div") return Answer(Divide(x.value, y.value));
  return "error: unknown operation " + std::string(op);
}

std::string NumberTextCommand(std::string_view literal) {
  double value = 0;
  const char* end = literal.data() + literal.size();
  const char* begin = literal.data();
  if (begin != end && *begin == '+') ++begin;  // from_chars takes no plus sign
  const auto res = std::from_chars(begin, end, value);
  if (res.ptr != end || begin == end ||
      (res.ec != std::errc{} && res.ec != std::errc::result_out_of_range))
    return "error: not a number: " + std::string(literal);
  if (res.ec == std::errc::result_out_of_range || !std::isfinite(value))
    return "error: out of the range of a double: " + std::string(literal);
  return FormatNumberText(value);
}

}  // namespace korvex::driver
