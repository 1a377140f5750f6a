#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/module1.h"
#include "standard/calc_state.h"
#include "standard/controls.h"

namespace korvex::standard {

/// A `CalcState` field, `MemoryText` or a program-wide value of `Module1`, by name, as text:
/// booleans "True"/"False", numbers as their text, a value holding nothing as "". nullopt for a
/// name it does not know.
std::optional<std::string> ReadVariable(const CalcState& state, const Controls& controls,
                                        const Module1& module, std::string_view name);

/// A control's state by control name and optional property, as text: "T_Show" (text),
/// "T_Show.color" ("R,G,B"), "T_Sign", "T_Sign.visible" ("yes"/"no"), "T_Memory", "T_Hist",
/// an image switch's picture index ("Img_Sound"), a list's shown item ("Combo_Cut",
/// "Combo_Dot"), "Combo_Dot.enabled", "Timer1.enabled", "Timer_EntryS.enabled". nullopt for
/// anything else.
std::optional<std::string> ReadControl(const Controls& controls, std::string_view query);

}  // namespace korvex::standard
