#pragma once

#include "expression/eval_result.h"

namespace korvex::expression {

/// The operators between two operands.
enum class BinaryOperator { Add, Subtract, Multiply, Divide, IntegerDivide, Modulo, Power };

/// How tightly an operator binds; higher binds first. Every binary operator groups from the left.
int Precedence(BinaryOperator op);
/// The precedence of a leading sign: below "^" (-2^2 is -4), above "*" and "/".
inline constexpr int kSignPrecedence = 5;

/// `left op right`; "\" and "mod" work on the operands rounded to whole numbers, ties to even.
EvalResult ApplyBinary(BinaryOperator op, double left, double right);

}  // namespace korvex::expression
