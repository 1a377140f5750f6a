#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "expression/eval_result.h"

namespace korvex::expression {

/// The numeric functions an expression may call; angles are in radians.
enum class Function { Abs, Atn, Cos, Exp, Fix, Int, Log, Round, Sgn, Sin, Sqr, Tan };

/// The function called `name` in any letter case, or nothing.
std::optional<Function> FindFunction(std::string_view name);

/// True when `function` takes `count` arguments (round takes one or two, the others one).
bool TakesArgumentCount(Function function, std::size_t count);

/// The function's value for `arguments`, or why it has none (log of 0, sqr of -1, ...).
EvalResult ApplyFunction(Function function, std::span<const double> arguments);

}  // namespace korvex::expression
