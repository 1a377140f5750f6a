#pragma once

#include <string_view>

#include "expression/eval_result.h"

namespace korvex::expression {

/// The value of an arithmetic expression, or why it has none. Reads numbers (1.5e-3, .5), the
/// operators ^, leading - and +, * and /, \ , mod, + and - (binding in that order, each group of
/// equals from the left), parentheses and the functions of functions.h, with spaces and tabs
/// between tokens. Any bytes are accepted; time and memory grow linearly with the length and the
/// call stack does not grow with the nesting depth.
EvalResult Evaluate(std::string_view expression);

}  // namespace korvex::expression
