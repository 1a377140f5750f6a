#pragma once

#include <string>
#include <string_view>

namespace korvex::driver {

/// The answer to "decimal OP A B": the result's text, or overflow, divzero, invalid.
std::string DecimalCommand(std::string_view op, std::string_view a, std::string_view b);
/// The answer to "numtext X": the number text of the double nearest to X.
std::string NumberTextCommand(std::string_view literal);

}  // namespace korvex::driver
