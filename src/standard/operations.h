#pragma once

#include <string_view>

#include "standard/calc.h"

namespace korvex::standard {

/// The display's message after a division by zero.
inline constexpr std::string_view kDivideByZeroMessage = "0不能为除数";
/// The display's message when a number or a result lies beyond the decimal type.
inline constexpr std::string_view kOverflowMessage = "数值超出范围";

/// True when the display shows one of the two messages.
bool ShowsMessage(const Calc& calc);
/// Shows `message` and drops the calculation, as a division by zero does.
void ShowMessage(Calc& calc, std::string_view message);

/// Takes the display into `Operand` (and `Accumulator` if empty) and runs the waiting operation.
void TakeOperand(Calc& calc);
/// Applies `PendingSign` to `Accumulator` and `Operand` in decimal arithmetic.
void PerformPendingOperation(Calc& calc);

/// An operator key; `sign` is one of the four operator signs.
void PressOperator(Calc& calc, std::string_view sign);
/// Equals `Cmd_Amount`, also a repeated equals; percent and square root end with it.
void PressAmount(Calc& calc);

}  // namespace korvex::standard
