#include "calculator_harness.h"

namespace korvex::standard::testing {
namespace {

const KeyCase kMemoryCases[] = {
    {"AddToEmptyStoresShownNumberWithoutSeparators",
     "Img_ThousandSign 1234.5 ＝ M+",
     {.display = "1,234.5", .memory = "1234.5"}},
    {"AddAndSubtractIgnoreNumberBeingTyped", "12 M+ M-", {.display = "12", .memory = ""}},
    {"AddWhileTypingLeavesTypingAlone",
     "5 ＝ M+ 3 M+ 4",
     {.display = "34", .line = "● 34", .memory = "8"}},
    {"SubtractFromEmptyNegates", "2.5 ＝ M-", {.memory = "-2.5"}},
    {"SubtractZeroFromEmptyHasNoMinus", "0 ＝ M-", {.memory = "0"}},
    {"SubtractFromRegister", "10 ＝ M+ 4 ＝ M-", {.memory = "6"}},
    {"SubtractTinyWritesExponentForm", "1 ÷ 100000 ＝ M-", {.memory = "-1E-05"}},
    {"ExponentFormRecalledAndComputed",
     "1 ÷ 100000 ＝ M- AC MR ＋ 1 ＝",
     {.display = "0.99999", .history = "● -1E-05＋1=0.99999\r\n"}},
    {"RecallFromEmptyChangesNothing", "5 MR", {.display = "5", .line = "● 5"}},
    {"RecallShowsSeparatorsRecordsWithout",
     "1234 ＝ M+ Img_ThousandSign AC MR",
     {.display = "1,234", .line = "● 1234", .memory = "1234"}},
    {"RecallReplacesNumberBeingTyped",
     "5 ＝ M+ AC 12 MR ＋ 1 ＝",
     {.display = "6", .history = "● 5＋1=6\r\n"}},
    {"DigitsExtendRecalledNumber", "5 ＝ M+ AC MR 3", {.display = "53", .line = "● 53"}},
    {"ClearThenRecallRecallsNothing",
     "5 ＝ M+ MC AC MR",
     {.display = "", .line = "● ", .memory = ""}},
    {"GrandTotalRightAfterLoad", "GT", {.display = "0", .line = "● 0", .total = "0"}},
    {"GrandTotalSumsResults", "2 ＋ 3 ＝ 4 × 5 ＝ GT", {.display = "25", .line = "● 25"}},
    {"GrandTotalReplacesNumberBeingTyped",
     "2 ＝ 3 GT ＋ 1 ＝",
     {.display = "3", .history = "● 2=2\r\n● 2＋1=3\r\n"}},
    {"ClearAllResetsTotalNotMemory", "5 ＝ M+ 2 ＋ 3 ＝ AC GT", {.display = "0", .memory = "5"}},
    {"GrandTotalCutToLimitRecordedInFull",
     "cut=2 99999999 × 99999999 ＝ GT",
     {.display = "99999998000000", .color = kEntryColour, .line = "● 9999999800000001"}},
    {"AddOnMessageDoesNothing", "7 ÷ 0 ＝ M+", {.display = "0不能为除数", .memory = ""}},
    {"SubtractOnMessageDoesNothing", "7 ÷ 0 ＝ M-", {.memory = ""}},
    {"AddMessageToRegisterDoesNothing", "5 ＝ M+ 7 ÷ 0 ＝ M+", {.memory = "5"}},
    {"SubtractEmptyDisplayDoesNothing", "M-", {.memory = ""}},
    {"SumBeyondTypeShowsMessageKeepsRegister",
     "40000000000000000000000000000 ＝ M+ M+",
     {.display = "数值超出范围", .memory = "40000000000000000000000000000"}},
};

INSTANTIATE_TEST_SUITE_P(StandardMemory, StandardKeys, ::testing::ValuesIn(kMemoryCases), CaseName);

}  // namespace
}  // namespace korvex::standard::testing
