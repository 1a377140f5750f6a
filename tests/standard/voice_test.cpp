#include <string>

#include "calculator_harness.h"

namespace korvex::standard::testing {
namespace {

const KeyCase kVoiceCases[] = {
    {"VoiceOffIsSilent", "12 ＋ 34 ＝ tickS tickS", {.clips = ""}},
    {"KeysThenResultReadOut",
     "Img_Sound 12 ＋ 34 ＝ tickS tickS",
     {.clips = "wav_yuyin wav_1 wav_2 wav_jia wav_3 wav_4 wav_dengyu wav_4 wav_6"}},
    {"MinusSignTakesASilentTick",
     "Img_Sound 1 － 4 ＝ tickS tickS",
     {.clips = "wav_yuyin wav_1 wav_jian wav_4 wav_dengyu wav_3"}},
    {"PointIsReadOut",
     "Img_Sound 1 ÷ 4 ＝ tickS tickS tickS tickS",
     {.clips = "wav_yuyin wav_1 wav_chu wav_4 wav_dengyu wav_0 wav_dian wav_2 wav_5"}},
    {"DigitDuringReadOutDoesNotStopIt",
     "Img_Sound 12 ＋ 34 ＝ tickS 5 tickS",
     {.clips = "wav_yuyin wav_1 wav_2 wav_jia wav_3 wav_4 wav_dengyu wav_4 wav_5 wav_6"}},
    {"VoiceOnDuringReadOutMakesRestAudible",
     "12 ＋ 34 ＝ tickS Img_Sound tickS",
     {.clips = "wav_yuyin wav_6"}},
    {"SwitchingOffIsSilent", "Img_Sound Img_Sound 5", {.clips = "wav_yuyin"}},
    {"RootClip", "Img_Sound 9 √ tickS", {.clips = "wav_yuyin wav_9 wav_kf wav_3"}},
    {"IntermediateResultPlaysEquals",
     "Img_Sound 2 ＋ 3 ×",
     {.clips = "wav_yuyin wav_2 wav_jia wav_3 wav_dengyu wav_chen"}},
    {"OperatorWithoutLeftOperandIsSilent", "Img_Sound ＋", {.clips = "wav_yuyin"}},
    {"ClearKeys", "Img_Sound 5 C AC", {.clips = "wav_yuyin wav_5 wav_qingchu wav_quanbu"}},
    {"SignClipOnlyWhenAdded", "Img_Sound 5 +/- +/-", {.clips = "wav_yuyin wav_5 wav_fu"}},
    {"MemoryAndTotalKeysAreSilent", "Img_Sound 5 ＝ M+ MR GT MC", {.clips = "wav_yuyin wav_5"}},
    {"BackspaceClipOnlyWhenRemoving", "Img_Sound 5 ← ←", {.clips = "wav_yuyin wav_5 wav_tuige"}},
};

INSTANTIATE_TEST_SUITE_P(StandardVoice, StandardKeys, ::testing::ValuesIn(kVoiceCases), CaseName);

TEST(StandardReadOut, TimerRunsOneTickPerCharacterVoiceOnOrOff) {
  CalculatorHarness harness;
  harness.Run("1 － 4 ＝");
  EXPECT_EQ(harness.Get("Timer_EntryS.enabled"), "yes");
  EXPECT_EQ(harness.Var("SpeakText"), "-3");
  harness.Run("tickS");
  EXPECT_EQ(harness.Var("SpeakChar"), "-");
  EXPECT_EQ(harness.Get("Timer_EntryS.enabled"), "yes");
  harness.Run("tickS");
  EXPECT_EQ(harness.Var("SpeakChar"), "3");
  EXPECT_EQ(harness.Var("SpeakPos"), "3");
  EXPECT_EQ(harness.Get("Timer_EntryS.enabled"), "no");
  // A new equals restarts the read-out from its first character.
  harness.Run("＝");
  EXPECT_EQ(harness.Var("SpeakText"), "-7");
  EXPECT_EQ(harness.Var("SpeakPos"), "1");
  EXPECT_EQ(harness.Get("Timer_EntryS.enabled"), "yes");
}

// SpeakPos is a 16-bit field; a read-out longer than it can count must end instead of wrapping.
TEST(StandardReadOut, TextLongerThanSpeakPosEndsCleanly) {
  CalculatorHarness harness;
  harness.Run("0. " + std::string(40000, '0') + " ＝");
  EXPECT_EQ(harness.Get("Timer_EntryS.enabled"), "yes");
  for (int i = 0; i < 40010; ++i) harness.calculator.TickReadOut();
  EXPECT_EQ(harness.Get("Timer_EntryS.enabled"), "no");
  EXPECT_EQ(harness.Var("SpeakPos"), "32767");
}

TEST(StandardReadOut, BrokenPlayerKeepsCalculatorRunning) {
  CalculatorHarness harness;
  harness.clips.broken = true;
  harness.Run("Img_Sound 12 ＋ 3 ＝ tickS tickS");
  EXPECT_EQ(harness.calculator.controls().T_Show.text, "15");
  EXPECT_EQ(harness.Var("SoundOn"), "True");
  EXPECT_EQ(harness.Get("Timer_EntryS.enabled"), "no");
}

}  // namespace
}  // namespace korvex::standard::testing
