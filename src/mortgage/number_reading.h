#pragma once

#include <optional>
#include <string_view>

namespace korvex::mortgage {

/// True when every character is one of the ASCII digits "0" to "9" (so also for "").
bool IsDigitsOnly(std::string_view text);

/// True when every character is an ASCII digit or ".", with at most one "." (6.55, 6., .5, ".").
bool IsRateText(std::string_view text);

/// The value of a text of ASCII digits with at most one "." and at least one digit ("010" is 10,
/// "6." is 6, ".5" is 0.5), as the nearest double; a value too small for a double reads as 0.
/// Nothing for any other text and for a value too large for a double.
std::optional<double> ReadDecimalText(std::string_view text);

}  // namespace korvex::mortgage
