#pragma once

#include <string_view>

#include "standard/calc.h"

namespace korvex::standard {

/// Plays the clip `name` while the voice is on; returns at once.
void PlayClip(Calc& calc, std::string_view name);
/// Starts reading `text` out, one character per tick of `Timer_EntryS`, voice on or off.
void StartReadOut(Calc& calc, std::string_view text);
/// A tick of `Timer_EntryS`: speaks the next character of `SpeakText`.
void ReadOutTick(Calc& calc);
/// The voice switch `Img_Sound`.
void ToggleSound(Calc& calc);

}  // namespace korvex::standard
