#pragma once

#include <cstddef>
#include <string_view>

#include "expression/eval_result.h"

namespace korvex::expression {

/// Length of the unsigned number literal at the start of `text` (digits with an optional "." and
/// an optional exponent "e", sign, digits), or 0 when `text` does not start with one.
std::size_t NumberLiteralLength(std::string_view text);

/// The double nearest to a whole literal measured by `NumberLiteralLength`; Overflow when it lies
/// beyond a double's range, 0 when it is too small to tell from zero.
EvalResult NumberLiteralValue(std::string_view literal);

}  // namespace korvex::expression
