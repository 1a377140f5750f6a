#pragma once

#include <string_view>

namespace korvex::mortgage {

/// Runs both calculations and the carry-over on input texts cut from `data` at each "\n" (five
/// for the first tab, six for the second, then the current year and month, missing ones ""), and
/// tells whether every outcome is well formed: a message with a text and a title, or result
/// texts that are numbers. Any byte string is a valid input.
bool FuzzMortgageTexts(std::string_view data);

}  // namespace korvex::mortgage
