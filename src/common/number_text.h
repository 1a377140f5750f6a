#pragma once

#include <string>

namespace korvex {

/// The number text of a double: at most 15 significant digits, plain for decimal exponents -4..14,
/// otherwise "d.dddE+XX"; "" for infinities and NaN, which callers must not show as numbers.
std::string FormatNumberText(double value);

}  // namespace korvex
