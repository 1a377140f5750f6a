#pragma once

#include <cmath>

namespace korvex::expression {

/// Why an expression has no value.
enum class EvalError {
  None,
  Syntax,           ///< not an expression: a stray or missing operand, operator or parenthesis
  UnknownName,      ///< a name that is neither a function nor an operator word
  DivideByZero,     ///< "/", "\" or "mod" by zero, or zero to a negative power
  InvalidArgument,  ///< outside a function's or operator's domain (log of 0, sqr of -1, ...)
  Overflow,         ///< a value beyond the range of a double
};

/// A double, or the reason there is none (`value` is then 0).
struct EvalResult {
  double value = 0;
  EvalError error = EvalError::None;

  /// True when the result holds a value.
  bool ok() const { return error == EvalError::None; }
};

/// A failed result.
inline EvalResult Fail(EvalError error) { return {0, error}; }

/// `value` as a result: NaN is InvalidArgument and an infinity Overflow, since neither has a text.
inline EvalResult Checked(double value) {
  if (std::isnan(value)) return Fail(EvalError::InvalidArgument);
  if (std::isinf(value)) return Fail(EvalError::Overflow);
  return {value};
}

}  // namespace korvex::expression
