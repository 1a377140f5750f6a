#include "standard/percent_root.h"

#include <cmath>

#include "common/operator_signs.h"
#include "standard/history.h"
#include "standard/number_entry.h"
#include "standard/number_reading.h"
#include "standard/operations.h"

namespace korvex::standard {
namespace {

std::string_view Trimmed(const std::string& text) {
  std::string_view view(text);
  while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
  while (!view.empty() && view.back() == ' ') view.remove_suffix(1);
  return view;
}

}  // namespace

void PressPercent(Calc& calc) {
  CalcState& state = calc.state;
  const std::string_view shown = Trimmed(Display(calc));
  if (shown.empty() || shown == "-" || shown == "0." || state.AfterEquals) return;
  // Without a calculation under way (no left operand, or zero) percent does nothing.
  const DecimalResult left = ToDecimal(state.Accumulator);
  if (!left.ok() || left.value.IsZero()) return;
  const DecimalResult typed = ReadDecimal(shown);
  if (typed.error == DecimalError::Invalid) return;
  if (typed.error == DecimalError::Overflow) {
    ShowMessage(calc, kOverflowMessage);
    return;
  }

  static const Decimal kHundred = Decimal::FromParts(100, 0, false);
  const std::string_view sign = calc.controls.T_Sign.text;
  DecimalResult percent;
  if (sign == signs::kDivide || sign == signs::kTimes) {
    percent = Divide(typed.value, kHundred);
  } else {
    percent = Multiply(left.value, typed.value);
    if (percent.ok()) percent = Divide(percent.value, kHundred);
  }
  if (!percent.ok()) {
    ShowMessage(calc, kOverflowMessage);
    return;
  }
  Display(calc) = percent.value.ToString();
  NormalizeEntry(calc);
  PressAmount(calc);
}

void PressEvolution(Calc& calc) {
  CalcState& state = calc.state;
  const std::string_view shown = Trimmed(Display(calc));
  if (shown.empty() || state.AfterEquals || shown.starts_with('-')) return;
  // "0." and the messages hold no number to take the root of.
  if (shown == "0.") return;
  const std::optional<double> radicand = ReadNumberAsDouble(shown);
  if (!radicand) return;
  const double root = std::sqrt(*radicand);
  const DecimalResult root_value = Decimal::FromDouble(root);
  if (!std::isfinite(root) || !root_value.ok()) {
    ShowMessage(calc, kOverflowMessage);
    return;
  }

  if (calc.controls.T_Sign.visible && state.Entering) {
    // With an operator waiting, the root replaces the number typed after it and completes the
    // operation: 2 ＋ 9 √ gives 2 + 3, recorded as 2＋√9=5.
    Display(calc) = root_value.value.ToString();
    RecordRootOfEntry(calc);
    PressAmount(calc);
    return;
  }
  state.Accumulator = root;
  state.SqrtResult = true;
  PressAmount(calc);
}

}  // namespace korvex::standard
