#include <string>

#include "calculator_harness.h"
#include "standard/operations.h"

namespace korvex::standard::testing {
namespace {

const std::string kMessage(kOverflowMessage);

const KeyCase kOperationCases[] = {
    {"DoneWhenRepeatedEquals",
     "12 ＋ 34 ＝ ＝",
     {.display = "80", .history = "● 12＋34=46\r\n● 46＋34=80\r\n", .total = "126"}},
    {"OperatorAsFirstKeyDoesNothing", "＋", {.display = "", .sign = "", .line = "● "}},
    {"OperatorAfterClearAllDoesNothing", "5 AC ×", {.display = "", .sign = "", .line = "● "}},
    {"SecondOperatorReplacesFirst", "5 ＋ × 3 ＝", {.display = "15", .history = "● 5×3=15\r\n"}},
    {"EqualsWithoutOperandComputesNothing",
     "5 ＋ ＝",
     {.display = "5", .history = "● 5＋=5\r\n", .total = "5"}},
    {"RepeatedEqualsWithNothingWaitingRecordsOnlyTheResult",
     "5 ＋ ＝ ＝",
     {.display = "5", .history = "● 5＋=5\r\n● 5=5\r\n", .total = "10"}},
    {"DivisionByZero",
     "7 ÷ 0 ＝",
     {.display = "0不能为除数",
      .sign = "",
      .line = "● 7÷0",
      .history = "",
      .total = "0",
      .accumulator = ""}},
    {"OperatorAndEqualsLeaveTheMessage",
     "7 ÷ 0 ＝ ＋ ＝",
     {.display = "0不能为除数", .sign = "", .line = "● 7÷0", .history = ""}},
    {"NextCalculationAfterMessageExtendsTheLine",
     "7 ÷ 0 ＝ 5 ＋ 3 ＝",
     {.display = "8", .history = "● 7÷05＋3=8\r\n", .total = "8"}},
    {"DecimalArithmeticIsExact", "0.1 ＋ 0.2 ＝", {.display = "0.3"}},
    {"QuotientKeptInFull",
     "1 ÷ 3 ＝",
     {.display = "0.333333333333", .accumulator = "0.3333333333333333333333333333"}},
    {"FullQuotientTimesThree",
     "1 ÷ 3 ＝ × 3 ＝",
     {.display = "0.999999999999", .color = kResultRed}},
    {"SingleNumberEquals", "8 ＝", {.display = "8", .history = "● 8=8\r\n", .total = "8"}},
    {"OperatorContinuesFromResult",
     "2 ＋ 3 ＝ × 4 ＝",
     {.display = "20", .history = "● 2＋3=5\r\n● 5×4=20\r\n"}},
    {"ChainShowsIntermediateResult", "2 ＋ 3 ×", {.display = "5", .sign = "×"}},
    {"ChainRunsLeftToRight", "2 ＋ 3 × 4 ＝", {.display = "20", .history = "● 2＋3×4=20\r\n"}},
    {"RepeatedEqualsRepeatsLastOperation", "2 ＋ 3 ＝ ＝ ＝", {.display = "11", .total = "24"}},
    {"EmptiedDisplayAtRepeatedEqualsClosesNothing",
     "8 ＝ ＝ C ＝",
     {.display = "", .line = "● ", .history = "● 8=8\r\n● 8=8\r\n", .total = "16"}},
    {"ResultBeyondTypeShowsMessage",
     "99999999999999 × 99999999999999 ＝ × 99999999999999 ＝",
     {.display = kMessage,
      .sign = "",
      .history = "● 99999999999999×99999999999999=99999999999998\r\n",
      .total = "99999999999998",
      .accumulator = ""}},
    {"CalculatorGoesOnAfterOverflow",
     "99999999999999 × 99999999999999 ＝ × 99999999999999 ＝ 5 ＋ 1 ＝",
     {.display = "6"}},
    {"RepeatedEqualsBeyondTypeStopsThere",
     "10000000 × 10000000000000 ＝ ＝",
     {.display = kMessage, .total = "10000000000000", .accumulator = ""}},
    {"DigitAfterRepeatedOverflowStartsAfresh",
     "10000000 × 10000000000000 ＝ ＝ ＝ 5",
     {.display = "5"}},
    {"OperandBeyondTypeShowsMessage",
     "100000000000000000000000000000 ＋",
     {.display = kMessage, .sign = "", .total = "0", .accumulator = ""}},
    {"LoneMinusIsNoOperand", "5 ＋ 3 ← +/- ＝", {.display = "-", .history = "", .total = "0"}},
    {"LoneMinusStaysForTheNextNumber", "5 ＋ 3 ← +/- × 2 ＝", {.display = "-10"}},
    {"LoneMinusNeverBecomesLeftOperand", "5 ← +/- ＋", {.sign = "", .accumulator = ""}},
    {"GrandTotalBeyondTypeShowsMessageAtGT",
     "40000000000000000000000000000 ＝ ＝ GT",
     {.display = kMessage, .total = kMessage}},
    {"ClearAllResetsOverflowedTotal",
     "40000000000000000000000000000 ＝ ＝ AC GT",
     {.display = "0", .total = "0"}},
};

INSTANTIATE_TEST_SUITE_P(StandardOperations, StandardKeys, ::testing::ValuesIn(kOperationCases),
                         CaseName);

}  // namespace
}  // namespace korvex::standard::testing
