#pragma once

#include <string_view>

#include "expression/eval_result.h"

namespace korvex::expression {

/// The value of an arithmetic expression of any bytes and nesting depth, or why it has none.
EvalResult Evaluate(std::string_view expression);

}  // namespace korvex::expression
