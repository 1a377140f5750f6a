#pragma once

#include <string_view>

#include "standard/calc.h"

namespace korvex::standard {

/// The automatic-copy switch `Img_Copy`.
void ToggleAutoCopy(Calc& calc);
/// The number-capture switch `Img_Paste`, which also starts or stops `Timer1`.
void TogglePaste(Calc& calc);
/// Typing switches capture off (`Timer1` goes on running) once the display holds something.
void SwitchCaptureOff(Calc& calc);

/// While automatic copy is on, puts the display text, separators included, on the clipboard.
void CopyResultIfAuto(Calc& calc);
/// The copy key C: the display text without separators goes on the clipboard, even when empty.
void CopyKey(Calc& calc);

/// True when a clipboard text (already cut to the display's limit) is a plain unsigned number
/// that capture takes: digits with at most one point, not zero alone.
bool IsCapturable(std::string_view text);
/// A tick of `Timer1`: takes a number from the clipboard while capture is on, then regroups.
void CaptureTick(Calc& calc);
/// Puts `CaptureText` into the display as a number being typed.
void TakeCapturedNumber(Calc& calc);

}  // namespace korvex::standard
