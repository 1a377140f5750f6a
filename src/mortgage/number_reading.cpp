#include "number_reading.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace korvex::mortgage {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool IsDigitsOnly(std::string_view text) { return std::all_of(text.begin(), text.end(), IsDigit); }

bool IsRateText(std::string_view text) {
  int points = 0;
  for (char c : text) {
    if (c == '.') {
      if (++points > 1) return false;
    } else if (!IsDigit(c)) {
      return false;
    }
  }
  return true;
}

std::optional<double> ReadDecimalText(std::string_view text) {
  if (!IsRateText(text) || !std::any_of(text.begin(), text.end(), IsDigit)) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // from_chars reports both ends of the range alike. A non-zero digit before the point makes
    // the value at least 1, so it overflowed; otherwise it lies below the smallest double.
    const std::string_view whole = text.substr(0, text.find('.'));
    if (whole.find_first_not_of('0') != std::string_view::npos) return std::nullopt;
    return 0.0;
  }
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace korvex::mortgage
