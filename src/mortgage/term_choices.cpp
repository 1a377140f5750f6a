#include "term_choices.h"

#include <string>

namespace korvex::mortgage {

std::optional<int> ReadTermChoice(std::string_view text) {
  // Compare with the items' own texts, so "05" or "5 " is no choice, just as the list holds none.
  for (int years = kShortestTermYears; years <= kLongestTermYears; ++years)
    if (text == std::to_string(years)) return years;
  return std::nullopt;
}

}  // namespace korvex::mortgage
