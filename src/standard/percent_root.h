#pragma once

#include "standard/calc.h"

namespace korvex::standard {

/// Percent `Cmd_Percent`: the typed number as a percentage of the left operand (＋, －) or as a
/// hundredth (×, ÷), then equals.
void PressPercent(Calc& calc);
/// Square root `Cmd_Evolution`, computed as a double, then equals.
void PressEvolution(Calc& calc);

}  // namespace korvex::standard
