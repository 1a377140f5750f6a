#include "expression/operators.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "common/rounding.h"

namespace korvex::expression {
namespace {

// Whole operands are worked on as 64-bit integers so that quotient and remainder are exact; a
// whole double outside that range would only give approximate ones, so it is refused.
bool ToWhole(double value, std::int64_t& whole) {
  constexpr double kTwoTo63 = 9223372036854775808.0;
  const double rounded = RoundToWhole(value);
  if (!(rounded >= -kTwoTo63 && rounded < kTwoTo63)) return false;
  whole = static_cast<std::int64_t>(rounded);
  return true;
}

// As users of script arithmetic know it: the quotient is cut toward zero and the remainder takes
// the sign of the left operand (-7 \ 2 is -3, -7 mod 3 is -1), which is what C++ gives too.
EvalResult WholeDivision(BinaryOperator op, double left, double right) {
  std::int64_t a = 0;
  std::int64_t b = 0;
  if (!ToWhole(left, a) || !ToWhole(right, b)) return Fail(EvalError::Overflow);
  if (b == 0) return Fail(EvalError::DivideByZero);
  if (b == -1) {
    // The one quotient that leaves the integer range (-2^63 \ -1); negating in double is exact.
    return {op == BinaryOperator::Modulo ? 0.0 : -static_cast<double>(a)};
  }
  return {static_cast<double>(op == BinaryOperator::Modulo ? a % b : a / b)};
}

EvalResult Power(double base, double exponent) {
  if (base == 0 && exponent < 0) return Fail(EvalError::DivideByZero);
  // A negative base with a fractional exponent has no real value: pow gives NaN.
  return Checked(std::pow(base, exponent));
}

}  // namespace

int Precedence(BinaryOperator op) {
  switch (op) {
    case BinaryOperator::Power:
      return 6;
    case BinaryOperator::Multiply:
    case BinaryOperator::Divide:
      return 4;
    case BinaryOperator::IntegerDivide:
      return 3;
    case BinaryOperator::Modulo:
      return 2;
    case BinaryOperator::Add:
    case BinaryOperator::Subtract:
      return 1;
  }
  return 1;
}

EvalResult ApplyBinary(BinaryOperator op, double left, double right) {
  switch (op) {
    case BinaryOperator::Add:
      return Checked(left + right);
    case BinaryOperator::Subtract:
      return Checked(left - right);
    case BinaryOperator::Multiply:
      return Checked(left * right);
    case BinaryOperator::Divide:
      if (right == 0) return Fail(EvalError::DivideByZero);
      return Checked(left / right);
    case BinaryOperator::IntegerDivide:
    case BinaryOperator::Modulo:
      return WholeDivision(op, left, right);
    case BinaryOperator::Power:
      return Power(left, right);
  }
  return Fail(EvalError::Syntax);
}

}  // namespace korvex::expression
