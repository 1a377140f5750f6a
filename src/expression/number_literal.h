#pragma once

#include <cstddef>
#include <string_view>

#include "expression/eval_result.h"

namespace korvex::expression {

/// Length of the unsigned number literal (1, .5, 2., 1.5e-3) that starts `text`, or 0 for none.
std::size_t NumberLiteralLength(std::string_view text);

/// The double nearest to a whole number literal; Overflow beyond a double's range.
EvalResult NumberLiteralValue(std::string_view literal);

}  // namespace korvex::expression
