#include "calculator_harness.h"

namespace korvex::standard::testing {
namespace {

const KeyCase kEntryCases[] = {
    {"ZeroThenDigit", "0 5", {.display = "5", .line = "● 05"}},
    {"SecondLeadingZeroTakenBack", "0 0", {.display = "0", .line = "● 0"}},
    {"DoubleZeroOnEmptyKeepsOne",
     "Img_Sound 00",
     {.display = "0", .line = "● 0", .clips = "wav_yuyin wav_0"}},
    {"DoubleZeroAfterDigit",
     "Img_Sound 5 00",
     {.display = "500", .line = "● 500", .clips = "wav_yuyin wav_5 wav_00"}},
    {"SignThenDoubleZero", "5 +/- 00", {.display = "-500", .line = "● -500"}},
    {"SignOnEmptiedEntryThenDoubleZero", "5 ← +/- 00", {.display = "-0", .line = "● -0"}},
    {"DigitAfterMinusZeroDropsTheZero", "5 ← +/- 0 7", {.display = "-7"}},
    {"SignRecordedInFrontOfTheNumber",
     "12 +/- ＋ 3 ＝",
     {.display = "-9", .history = "● -12＋3=-9\r\n"}},
    {"SecondSignChangeTakesRecordBack", "12 +/- +/-", {.display = "12", .line = "● 12"}},
    {"BackspaceKeepsLineAndDisplayAligned", "12 +/- ← ←", {.display = "-", .line = "● -"}},
    {"PointOnEmptyDisplay", ".", {.display = "0.", .line = "● 0."}},
    {"SecondPointIgnoredAndSilent",
     "Img_Sound 1.5 .",
     {.display = "1.5", .clips = "wav_yuyin wav_1 wav_dian wav_5"}},
    {"PointEntryObeysLimit", "0.1234567890123456", {.display = "0.123456789012"}},
    {"FifteenDigitsKeepFourteenLineKeepsAll",
     "123456789123456",
     {.display = "12345678912345", .color = kEntryColour, .line = "● 123456789123456"}},
    {"SeparatorsLeaveElevenDigits", "Img_ThousandSign 123456789012", {.display = "12,345,678,901"}},
    {"ZerosPastLimitStay", "12345678901234 0 0", {.display = "1234567890123400"}},
    {"NextDigitCutsZerosBack", "12345678901234 0 0 5", {.display = "12345678901234"}},
    {"BackspaceNeverEditsAResult", "12 ＋ 3 ＝ ←", {.display = "15"}},
    {"BackspaceOnEmptyIsSilent", "Img_Sound ←", {.display = "", .clips = "wav_yuyin"}},
    {"ClearEntryEmptiesOnlyTheDisplay",
     "12 C",
     {.display = "", .line = "● 12", .total = "0", .accumulator = ""}},
    {"ClearWithOperatorActsLikeAllButKeepsTotalAndHistory",
     "Img_Sound 2 ＋ 3 ＝ 5 ＋ C",
     {.display = "",
      .sign = "",
      .history = "● 2＋3=5\r\n",
      .total = "5",
      .accumulator = "",
      .clips = "wav_yuyin wav_2 wav_jia wav_3 wav_dengyu wav_5 wav_jia wav_qingchu"}},
    {"ClearAllResetsTotalHistoryAndLine",
     "2 ＋ 3 ＝ 4 ＋ AC",
     {.display = "", .sign = "", .line = "● ", .history = "", .total = "0"}},
    {"DigitAfterResultStartsNewCalculation", "2 ＋ 3 ＝ 4", {.display = "4", .accumulator = ""}},
    {"SeparatorsWhileTyping", "Img_ThousandSign 1234", {.display = "1,234"}},
    {"BackspaceRegroups", "Img_ThousandSign 1234 ←", {.display = "123"}},
    {"CapturedLeadingZerosAllGo", "Img_Paste clip=007 tick1 5", {.display = "75"}},
    {"CapturedZerosBeforePointKeepOne", "Img_Paste clip=00.5 tick1 3", {.display = "0.53"}},
};

INSTANTIATE_TEST_SUITE_P(StandardEntry, StandardKeys, ::testing::ValuesIn(kEntryCases), CaseName);

}  // namespace
}  // namespace korvex::standard::testing
