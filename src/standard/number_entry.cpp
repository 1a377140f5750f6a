#include "standard/number_entry.h"

#include <array>

#include "common/utf8_text.h"
#include "standard/clipboard_features.h"
#include "standard/history.h"
#include "standard/result_format.h"
#include "standard/voice.h"

namespace korvex::standard {
namespace {

constexpr std::array<std::string_view, 10> kDigitClips{"wav_0", "wav_1", "wav_2", "wav_3", "wav_4",
                                                       "wav_5", "wav_6", "wav_7", "wav_8", "wav_9"};

// "05" becomes "5". Only a captured text ("007") brings more than one leading zero, and each of
// them goes, so that "007" followed by 5 reads 75, not 5; a zero stays in front of the point.
void DropLeadingZeros(std::string& display) {
  const std::size_t sign = display.starts_with('-') ? 1 : 0;
  if (display.size() <= sign + 1 || display[sign] != '0' || display[sign + 1] == '.') return;
  if (display.back() == '0') return;  // "0" and "-0" stay, so do zeros still being typed
  std::size_t end = sign;
  while (end < display.size() && (display[end] == '0' || display[end] == ',')) ++end;
  if (end == display.size() || display[end] == '.') --end;  // keep one zero before the point
  display.erase(sign, end - sign);
}

}  // namespace

void AppendToDisplay(Calc& calc, std::string_view text) { Display(calc) += text; }

void BeginNumberEntry(Calc& calc) {
  calc.services.FocusWindow();
  CalcState& state = calc.state;
  std::string& display = Display(calc);
  if (!display.empty()) SwitchCaptureOff(calc);
  const bool was_entering = state.Entering;
  // A lone "-" stays, so that a sign given before the digits survives.
  if (!state.Entering && display != "-") display.clear();
  if (state.AfterEquals && calc.controls.T_Sign.text.empty()) {
    // A number typed after a result starts a new calculation.
    state.AfterEquals = false;
    display.clear();
    SetText(state.Accumulator, "");
    SetText(state.PendingSign, "");
  }
  state.Entering = true;
  if (!was_entering || display.empty()) MarkEntryStart(calc);
}

void NormalizeEntry(Calc& calc) {
  std::string& display = Display(calc);
  DropLeadingZeros(display);
  const std::size_t limit = MaxDisplayLength(calc);
  if (utf8::Length(display) > limit) display.resize(utf8::Left(display, limit).size());
  calc.controls.T_Show.color = kEntryColour;
  GroupThousands(calc);
}

void PressDigit(Calc& calc, int digit) {
  if (digit < 1 || digit > 9) return;
  const char typed = static_cast<char>('0' + digit);
  BeginNumberEntry(calc);
  AppendToDisplay(calc, std::string_view(&typed, 1));
  NormalizeEntry(calc);
  PlayClip(calc, kDigitClips[static_cast<std::size_t>(digit)]);
  // The digit is recorded even when the length limit has just cut it from the display.
  AppendToHistoryLine(calc, std::string_view(&typed, 1));
}

void PressZero(Calc& calc) {
  BeginNumberEntry(calc);
  AppendToDisplay(calc, "0");
  AppendToHistoryLine(calc, "0");
  std::string& display = Display(calc);
  // A second leading zero is taken back at once, from the display and from the line.
  if (display.starts_with("00") || display.starts_with("-00")) {
    display.pop_back();
    utf8::RemoveLastChar(calc.module.HistoryLine);
  }
  GroupThousands(calc);
  PlayClip(calc, kDigitClips[0]);
}

void PressDoubleZero(Calc& calc) {
  BeginNumberEntry(calc);
  AppendToDisplay(calc, "00");
  std::string& display = Display(calc);
  if (display.starts_with("00")) {
    display = "0";
    calc.state.SingleZero = true;
  } else if (display.starts_with("-00")) {
    display = "-0";
    calc.state.SingleZero = true;
  }
  GroupThousands(calc);
  if (IsTrue(calc.state.SingleZero)) {
    calc.state.SingleZero = false;
    PlayClip(calc, kDigitClips[0]);
    AppendToHistoryLine(calc, "0");
  } else {
    PlayClip(calc, "wav_00");
    AppendToHistoryLine(calc, "00");
  }
}

void PressDot(Calc& calc) {
  std::string& display = Display(calc);
  if (calc.state.Entering) {
    if (display.empty() || display.find('.') != std::string::npos) return;
    PlayClip(calc, "wav_dian");
    display += '.';
    AppendToHistoryLine(calc, ".");
    return;
  }
  BeginNumberEntry(calc);
  PlayClip(calc, "wav_dian");
  display = "0.";
  AppendToHistoryLine(calc, "0.");
}

void PressBack(Calc& calc) {
  std::string& display = Display(calc);
  // Backspace never edits a result.
  if (!display.empty() && !calc.state.AfterEquals && calc.state.Entering) {
    PlayClip(calc, "wav_tuige");
    utf8::RemoveLastChar(display);
    RemoveLastEntryChar(calc);
  }
  GroupThousands(calc);
}

void PressSign(Calc& calc) {
  if (calc.state.AfterEquals || !calc.state.Entering) return;
  std::string& display = Display(calc);
  if (!display.starts_with('-')) {
    PlayClip(calc, "wav_fu");
    display.insert(0, 1, '-');
    RecordSignAdded(calc);
  } else {
    display.erase(0, 1);
    RecordSignRemoved(calc);
  }
}

void PressClean(Calc& calc) {
  if (calc.state.Entering && calc.controls.T_Sign.text.empty()) {
    PlayClip(calc, "wav_qingchu");
    Display(calc).clear();
    return;
  }
  // With an operator waiting, "C" clears the calculation but keeps the total and the history.
  calc.state.PartialClear = true;
  PressCleanAll(calc);
}

void PressCleanAll(Calc& calc) {
  CalcState& state = calc.state;
  if (IsTrue(state.PartialClear)) {
    state.PartialClear = false;
    PlayClip(calc, "wav_qingchu");
  } else {
    PlayClip(calc, "wav_quanbu");
    SetText(state.GrandTotal, "0");
    ClearHistory(calc);
  }
  Display(calc).clear();
  calc.controls.T_Sign = SignBox{};
  SetText(state.PendingSign, "");
  SetText(state.Accumulator, "");
  state.Entering = false;
  state.AfterEquals = false;
}

}  // namespace korvex::standard
