#include "standard/history.h"

#include <algorithm>

#include "common/operator_signs.h"
#include "common/utf8_text.h"

namespace korvex::standard {
namespace {

// The line may have been begun anew since the number's record started; never look past its end.
std::size_t EntryStart(const Calc& calc) {
  return std::min(calc.entry_start, calc.module.HistoryLine.size());
}

}  // namespace

void AppendToHistoryLine(Calc& calc, std::string_view text) {
  std::string& line = calc.module.HistoryLine;
  if (calc.controls.T_Sign.visible && signs::IsOperatorSign(utf8::LastChar(line)) &&
      signs::IsOperatorSign(text))
    utf8::RemoveLastChar(line);
  line += text;
}

void MarkEntryStart(Calc& calc) { calc.entry_start = calc.module.HistoryLine.size(); }

void RemoveLastEntryChar(Calc& calc) {
  // A number taken from the clipboard has no record in the line, so backspacing it must not eat
  // into the operator sign or the digits before it.
  std::string& line = calc.module.HistoryLine;
  if (line.size() > EntryStart(calc)) utf8::RemoveLastChar(line);
}

// The sign goes in front of the number it belongs to, so 12 then "+/-" reads "-12" and a second
// "+/-" takes it back; backspace then removes the characters of the line and of the display alike.
void RecordSignAdded(Calc& calc) { calc.module.HistoryLine.insert(EntryStart(calc), 1, '-'); }

void RecordSignRemoved(Calc& calc) {
  std::string& line = calc.module.HistoryLine;
  const std::size_t start = EntryStart(calc);
  if (start < line.size() && line[start] == '-') line.erase(start, 1);
}

void RecordRootOfEntry(Calc& calc) { calc.module.HistoryLine.insert(EntryStart(calc), "√"); }

void DropEntryRecord(Calc& calc) { calc.module.HistoryLine.resize(EntryStart(calc)); }

void CompleteHistoryLine(Calc& calc, std::string_view mark, std::string_view result) {
  std::string& line = calc.module.HistoryLine;
  line += mark;
  line += result;
  LoadHistoryWindow(calc);
  std::string& history = calc.controls.History.T_Hist.text;
  history += line;
  history += "\r\n";
  line.assign(kHistoryLineStart);
  MarkEntryStart(calc);
}

void ClearHistory(Calc& calc) {
  LoadHistoryWindow(calc);
  calc.controls.History.T_Hist.text.clear();
  calc.module.HistoryLine.assign(kHistoryLineStart);
  MarkEntryStart(calc);
}

void LoadHistoryWindow(Calc& calc) { calc.controls.History.loaded = true; }

void UnloadHistoryWindow(Calc& calc) { calc.controls.History = HistoryWindow{}; }

void ToggleTwoRows(Calc& calc) {
  if (!calc.state.TwoRowsOn) {
    calc.state.TwoRowsOn = true;
    calc.module.MaxDisplayLen = 15;
    calc.controls.Img_TwoRows.picture = pictures::kTwoRowsOn;
  } else {
    // Back to one row the limit is 10, not the 14 the program starts with.
    calc.state.TwoRowsOn = false;
    calc.module.MaxDisplayLen = 10;
    calc.controls.Img_TwoRows.picture = pictures::kTwoRowsOff;
  }
}

}  // namespace korvex::standard
