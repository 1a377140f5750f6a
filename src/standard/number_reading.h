#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/decimal.h"

namespace korvex::standard {

/// Writes `text` without any "," into `out`, replacing what `out` held.
void RemoveSeparators(std::string_view text, std::string& out);

/// `text` without any ",".
std::string WithoutSeparators(std::string_view text);

/// Reads a number text of the calculator: "[-]digits[.digits]" with "," anywhere, or the exponent
/// form of a double's text ("-1E-12"); surrounding spaces are ignored. Invalid for anything else,
/// Overflow for a number beyond the decimal type.
DecimalResult ReadDecimal(std::string_view text);

/// Reads the same texts as a double (an infinity when too big); nullopt when it holds no number.
std::optional<double> ReadNumberAsDouble(std::string_view text);

}  // namespace korvex::standard
