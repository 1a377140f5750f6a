#pragma once

#include <cstddef>
#include <string>

#include "common/module1.h"
#include "standard/calc_state.h"
#include "standard/controls.h"
#include "standard/services.h"

namespace korvex::standard {

/// Everything one standard calculator works on: the window's variables, its controls, the
/// program-wide values and the platform services. The shared steps take it by reference.
struct Calc {
  Calc(Module1& program_values, const Services& platform)
      : module(program_values), services(platform) {}

  CalcState state;
  Controls controls;
  Module1& module;
  Services services;

  /// Byte offset in `HistoryLine` where the record of the number being typed begins.
  std::size_t entry_start = 0;
  /// Byte offset in `SpeakText` of the character at `SpeakPos`, and its length in characters.
  std::size_t speak_offset = 0;
  std::size_t speak_length = 0;
  /// Reused buffer, so that regrouping the display allocates nothing.
  std::string scratch;
};

/// The display text, the calculator's working register.
inline std::string& Display(Calc& calc) { return calc.controls.T_Show.text; }

/// The memory register `MemoryText`, which the memory box shows unchanged.
inline std::string& MemoryText(Calc& calc) { return calc.controls.T_Memory.text; }

/// The display's length limit `MaxDisplayLen` as a count of characters.
inline std::size_t MaxDisplayLength(const Calc& calc) {
  return calc.module.MaxDisplayLen > 0 ? static_cast<std::size_t>(calc.module.MaxDisplayLen) : 0;
}

}  // namespace korvex::standard
