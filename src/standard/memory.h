#pragma once

#include "standard/calc.h"

namespace korvex::standard {

/// M+ `Cmd_Add`: adds the display to the memory register, or stores it in an empty one.
void MemoryAdd(Calc& calc);
/// M- `Cmd_MJian`: subtracts the display from the memory register, or stores its negation.
void MemorySubtract(Calc& calc);
/// MR `Cmd_Read`: recalls the register into the display as a number being typed.
void MemoryRecall(Calc& calc);
/// MC `Cmd_CM`: empties the register.
void MemoryClear(Calc& calc);
/// GT `Cmd_GT`: shows the grand total as a number being typed.
void ShowGrandTotal(Calc& calc);

/// Equals' share: `GrandTotal` := `GrandTotal` + the display's number. A total beyond the decimal
/// type is kept as the overflow message, which GT then shows instead of a wrong number.
void AddToGrandTotal(Calc& calc);

}  // namespace korvex::standard
