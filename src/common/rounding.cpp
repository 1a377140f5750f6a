#include "rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "common/double_text.h"

namespace korvex {

double RoundToWhole(double value) {
  if (!std::isfinite(value)) return value;
  // nearbyint follows the default rounding mode, round-to-nearest-even.
  return std::nearbyint(value);
}

double RoundToPlaces(double value, int places) {
  if (!std::isfinite(value)) return value;
  places = std::clamp(places, 0, 15);
  if (places == 0) return RoundToWhole(value);

  // Round the digits the user sees (the shortest text that reads back as this double), so that
  // 2.675 is a tie like it looks and 0.125 goes to 0.12.
  char buf[512];  // the longest fixed text of a double (about 1e-308 written out) fits
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  if (res.ec != std::errc{}) return value;
  std::string text(buf, res.ptr);
  const std::size_t point = text.find('.');
  if (point == std::string::npos || text.size() - point - 1 <= static_cast<std::size_t>(places))
    return value;

  const std::size_t cut = point + 1 + static_cast<std::size_t>(places);
  const char next = text[cut];
  const bool beyond = text.find_first_not_of('0', cut + 1) != std::string::npos;
  text.resize(cut);
  const char last = text.back();
  const bool up = next > '5' || (next == '5' && (beyond || (last - '0') % 2 == 1));
  double rounded = ReadDouble(text);
  if (up) {
    // Add one unit of the last place to the cut digits, in text, so no binary error creeps in.
    std::size_t i = text.size();
    while (i-- > 0) {
      if (text[i] == '.' || text[i] == '-') continue;
      if (text[i] == '9') {
        text[i] = '0';
        continue;
      }
      ++text[i];
      break;
    }
    if (i == static_cast<std::size_t>(-1)) {
      // Every digit was a 9: the carry adds a new leading digit.
      const bool negative = text.front() == '-';
      text = (negative ? "-1" : "1") + text.substr(negative ? 1 : 0);
    }
    rounded = ReadDouble(text);
  }
  return rounded == 0 ? 0.0 : rounded;
}

}  // namespace korvex
