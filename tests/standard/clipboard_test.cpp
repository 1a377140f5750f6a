#include <string>

#include "calculator_harness.h"
#include "standard/clipboard_features.h"

namespace korvex::standard::testing {
namespace {

const KeyCase kClipboardCases[] = {
    {"CaptureReplacesResultAndStartsAfresh",
     "2 ＋ 3 ＝ Img_Paste clip=3.14 tick1",
     {.display = "3.14", .accumulator = ""}},
    {"CapturedNumberIsTheOperand", "12 ＋ Img_Paste clip=30 tick1 ＝", {.display = "42"}},
    {"CapturedNumberExtendedByDigits", "Img_Paste clip=30 tick1 5", {.display = "305"}},
    {"CaptureAddsNothingToLine", "Img_Paste clip=30 tick1", {.line = "● "}},
    {"CaptureCutToLimit", "Img_Paste clip=12345678901234abc tick1", {.display = "12345678901234"}},
    {"CaptureRegroups", "Img_ThousandSign Img_Paste clip=1234567 tick1", {.display = "1,234,567"}},
    {"OperatorSwitchesCaptureOff",
     "Img_Paste clip=5 tick1 ＋ clip=7 tick1",
     {.display = "5", .sign = "＋"}},
    {"AutoCopyWithSeparators",
     "Img_Copy Img_ThousandSign 1234567 ＋ 0 ＝",
     {.display = "1,234,567", .clipboard = "1,234,567"}},
    {"CopyKeyWithoutSeparators",
     "Img_ThousandSign 1234567 ＋ 0 ＝ CopyKey",
     {.clipboard = "1234567"}},
    {"CopyKeyOnEmptyDisplayPutsEmptyText", "clip=old CopyKey", {.clipboard = ""}},
    {"AutoCopyOffLeavesClipboard", "clip=old 2 ＋ 3 ＝", {.clipboard = "old"}},
    {"AutoCopyTakesCutResult", "Img_Copy 1 ÷ 3 ＝", {.clipboard = "0.333333333333"}},
};

INSTANTIATE_TEST_SUITE_P(StandardClipboard, StandardKeys, ::testing::ValuesIn(kClipboardCases),
                         CaseName);

TEST(StandardCapture, WhichClipboardTextsAreTaken) {
  struct Row {
    const char* clipboard;
    const char* shown;  // "" when the text is not taken
  };
  const Row rows[] = {
      {"1,234", ""}, {"-5", ""},     {"1e5", ""},        {"12 34", ""},
      {"0", ""},     {"000", ""},    {"0.0", "0.0"},     {"5.", "5."},
      {".5", ".5"},  {"007", "007"}, {"2012/09/28", ""}, {".", ""},
      {"", ""},      {"１２", ""},   {"1.2.3", ""},      {"12345678901234abc", "12345678901234"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.clipboard);
    CalculatorHarness harness;
    harness.clipboard.text = row.clipboard;
    harness.Run("Img_Paste tick1");
    EXPECT_EQ(harness.calculator.controls().T_Show.text, row.shown);
    EXPECT_EQ(harness.Var("Entering"), *row.shown != '\0' ? "True" : "False");
  }
}

TEST(StandardCapture, TimerKeepsRunningAfterTypingSwitchesCaptureOff) {
  CalculatorHarness harness;
  harness.Run("Img_Paste");
  EXPECT_EQ(harness.Get("Img_Paste"), "6");
  EXPECT_EQ(harness.Get("Timer1.enabled"), "yes");
  harness.Run("clip=5 tick1 3");
  EXPECT_EQ(harness.Get("Img_Paste"), "5");
  EXPECT_EQ(harness.Get("Timer1.enabled"), "yes");
  harness.Run("Img_Paste");  // the picture shows off, so the click switches capture on again
  EXPECT_EQ(harness.Get("Img_Paste"), "6");
  harness.Run("Img_Paste");
  EXPECT_EQ(harness.Get("Timer1.enabled"), "no");
}

TEST(StandardCapture, CaptureLimitFollowsTwoRowSwitch) {
  CalculatorHarness harness;
  harness.clipboard.text = "1234567890123456789";
  harness.Run("Img_TwoRows Img_Paste tick1");
  EXPECT_EQ(harness.calculator.controls().T_Show.text, "123456789012345");
  EXPECT_EQ(harness.Var("CaptureText"), "123456789012345");
}

TEST(StandardCapture, ClipboardThatCannotBeUsedChangesNothing) {
  CalculatorHarness harness;
  harness.Run("Img_Copy 12 ＋ 3 Img_Paste");
  harness.clipboard.broken = true;
  harness.Run("tick1 ＝ CopyKey");
  EXPECT_EQ(harness.calculator.controls().T_Show.text, "15");
  EXPECT_EQ(harness.clipboard.writes, 0);
}

}  // namespace
}  // namespace korvex::standard::testing
