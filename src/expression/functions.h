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

/// The function's value for arguments whose count `TakesArgumentCount` accepts. log is the natural
/// logarithm; fix cuts toward zero, int toward minus infinity; sgn gives -1, 0 or 1; sqr is the
/// square root; round(x, places) rounds to whole places (0 if not given), ties to even.
EvalResult ApplyFunction(Function function, std::span<const double> arguments);

}  // namespace korvex::expression
