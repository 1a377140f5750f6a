#include "standard/clipboard_features.h"

#include "common/utf8_text.h"
#include "standard/history.h"
#include "standard/number_reading.h"
#include "standard/result_format.h"

namespace korvex::standard {

void ToggleAutoCopy(Calc& calc) {
  ImageSwitch& copy = calc.controls.Img_Copy;
  copy.picture = copy.picture == pictures::kCopyOff ? pictures::kCopyOn : pictures::kCopyOff;
}

void TogglePaste(Calc& calc) {
  ImageSwitch& paste = calc.controls.Img_Paste;
  const bool switch_on = paste.picture == pictures::kPasteOff;
  calc.controls.Timer1.enabled = switch_on;
  paste.picture = switch_on ? pictures::kPasteOn : pictures::kPasteOff;
}

void SwitchCaptureOff(Calc& calc) { calc.controls.Img_Paste.picture = pictures::kPasteOff; }

void CopyResultIfAuto(Calc& calc) {
  if (calc.controls.Img_Copy.picture == pictures::kCopyOn)
    calc.services.SetClipboardText(Display(calc));
}

void CopyKey(Calc& calc) { calc.services.SetClipboardText(WithoutSeparators(Display(calc))); }

bool IsCapturable(std::string_view text) {
  bool point = false;
  bool digit = false;
  bool nonzero = false;
  for (char c : text) {
    if (c == '.') {
      if (point) return false;
      point = true;
    } else if (c >= '0' && c <= '9') {
      digit = true;
      nonzero |= c != '0';
    } else {
      return false;
    }
  }
  // A point alone is no number the arithmetic could read, so it is not taken either.
  if (!digit) return false;
  return point || nonzero;
}

void CaptureTick(Calc& calc) {
  if (!calc.controls.Timer1.enabled) return;
  if (calc.controls.Img_Paste.picture == pictures::kPasteOn) {
    const std::string clipboard = calc.services.ClipboardText();
    SetText(calc.state.CaptureText, utf8::Left(clipboard, MaxDisplayLength(calc)));
    if (IsCapturable(TextOf(calc.state.CaptureText))) TakeCapturedNumber(calc);
  }
  GroupThousands(calc);
}

void TakeCapturedNumber(Calc& calc) {
  CalcState& state = calc.state;
  Display(calc) = TextOf(state.CaptureText);
  if (state.AfterEquals && calc.controls.T_Sign.text.empty()) {
    // A number taken after a result begins a new calculation.
    state.AfterEquals = false;
    SetText(state.Accumulator, "");
    SetText(state.PendingSign, "");
  }
  state.Entering = true;
  MarkEntryStart(calc);
}

}  // namespace korvex::standard
