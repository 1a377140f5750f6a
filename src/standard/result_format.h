#pragma once

#include "standard/calc.h"

namespace korvex::standard {

/// Writes `Accumulator` into the display by the chosen decimal processing, colours it, plays the
/// result clip and copies it when automatic copy is on. `Accumulator` itself stays unchanged.
void FormatResult(Calc& calc);
/// Puts thousands separators into the number the display shows, while they are switched on.
void GroupThousands(Calc& calc);

/// The separator switch `Img_ThousandSign`.
void ToggleThousandSign(Calc& calc);
/// A choice in `Combo_Cut` (item index); it acts on the next result. Other indexes are ignored.
void ChooseCut(Calc& calc, int index);
/// A choice in `Combo_Dot` (item index, the number of places). Other indexes are ignored.
void ChooseDot(Calc& calc, int index);

}  // namespace korvex::standard
