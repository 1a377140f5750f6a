#include <string>

#include "calculator_harness.h"

namespace korvex::standard::testing {
namespace {

const KeyCase kPercentRootCases[] = {
    {"PercentOfLeftOperandAdded",
     "200 ＋ 5 %",
     {.display = "210", .history = "● 200＋5=210\r\n", .total = "210"}},
    {"PercentOfLeftOperandSubtracted", "200 － 5 %", {.display = "190"}},
    {"PercentAsHundredthTimes", "200 × 5 %", {.display = "10"}},
    {"PercentAsHundredthDivided", "200 ÷ 5 %", {.display = "4000"}},
    {"PercentWithoutTypedNumberIsTheResult", "200 ＋ %", {.display = "400"}},
    {"PercentWithoutCalculationDoesNothing", "AC 5 %", {.display = "5", .history = ""}},
    {"PercentOnResultDoesNothing", "2 ＋ 3 ＝ %", {.display = "5", .history = "● 2＋3=5\r\n"}},
    {"PercentOnMessageDoesNothing", "7 ÷ 0 ＝ %", {.display = "0不能为除数"}},
    {"PercentWithoutNumericLeftOperandDoesNothing", "5 ← +/- ＋ 5 %", {.display = "-5"}},
    {"RootOnResultDoesNothing", "2 ＋ 3 ＝ √", {.display = "5"}},
    {"RootOfNegativeDoesNothing", "9 +/- √", {.display = "-9", .history = ""}},
    {"RootOfTwoCutToLimit", "2 √", {.display = "1.414213562373", .color = kResultRed}},
    {"RootOfTwoKeptAsDouble", "2 √", {.accumulator = "1.4142135623731"}},
    {"RootOfTwoRounded", "cut=2 dot=2 2 √", {.display = "1.41"}},
    {"RootOfTwoCut", "cut=1 dot=3 2 √", {.display = "1.414"}},
    {"RootGoesIntoTotalAndHistory",
     "Img_Sound 16 √",
     {.display = "4",
      .history = "● 16 开平方等于 4\r\n",
      .total = "4",
      .clips = "wav_yuyin wav_1 wav_6 wav_kf"}},
    {"RootDropsWaitingOperationWithoutTypedNumber",
     "9 ＋ √",
     {.display = "3", .sign = "", .history = "● 9＋ 开平方等于 3\r\n"}},
    {"RootOfNumberTypedAfterOperatorIsTheOperand",
     "2 ＋ 9 √",
     {.display = "5", .sign = "", .history = "● 2＋√9=5\r\n", .total = "5"}},
    {"RootOfSmallNumberInPlainDigits", "0.000000000001 √", {.display = "0.000001"}},
    {"RootOfPointAloneDoesNothing", "0. √ ＋ 5 ＝", {.display = "5", .history = "● 0.＋5=5\r\n"}},
    {"RootOfMessageDoesNothing", "7 ÷ 0 ＝ √", {.display = "0不能为除数", .history = ""}},
};

INSTANTIATE_TEST_SUITE_P(StandardPercentRoot, StandardKeys, ::testing::ValuesIn(kPercentRootCases),
                         CaseName);

// A root whose operand overflows at equals is dropped with the calculation; the next result must
// not be marked as a root.
TEST(StandardRoot, DroppedRootLeavesNoMarkBehind) {
  CalculatorHarness harness;
  const std::string fifty_zeros(50, '0');
  harness.Run("1 " + fifty_zeros + " √");
  EXPECT_EQ(harness.calculator.controls().T_Show.text, "数值超出范围");
  EXPECT_EQ(harness.Var("SqrtResult"), "False");
  harness.Run("5 ＝");
  EXPECT_EQ(harness.calculator.controls().History.T_Hist.text, "● 1" + fifty_zeros + "5=5\r\n");
}

}  // namespace
}  // namespace korvex::standard::testing
