#pragma once

#include <string_view>

#include "standard/calc.h"

namespace korvex::standard {

/// Display text := display text followed by `text`.
void AppendToDisplay(Calc& calc, std::string_view text);
/// Prepares the display for a typed number, ending a finished calculation.
void BeginNumberEntry(Calc& calc);
/// Tidies the display after a digit: leading zeros, length limit, entry colour, separators.
void NormalizeEntry(Calc& calc);

/// The digit keys `Cmd_1` to `Cmd_9`; `digit` is 1 to 9.
void PressDigit(Calc& calc, int digit);
/// The zero key `Cmd_0`.
void PressZero(Calc& calc);
/// The double-zero key `Cmd_00`.
void PressDoubleZero(Calc& calc);
/// The decimal point `Cmd_Dot`.
void PressDot(Calc& calc);
/// Backspace `Cmd_Back`.
void PressBack(Calc& calc);
/// The sign change `Cmd_Sign`.
void PressSign(Calc& calc);
/// Clear entry "C", `Cmd_Clean`.
void PressClean(Calc& calc);
/// Clear all "AC", `Cmd_CleanAll`.
void PressCleanAll(Calc& calc);

}  // namespace korvex::standard
