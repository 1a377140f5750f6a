#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "standard/value.h"

namespace korvex::standard {

/// The main window's variables, one field per variable in declared order; they live for the
/// whole run, and a load of the window sets only some of them.
struct CalcState {
  /// The bytes of the clip started last. The platform's clip player keeps the bytes of the clip
  /// it plays for as long as it plays, so the logic leaves this empty.
  std::vector<std::uint8_t> ClipBuffer;
  Value SpeakText;
  std::string SpeakChar;
  std::int16_t SpeakPos = 0;
  Value PendingSign;
  Value Accumulator;
  Value Operand;
  Value LastOperand;
  Value CaptureText;
  Value GrandTotal;
  bool Entering = false;
  bool AfterEquals = false;
  OptionalBool Docked;
  OptionalBool SoundOn;
  OptionalBool SqrtResult;
  OptionalBool PartialClear;
  OptionalBool SingleZero;
  bool TwoRowsOn = false;
  OptionalBool PanelOpen;
  OptionalBool MiniMode;
  bool ThousandSignOn = false;
};

}  // namespace korvex::standard
