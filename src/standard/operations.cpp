#include "standard/operations.h"

#include "common/operator_signs.h"
#include "standard/clipboard_features.h"
#include "standard/history.h"
#include "standard/memory.h"
#include "standard/number_reading.h"
#include "standard/result_format.h"
#include "standard/voice.h"

namespace korvex::standard {
namespace {

std::string_view OperatorClip(std::string_view sign) {
  if (sign == signs::kPlus) return "wav_jia";
  if (sign == signs::kMinus) return "wav_jian";
  if (sign == signs::kTimes) return "wav_chen";
  return "wav_chu";
}

// The arithmetic of PerformPendingOperation. Returns false when the calculation was dropped with
// a message; a sign that is no operator computes nothing.
bool ComputePending(Calc& calc, std::string_view sign) {
  CalcState& state = calc.state;
  const DecimalResult left = ToDecimal(state.Accumulator);
  const DecimalResult right = ReadDecimal(TextOf(state.Operand));
  if (left.error == DecimalError::Overflow || right.error == DecimalError::Overflow) {
    ShowMessage(calc, kOverflowMessage);
    return false;
  }
  if (!left.ok() || !right.ok()) return true;

  DecimalResult result;
  if (sign == signs::kDivide) {
    if (right.value.IsZero()) {
      ShowMessage(calc, kDivideByZeroMessage);
      return false;
    }
    result = Divide(left.value, right.value);
  } else if (sign == signs::kTimes) {
    result = Multiply(left.value, right.value);
  } else if (sign == signs::kPlus) {
    result = Add(left.value, right.value);
  } else if (sign == signs::kMinus) {
    result = Subtract(left.value, right.value);
  } else {
    return true;
  }
  if (!result.ok()) {
    ShowMessage(calc, kOverflowMessage);
    return false;
  }
  state.Accumulator = result.value;
  FormatResult(calc);
  return true;
}

// True when the display holds a number that equals can close a calculation with.
bool DisplayHoldsResult(Calc& calc) {
  const std::string& display = Display(calc);
  if (display.empty() || display == "0.") return false;
  const DecimalResult shown = ReadDecimal(display);
  if (shown.error == DecimalError::Overflow) ShowMessage(calc, kOverflowMessage);
  return shown.ok();
}

}  // namespace

bool ShowsMessage(const Calc& calc) {
  const std::string& display = calc.controls.T_Show.text;
  return display == kDivideByZeroMessage || display == kOverflowMessage;
}

void ShowMessage(Calc& calc, std::string_view message) {
  CalcState& state = calc.state;
  Display(calc) = message;
  SetText(state.Operand, "");
  SetText(state.Accumulator, "");
  calc.controls.T_Sign = SignBox{};
  state.Entering = false;
  state.AfterEquals = false;
  // A root being produced is dropped with the calculation; its mark must not reach the next one.
  if (IsTrue(state.SqrtResult)) state.SqrtResult = false;
}

void TakeOperand(Calc& calc) {
  CalcState& state = calc.state;
  const std::string& display = Display(calc);
  if (!display.empty()) SwitchCaptureOff(calc);
  state.AfterEquals = false;
  // Without a newly typed number nothing is computed and PendingSign stays: an operator key then
  // only changes the waiting sign.
  if (!state.Entering) return;
  if (!display.empty()) {
    const DecimalResult typed = ReadDecimal(display);
    if (typed.error == DecimalError::Overflow) {
      ShowMessage(calc, kOverflowMessage);
      return;
    }
    // An unfinished entry ("-", "-.") is no operand; the display is then taken like an empty one.
    if (typed.ok()) {
      RemoveSeparators(display, SetText(state.Operand, ""));
      if (IsBlank(state.Accumulator)) state.Accumulator = state.Operand;
    }
  }
  SetText(state.PendingSign, calc.controls.T_Sign.text);
  PerformPendingOperation(calc);
}

void PerformPendingOperation(Calc& calc) {
  calc.services.FocusWindow();
  CalcState& state = calc.state;
  if (!TextOf(state.Operand).empty() && !ComputePending(calc, TextOf(state.PendingSign))) return;
  state.LastOperand = state.Operand;
  SetText(state.Operand, "");
  state.Entering = false;
}

void PressOperator(Calc& calc, std::string_view sign) {
  CalcState& state = calc.state;
  if (state.AfterEquals && !Display(calc).empty()) {
    // The line, just begun by the equals, starts with the result the calculation continues from.
    const DecimalResult shown = ReadDecimal(Display(calc));
    if (shown.ok()) AppendToHistoryLine(calc, shown.value.ToString());
  }
  TakeOperand(calc);
  if (IsBlank(state.Accumulator)) return;  // no left operand: the key does nothing visible
  PlayClip(calc, OperatorClip(sign));
  calc.controls.T_Sign = SignBox{std::string(sign), true};
  AppendToHistoryLine(calc, sign);
}

void PressAmount(Calc& calc) {
  CalcState& state = calc.state;
  if (state.AfterEquals) {
    // Repeated equals: the last operation again, on the result.
    const std::string previous = WithoutSeparators(Display(calc));
    state.Operand = state.LastOperand;
    const std::string operand(TextOf(state.Operand));
    PerformPendingOperation(calc);
    const std::string_view sign = TextOf(state.PendingSign);
    if (ShowsMessage(calc)) {
      // The failed calculation keeps its record in the line, as a division by zero does.
      calc.module.HistoryLine.append(previous).append(sign).append(operand);
      return;
    }
    // After "C" emptied the display with nothing to repeat, there is no result to close.
    if (!DisplayHoldsResult(calc)) return;
    // With no operation waiting the result only repeats itself: the line reads "● 8=8", not
    // "● 88=8".
    calc.module.HistoryLine.append(previous);
    if (!sign.empty()) calc.module.HistoryLine.append(sign).append(operand);
    state.Entering = true;
  } else {
    TakeOperand(calc);
    calc.controls.T_Sign = SignBox{};
    state.Entering = false;
    state.AfterEquals = true;
    if (!DisplayHoldsResult(calc)) {
      // The message, an empty display or "0.": nothing goes into the total, the read-out or the
      // history.
      state.AfterEquals = false;
      return;
    }
  }

  std::string_view mark = "=";
  if (IsTrue(state.SqrtResult)) {
    FormatResult(calc);
    mark = " 开平方等于 ";
  }
  AddToGrandTotal(calc);
  const std::string shown = WithoutSeparators(Display(calc));
  StartReadOut(calc, shown);
  CompleteHistoryLine(calc, mark, shown);
}

}  // namespace korvex::standard
