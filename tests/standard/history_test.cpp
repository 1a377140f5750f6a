#include "calculator_harness.h"

namespace korvex::standard::testing {
namespace {

const KeyCase kHistoryCases[] = {
    {"LineOfEqualsAndOfRepeatedEquals",
     "12 ＋ 34 ＝ ＝",
     {.line = "● ", .history = "● 12＋34=46\r\n● 46＋34=80\r\n"}},
    {"ChangedOperatorLeavesLastSign", "12 ＋ － 5 ＝", {.history = "● 12－5=7\r\n"}},
    {"ContinuedCalculationStartsWithResult",
     "40 ＋ 6 ＝ × 2 ＝",
     {.history = "● 40＋6=46\r\n● 46×2=92\r\n"}},
    {"ContinuedFromSeparatedResultWithoutSeparators",
     "Img_ThousandSign 1000 × 1000 ＝ ＋ 1 ＝",
     {.history = "● 1000×1000=1000000\r\n● 1000000＋1=1000001\r\n"}},
    {"RootLine", "9 √", {.history = "● 9 开平方等于 3\r\n"}},
    {"ClearEntryDoesNotShortenLine", "12 C 3 ＋ 4 ＝", {.history = "● 123＋4=7\r\n"}},
    {"EqualsOnEmptyDisplayFinishesNoLine", "＝", {.line = "● ", .history = ""}},
    {"EqualsOnPointAloneFinishesNoLine", "0. ＝ 5 ＝", {.history = "● 0.5=5\r\n"}},
    {"ClearEntryKeepsHistory", "2 ＋ 3 ＝ 4 C", {.history = "● 2＋3=5\r\n"}},
    {"ClearAllEmptiesHistory", "2 ＋ 3 ＝ AC", {.line = "● ", .history = ""}},
    {"TwoRowsLimitFifteen", "Img_TwoRows 1234567890123456", {.display = "123456789012345"}},
    {"TwoRowsTwiceLimitTen", "Img_TwoRows Img_TwoRows 123456789012", {.display = "1234567890"}},
    {"TwoRowsLeavesDisplayText",
     "12345678901234 Img_TwoRows Img_TwoRows",
     {.display = "12345678901234"}},
    {"BackspaceOnCapturedNumberKeepsTheSign",
     "12 ＋ Img_Paste clip=30 tick1 ← ＝",
     {.display = "15", .history = "● 12＋=15\r\n"}},
};

INSTANTIATE_TEST_SUITE_P(StandardHistory, StandardKeys, ::testing::ValuesIn(kHistoryCases),
                         CaseName);

TEST(StandardHistoryWindow, LoadedByFirstLineOrClearAndDiscardedOnUnload) {
  CalculatorHarness harness;
  const HistoryWindow& window = harness.calculator.controls().History;
  EXPECT_FALSE(window.loaded);
  harness.Run("8 ＝");
  EXPECT_TRUE(window.loaded);
  harness.calculator.UnloadHistoryWindow();
  EXPECT_FALSE(window.loaded);
  EXPECT_EQ(window.T_Hist.text, "");
  harness.Run("AC");
  EXPECT_TRUE(window.loaded);
}

TEST(StandardHistoryWindow, TwoRowSwitchPicturesAndFlag) {
  CalculatorHarness harness;
  harness.Run("Img_TwoRows");
  EXPECT_EQ(harness.Get("Img_TwoRows"), "20");
  EXPECT_EQ(harness.Var("TwoRowsOn"), "True");
  EXPECT_EQ(harness.Var("MaxDisplayLen"), "15");
  harness.Run("Img_TwoRows");
  EXPECT_EQ(harness.Get("Img_TwoRows"), "19");
  EXPECT_EQ(harness.Var("MaxDisplayLen"), "10");
}

// The line and the history grow without bound; appending to them must stay cheap however long
// they are, so a long session of keys finishes quickly and keeps every line.
TEST(StandardHistoryWindow, LongSessionKeepsEveryLine) {
  CalculatorHarness harness;
  constexpr int kLines = 20000;
  for (int i = 0; i < kLines; ++i) harness.Run("1 ＋ 2 ＝");
  const std::string& history = harness.calculator.controls().History.T_Hist.text;
  EXPECT_EQ(history.size(), kLines * std::string("● 1＋2=3\r\n").size());
  for (int i = 0; i < 100000; ++i) harness.Run("5");
  EXPECT_EQ(harness.module.HistoryLine.size(), std::string("● ").size() + 100000);
}

}  // namespace
}  // namespace korvex::standard::testing
