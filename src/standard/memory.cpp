#include "standard/memory.h"

#include "common/number_text.h"
#include "standard/history.h"
#include "standard/number_entry.h"
#include "standard/number_reading.h"
#include "standard/operations.h"
#include "standard/result_format.h"

namespace korvex::standard {
namespace {

using Operation = DecimalResult (*)(const Decimal&, const Decimal&);

// M+ and M- on a register that holds a number. A display without a number leaves the register as
// it is; a number or a sum beyond the decimal type is shown as the overflow message and the
// register keeps its value, so it never silently holds a wrong number.
void CombineWithMemory(Calc& calc, Operation operation) {
  const DecimalResult shown = ReadDecimal(Display(calc));
  const DecimalResult stored = ReadDecimal(MemoryText(calc));
  if (shown.error == DecimalError::Invalid || !stored.ok()) return;
  const DecimalResult result =
      shown.ok() ? operation(stored.value, shown.value) : DecimalResult{{}, shown.error};
  if (!result.ok()) {
    ShowMessage(calc, kOverflowMessage);
    return;
  }
  MemoryText(calc) = result.value.ToString();
}

}  // namespace

void MemoryAdd(Calc& calc) {
  if (!MemoryText(calc).empty()) {
    CombineWithMemory(calc, &Add);
    return;
  }
  // The register is empty: a shown number (not one being typed) is stored as it reads.
  if (calc.state.Entering || Display(calc).empty()) return;
  const DecimalResult shown = ReadDecimal(Display(calc));
  if (shown.error == DecimalError::Overflow) ShowMessage(calc, kOverflowMessage);
  if (shown.ok()) RemoveSeparators(Display(calc), MemoryText(calc));
}

void MemorySubtract(Calc& calc) {
  if (!MemoryText(calc).empty()) {
    CombineWithMemory(calc, &Subtract);
    return;
  }
  if (calc.state.Entering) return;
  // The empty register receives the negated display as a double's text.
  const std::optional<double> shown = ReadNumberAsDouble(Display(calc));
  if (!shown) return;
  const double negated = 0.0 - *shown;
  const std::string text = FormatNumberText(negated);
  if (text.empty()) {
    ShowMessage(calc, kOverflowMessage);
    return;
  }
  MemoryText(calc) = text;
}

void MemoryRecall(Calc& calc) {
  if (!MemoryText(calc).empty()) {
    BeginNumberEntry(calc);
    // A number being typed is replaced by the recalled one, in the display and in the line.
    DropEntryRecord(calc);
    Display(calc) = MemoryText(calc);
    AppendToHistoryLine(calc, MemoryText(calc));
  }
  GroupThousands(calc);
}

void MemoryClear(Calc& calc) { MemoryText(calc).clear(); }

void ShowGrandTotal(Calc& calc) {
  BeginNumberEntry(calc);
  const Value& total = calc.state.GrandTotal;
  if (!ToDecimal(total).ok()) {
    ShowMessage(calc, kOverflowMessage);
    return;
  }
  DropEntryRecord(calc);
  const std::string text = ValueText(total);
  Display(calc) = text;
  NormalizeEntry(calc);
  AppendToHistoryLine(calc, text);
}

void AddToGrandTotal(Calc& calc) {
  Value& total = calc.state.GrandTotal;
  const DecimalResult before = ToDecimal(total);
  if (!before.ok()) return;  // already beyond the type: it stays so until AC
  const DecimalResult shown = ReadDecimal(Display(calc));
  if (!shown.ok()) return;
  const DecimalResult sum = Add(before.value, shown.value);
  if (sum.ok())
    total = sum.value;
  else
    SetText(total, kOverflowMessage);
}

}  // namespace korvex::standard
