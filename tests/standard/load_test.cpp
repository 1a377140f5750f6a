#include "calculator_harness.h"
#include "standard/state_query.h"

namespace korvex::standard::testing {
namespace {

TEST(StandardLoad, FreshWindowState) {
  CalculatorHarness harness;
  const Controls& controls = harness.calculator.controls();
  EXPECT_EQ(harness.Get("T_Show"), "");
  EXPECT_EQ(harness.Get("T_Show.color"), "0,0,255");
  EXPECT_EQ(harness.Get("T_Sign.visible"), "no");
  EXPECT_EQ(harness.Get("Img_Sound"), "1");
  EXPECT_EQ(harness.Get("Img_Copy"), "3");
  EXPECT_EQ(harness.Get("Img_Paste"), "5");
  EXPECT_EQ(harness.Get("Img_ThousandSign"), "11");
  EXPECT_EQ(harness.Get("Img_TwoRows"), "19");
  EXPECT_EQ(harness.Get("Combo_Cut"), "不作处理");
  EXPECT_EQ(harness.Get("Combo_Dot"), "0");
  EXPECT_EQ(harness.Get("Timer1.enabled"), "no");
  EXPECT_EQ(harness.Get("Timer_EntryS.enabled"), "no");
  EXPECT_FALSE(controls.History.loaded);
  EXPECT_EQ(harness.Var("GrandTotal"), "0");
  EXPECT_EQ(harness.Var("Entering"), "False");
  EXPECT_EQ(harness.Var("SoundOn"), "False");
  EXPECT_EQ(harness.Var("KeepHistoryWindow"), "True");
  // Fields no load step names hold nothing until a key sets them.
  EXPECT_EQ(harness.Var("SqrtResult"), "");
  EXPECT_EQ(harness.Var("Accumulator"), "");
  EXPECT_EQ(harness.Var("Docked"), "");
  EXPECT_EQ(harness.Var("SpeakPos"), "0");
  EXPECT_EQ(ReadVariable(harness.calculator.state(), controls, harness.module, "NoSuchField"),
            std::nullopt);
}

TEST(StandardLoad, SecondLoadKeepsTheFieldsThatSurvive) {
  CalculatorHarness harness;
  harness.Run("Img_Sound Img_ThousandSign Img_TwoRows Img_Copy Img_Paste cut=2 2 ＋ 3 ＝ M+");
  harness.module.KeepHistoryWindow = false;
  harness.calculator.UnloadHistoryWindow();
  harness.Run("unload load");
  // The window's controls and the named fields start afresh ...
  EXPECT_EQ(harness.Get("T_Show"), "");
  EXPECT_EQ(harness.Get("T_Memory"), "");
  EXPECT_EQ(harness.Get("T_Hist"), "");
  EXPECT_EQ(harness.Get("Img_Sound"), "1");
  EXPECT_EQ(harness.Get("Combo_Cut"), "不作处理");
  EXPECT_EQ(harness.Var("GrandTotal"), "0");
  EXPECT_EQ(harness.Var("SoundOn"), "False");
  EXPECT_EQ(harness.Var("ThousandSignOn"), "False");
  EXPECT_EQ(harness.Var("TwoRowsOn"), "False");
  EXPECT_EQ(harness.Var("KeepHistoryWindow"), "True");
  // ... the others carry over, and so do the program-wide values.
  EXPECT_EQ(harness.Var("Accumulator"), "5");
  EXPECT_EQ(harness.Var("PendingSign"), "＋");
  EXPECT_EQ(harness.Var("LastOperand"), "3");
  EXPECT_EQ(harness.Var("AfterEquals"), "True");
  EXPECT_EQ(harness.Var("SpeakText"), "5");
  EXPECT_EQ(harness.Var("MaxDisplayLen"), "15");
  EXPECT_EQ(harness.Var("HistoryLine"), "● ");
  // An operator continues from the result that survived.
  harness.Run("＋ 4 ＝");
  EXPECT_EQ(harness.Get("T_Show"), "9");
}

TEST(StandardLoad, ControlStateByName) {
  CalculatorHarness harness;
  harness.Run("cut=1 dot=2 2 ÷ 3 ＋");
  EXPECT_EQ(harness.Get("T_Show"), "0.66");
  EXPECT_EQ(harness.Get("T_Show.color"), "255,0,0");
  EXPECT_EQ(harness.Get("T_Sign"), "＋");
  EXPECT_EQ(harness.Get("T_Sign.visible"), "yes");
  EXPECT_EQ(harness.Get("Combo_Dot"), "2");
  EXPECT_EQ(harness.Get("Combo_Dot.enabled"), "yes");
  EXPECT_EQ(harness.Var("Accumulator"), "0.6666666666666666666666666667");
  EXPECT_EQ(harness.Var("Entering"), "False");
  EXPECT_EQ(ReadControl(harness.calculator.controls(), "T_Show.font"), std::nullopt);
  EXPECT_EQ(ReadControl(harness.calculator.controls(), "Img_Exit"), std::nullopt);
}

TEST(StandardLoad, KeysReturnFocusToTheWindow) {
  CalculatorHarness harness;
  harness.Run("5");
  EXPECT_EQ(harness.focus.count, 1);
  harness.Run("＋ 3 ＝");
  EXPECT_GE(harness.focus.count, 3);
}

}  // namespace
}  // namespace korvex::standard::testing
