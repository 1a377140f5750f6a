#pragma once

#include <string_view>

#include "standard/calc.h"

namespace korvex::standard {

/// Adds `text` to `HistoryLine`; an operator sign right after another one replaces it.
void AppendToHistoryLine(Calc& calc, std::string_view text);

/// Notes that a new number's record begins at the end of `HistoryLine`.
void MarkEntryStart(Calc& calc);
/// Backspace's share: drops the last character of the number's record, never anything before it.
void RemoveLastEntryChar(Calc& calc);
/// Puts "-" in front of the number's record.
void RecordSignAdded(Calc& calc);
/// Takes the "-" in front of the number's record away again.
void RecordSignRemoved(Calc& calc);
/// Puts "√" in front of the number's record: the typed number is replaced by its root.
void RecordRootOfEntry(Calc& calc);
/// Drops the record of the number being typed, which a recalled number replaces.
void DropEntryRecord(Calc& calc);

/// Finishes the line with `mark` and `result`, appends it with CR LF to the history text and
/// begins a new line.
void CompleteHistoryLine(Calc& calc, std::string_view mark, std::string_view result);
/// Empties the history text and begins a new line.
void ClearHistory(Calc& calc);

/// The history window is needed (created hidden if it was not loaded).
void LoadHistoryWindow(Calc& calc);
/// The history window goes, and its text with it.
void UnloadHistoryWindow(Calc& calc);

/// The two-row switch `Img_TwoRows`: layout flag, length limit and picture.
void ToggleTwoRows(Calc& calc);

}  // namespace korvex::standard
