#include "standard/standard_calculator.h"

#include "common/operator_signs.h"
#include "standard/clipboard_features.h"
#include "standard/history.h"
#include "standard/memory.h"
#include "standard/number_entry.h"
#include "standard/operations.h"
#include "standard/percent_root.h"
#include "standard/result_format.h"
#include "standard/voice.h"

namespace korvex::standard {

StandardCalculator::StandardCalculator(Module1& module, ClipPlayer& clips, Clipboard& clipboard,
                                       WindowFocus& focus)
    : calc_(module, Services(clips, clipboard, focus)) {}

void StandardCalculator::Load() {
  // The controls are built afresh: empty display in its load colour, hidden sign box, empty
  // memory box, every switch off, "不作处理" with "0" places, both timers stopped. The history
  // window never outlives the main window, so a load finds none.
  calc_.controls = Controls{};
  CalcState& state = calc_.state;
  state.Entering = false;
  state.MiniMode = false;
  state.PanelOpen = false;
  SetText(state.GrandTotal, "0");
  state.SoundOn = false;
  state.ThousandSignOn = false;
  state.TwoRowsOn = false;
  calc_.module.KeepHistoryWindow = true;
  MarkEntryStart(calc_);
}

void StandardCalculator::Unload() { calc_.controls = Controls{}; }

void StandardCalculator::LoadHistoryWindow() { standard::LoadHistoryWindow(calc_); }

void StandardCalculator::UnloadHistoryWindow() { standard::UnloadHistoryWindow(calc_); }

void StandardCalculator::Click(ControlId control) {
  Calc& calc = calc_;
  switch (control) {
    case ControlId::Cmd_0:
      return PressZero(calc);
    case ControlId::Cmd_1:
    case ControlId::Cmd_2:
    case ControlId::Cmd_3:
    case ControlId::Cmd_4:
    case ControlId::Cmd_5:
    case ControlId::Cmd_6:
    case ControlId::Cmd_7:
    case ControlId::Cmd_8:
    case ControlId::Cmd_9:
      return PressDigit(calc, static_cast<int>(control) - static_cast<int>(ControlId::Cmd_0));
    case ControlId::Cmd_00:
      return PressDoubleZero(calc);
    case ControlId::Cmd_Dot:
      return PressDot(calc);
    case ControlId::Cmd_Back:
      return PressBack(calc);
    case ControlId::Cmd_Clean:
      return PressClean(calc);
    case ControlId::Cmd_CleanAll:
      return PressCleanAll(calc);
    case ControlId::Cmd_Sign:
      return PressSign(calc);
    case ControlId::Cmd_Addition:
      return PressOperator(calc, signs::kPlus);
    case ControlId::Cmd_Subtration:
      return PressOperator(calc, signs::kMinus);
    case ControlId::Cmd_Multiplication:
      return PressOperator(calc, signs::kTimes);
    case ControlId::Cmd_Division:
      return PressOperator(calc, signs::kDivide);
    case ControlId::Cmd_Amount:
      return PressAmount(calc);
    case ControlId::Cmd_Percent:
      return PressPercent(calc);
    case ControlId::Cmd_Evolution:
      return PressEvolution(calc);
    case ControlId::Cmd_Add:
      return MemoryAdd(calc);
    case ControlId::Cmd_MJian:
      return MemorySubtract(calc);
    case ControlId::Cmd_Read:
      return MemoryRecall(calc);
    case ControlId::Cmd_CM:
      return MemoryClear(calc);
    case ControlId::Cmd_GT:
      return ShowGrandTotal(calc);
    case ControlId::Img_TwoRows:
      return ToggleTwoRows(calc);
    case ControlId::Img_ThousandSign:
      return ToggleThousandSign(calc);
    case ControlId::Img_Sound:
      return ToggleSound(calc);
    case ControlId::Img_Copy:
      return ToggleAutoCopy(calc);
    case ControlId::Img_Paste:
      return TogglePaste(calc);
    case ControlId::Img_History:
      return standard::LoadHistoryWindow(calc);
    case ControlId::CopyKey:
      return CopyKey(calc);
    case ControlId::Image_Logo:
    case ControlId::Img_Expression:
    case ControlId::Img_House:
    case ControlId::Img_Exit:
      return;
  }
}

std::optional<ControlId> StandardCalculator::TypeCharacter(int character) {
  const std::optional<ControlId> target = ControlForCharacter(character);
  if (!target) return std::nullopt;
  Click(*target);
  if (IsWindowControl(*target)) return target;
  return std::nullopt;
}

std::optional<ControlId> StandardCalculator::ReleaseKey(int key_code, int modifiers) {
  const ReleaseTargets targets = ControlsForRelease(key_code, modifiers);
  std::optional<ControlId> for_window;
  for (std::size_t i = 0; i < targets.count; ++i) {
    Click(targets.controls[i]);
    if (IsWindowControl(targets.controls[i])) for_window = targets.controls[i];
  }
  return for_window;
}

void StandardCalculator::PressEscape() { Click(kCancelButton); }

void StandardCalculator::ChooseCut(int index) { standard::ChooseCut(calc_, index); }

void StandardCalculator::ChooseDot(int index) { standard::ChooseDot(calc_, index); }

void StandardCalculator::TickReadOut() { ReadOutTick(calc_); }

void StandardCalculator::TickCapture() { CaptureTick(calc_); }

void StandardCalculator::SetDocked(bool docked) { calc_.state.Docked = docked; }

void StandardCalculator::SetPanelOpen(bool open) { calc_.state.PanelOpen = open; }

void StandardCalculator::SetMiniMode(bool mini) { calc_.state.MiniMode = mini; }

}  // namespace korvex::standard
