#include <optional>
#include <vector>

#include "calculator_harness.h"
#include "standard/key_map.h"

namespace korvex::standard::testing {
namespace {

TEST(StandardKeyMap, CharacterTable) {
  struct Row {
    int character;
    std::optional<ControlId> target;
  };
  const Row rows[] = {
      {'5', ControlId::Cmd_5},
      {'i', ControlId::Cmd_5},
      {'I', ControlId::Cmd_5},
      {'m', ControlId::Cmd_0},
      {'O', ControlId::Cmd_6},
      {'j', ControlId::Cmd_1},
      {'\r', ControlId::Cmd_Amount},
      {'=', ControlId::Cmd_Amount},
      {'*', ControlId::Cmd_Multiplication},
      {'/', ControlId::Cmd_Division},
      {'\b', ControlId::Cmd_Back},
      {'.', ControlId::Cmd_Dot},
      {' ', std::nullopt},
      {'%', std::nullopt},
      {27, std::nullopt},
      {'b', std::nullopt},
      {-1, std::nullopt},
      {0x4E00, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.character);
    EXPECT_EQ(ControlForCharacter(row.character), row.target);
  }
}

TEST(StandardKeyMap, ReleaseTableAndModifierRule) {
  struct Row {
    int key_code;
    int modifiers;
    std::vector<ControlId> targets;
  };
  const Row rows[] = {
      {'B', kShift, {ControlId::Cmd_Percent}},
      {'G', kShift, {ControlId::Cmd_GT}},
      {'A', kCtrl, {ControlId::Cmd_Add}},
      {'A', kCtrl + kShift, {}},
      {'A', 0, {}},
      {'J', 0, {}},
      {'J', kCtrl, {ControlId::Cmd_MJian}},
      {'C', kCtrl, {ControlId::Cmd_CM, ControlId::CopyKey}},
      {'C', 0, {ControlId::CopyKey}},
      {'C', kCtrl + kAlt, {ControlId::CopyKey}},
      {keys::kDelete, 0, {ControlId::Cmd_Clean}},
      {keys::kF4, kAlt, {ControlId::Img_Exit}},
      {keys::kF4, 0, {}},
      {keys::kF2, kShift, {ControlId::Img_Expression}},
      {keys::kF3, 0, {ControlId::Img_Sound}},
      {'H', 0, {ControlId::Img_History}},
      {'D', 0, {ControlId::Img_TwoRows}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.key_code << " with " << row.modifiers);
    const ReleaseTargets found = ControlsForRelease(row.key_code, row.modifiers);
    EXPECT_EQ(std::vector<ControlId>(found.controls.begin(), found.controls.begin() + found.count),
              row.targets);
  }
}

TEST(StandardKeyMap, ControlNamesRoundTrip) {
  for (std::size_t i = 0; i + 1 < kControlCount; ++i) {
    const auto control = static_cast<ControlId>(i);
    EXPECT_EQ(FindControl(ControlName(control)), control) << ControlName(control);
  }
  EXPECT_EQ(FindControl(""), std::nullopt);
  EXPECT_EQ(FindControl("Cmd_Nothing"), std::nullopt);
}

TEST(StandardKeyMap, KeysPerformTheirClicks) {
  CalculatorHarness harness;
  StandardCalculator& calc = harness.calculator;
  for (int character : {'1', 'k', '+', 'l', '\r'})
    EXPECT_EQ(calc.TypeCharacter(character), std::nullopt);
  EXPECT_EQ(calc.controls().T_Show.text, "15");
  // Ctrl+A stores the result; Ctrl+C empties the register and copies the display.
  EXPECT_EQ(calc.ReleaseKey('A', kCtrl), std::nullopt);
  EXPECT_EQ(calc.controls().T_Memory.text, "15");
  EXPECT_EQ(calc.ReleaseKey('C', kCtrl), std::nullopt);
  EXPECT_EQ(calc.controls().T_Memory.text, "");
  EXPECT_EQ(harness.clipboard.text, "15");
  // Holding G repeats no press: the total shows once, at the release.
  EXPECT_EQ(calc.ReleaseKey('G', 0), std::nullopt);
  EXPECT_EQ(harness.module.HistoryLine, "● 15");
  // The window's own rows come back for the window to perform; H also loads the history window.
  EXPECT_EQ(calc.ReleaseKey(keys::kF2, 0), ControlId::Img_Expression);
  EXPECT_EQ(calc.ReleaseKey('H', 0), ControlId::Img_History);
  EXPECT_TRUE(calc.controls().History.loaded);
  EXPECT_EQ(calc.ReleaseKey(keys::kF3, 0), std::nullopt);
  EXPECT_EQ(calc.state().SoundOn, true);
  calc.PressEscape();
  EXPECT_EQ(calc.controls().T_Show.text, "");
  EXPECT_EQ(harness.Var("GrandTotal"), "0");
}

}  // namespace
}  // namespace korvex::standard::testing
