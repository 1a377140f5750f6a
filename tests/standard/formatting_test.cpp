#include "calculator_harness.h"

namespace korvex::standard::testing {
namespace {

// "cut=1" chooses "直接舍去", "cut=2" "四舍五入"; "dot=N" chooses N places.
const KeyCase kFormatCases[] = {
    {"NoneCutsToLimitInRed", "1 ÷ 3 ＝", {.display = "0.333333333333", .color = kResultRed}},
    {"NoneShortResultInEntryColour", "2 ÷ 4 ＝", {.display = "0.5", .color = kEntryColour}},
    {"NoneFourteenCharactersShowInFull",
     "12345678901233 ＋ 1 ＝",
     {.display = "12345678901234", .color = kEntryColour}},
    {"NoneSeventeenDigitsShowFirstFourteen",
     "12345678901234 × 1000 ＝",
     {.display = "12345678901234", .color = kResultRed, .accumulator = "12345678901234000"}},
    {"NoneCutRightAfterPointDropsPoint",
     "1234567890123 ＋ 0.125 ＝",
     {.display = "1234567890123", .color = kResultRed}},
    {"RoundKeepsShortestText", "cut=2 dot=2 10 ÷ 4 ＝", {.display = "2.5", .color = kResultRed}},
    {"RoundTieGoesToEvenDown", "cut=2 dot=2 1 ÷ 8 ＝", {.display = "0.12"}},
    {"RoundTieGoesToEvenUp", "cut=2 dot=2 0.135 × 1 ＝", {.display = "0.14"}},
    {"RoundTwoThirds", "cut=2 dot=2 2 ÷ 3 ＝", {.display = "0.67"}},
    {"RoundWholeStillRed", "cut=2 dot=2 2 × 3 ＝", {.display = "6", .color = kResultRed}},
    {"RoundNoPlacesTieDown", "cut=2 dot=0 5 ÷ 2 ＝", {.display = "2"}},
    {"RoundNoPlacesTieUp", "cut=2 dot=0 7 ÷ 2 ＝", {.display = "4"}},
    {"RoundIsNotCutToLimit",
     "cut=2 dot=4 99999999999999 × 99999999999999 ＝",
     {.display = "9999999999999800000000000001", .color = kResultRed}},
    {"CutTwoPlaces", "cut=1 dot=2 2 ÷ 3 ＝", {.display = "0.66", .color = kResultRed}},
    {"CutTwoPlacesNegative", "cut=1 dot=2 2 +/- ÷ 3 ＝", {.display = "-0.66"}},
    {"CutWholeResultUnchanged", "cut=1 dot=2 5 × 3 ＝", {.display = "15", .color = kResultRed}},
    {"CutFewerDecimalsThanPlaces", "cut=1 dot=2 1 ÷ 4 ＝", {.display = "0.25"}},
    {"CutNoPlacesRoundsTieUp", "cut=1 dot=0 7 ÷ 2 ＝", {.display = "4"}},
    {"CutNoPlacesRoundsTieDown", "cut=1 dot=0 5 ÷ 2 ＝", {.display = "2"}},
    {"CutNoPlacesBeyondThirtyTwoBits",
     "cut=1 dot=0 5000000000.5 × 1 ＝",
     {.display = "5000000000"}},
    {"CutNoPlacesLargeValue",
     "cut=1 dot=0 99999999999999 × 99999999999999 ＝",
     {.display = "9999999999999800000000000001"}},
    {"SeparatorsSevenDigits", "Img_ThousandSign 1234567", {.display = "1,234,567"}},
    {"SeparatorsNegative", "Img_ThousandSign 1234567 +/-", {.display = "-1,234,567"}},
    {"SeparatorsThreeDigitsNegative", "Img_ThousandSign 123 +/-", {.display = "-123"}},
    {"SeparatorsFourteenDigitResult",
     "cut=2 Img_ThousandSign 12345678901 × 1000 ＝",
     {.display = "12,345,678,901,000"}},
    {"SeparatorsLeaveMessage", "Img_ThousandSign 7 ÷ 0 ＝", {.display = "0不能为除数"}},
    {"SeparatorsOnRegroupShownResult", "1234567 ＝ Img_ThousandSign", {.display = "1,234,567"}},
    {"SeparatorsOffRemoveEveryComma",
     "Img_ThousandSign 1234567 Img_ThousandSign",
     {.display = "1234567"}},
    {"NewModeLeavesShownResult", "1 ÷ 3 ＝ cut=2", {.display = "0.333333333333"}},
};

INSTANTIATE_TEST_SUITE_P(StandardFormatting, StandardKeys, ::testing::ValuesIn(kFormatCases),
                         CaseName);

TEST(StandardFormattingLists, DotListEnabledOnlyForProcessing) {
  CalculatorHarness harness;
  EXPECT_EQ(harness.Get("Combo_Cut"), "不作处理");
  EXPECT_EQ(harness.Get("Combo_Dot.enabled"), "no");
  harness.Run("cut=1 dot=3");
  EXPECT_EQ(harness.Get("Combo_Cut"), "直接舍去");
  EXPECT_EQ(harness.Get("Combo_Dot"), "3");
  EXPECT_EQ(harness.Get("Combo_Dot.enabled"), "yes");
  harness.Run("cut=0");
  EXPECT_EQ(harness.Get("Combo_Dot.enabled"), "no");
  // Items that the lists do not have are not chosen.
  harness.calculator.ChooseDot(7);
  harness.calculator.ChooseCut(-1);
  EXPECT_EQ(harness.Get("Combo_Dot"), "3");
  EXPECT_EQ(harness.Get("Combo_Cut"), "不作处理");
}

}  // namespace
}  // namespace korvex::standard::testing
