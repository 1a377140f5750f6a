#pragma once

#include <optional>
#include <string_view>

namespace korvex::mortgage {

/// The shortest loan term in years that the term list `Combo_Years` offers.
inline constexpr int kShortestTermYears = 5;
/// The longest loan term in years that the term list `Combo_Years` offers.
inline constexpr int kLongestTermYears = 30;

/// The years of a term list item ("5" ... "30"); nothing for any text the list does not hold,
/// "" (nothing chosen) included.
std::optional<int> ReadTermChoice(std::string_view text);

}  // namespace korvex::mortgage
