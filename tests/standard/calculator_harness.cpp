#include "calculator_harness.h"

#include <map>
#include <stdexcept>

#include "standard/state_query.h"

namespace korvex::standard::testing {

void RecordingClipPlayer::Play(const std::string& name) {
  if (broken) throw std::runtime_error("no audio device");
  played.push_back(name);
}

std::string RecordingClipboard::Text() const {
  if (broken) throw std::runtime_error("clipboard held by another program");
  return text;
}

void RecordingClipboard::SetText(const std::string& new_text) {
  if (broken) throw std::runtime_error("clipboard held by another program");
  text = new_text;
  ++writes;
}

CalculatorHarness::CalculatorHarness() : calculator(module, clips, clipboard, focus) {
  calculator.Load();
}

void CalculatorHarness::Run(std::string_view keys) {
  while (!keys.empty()) {
    const std::size_t space = keys.find(' ');
    const std::string_view key = keys.substr(0, space);
    if (!key.empty()) Key(key);
    if (space == std::string_view::npos) break;
    keys.remove_prefix(space + 1);
  }
}

void CalculatorHarness::Key(std::string_view key) {
  static const std::map<std::string_view, ControlId> kCaptions{
      {"00", ControlId::Cmd_00},         {"←", ControlId::Cmd_Back},
      {"+/-", ControlId::Cmd_Sign},      {"C", ControlId::Cmd_Clean},
      {"AC", ControlId::Cmd_CleanAll},   {"＋", ControlId::Cmd_Addition},
      {"－", ControlId::Cmd_Subtration}, {"×", ControlId::Cmd_Multiplication},
      {"÷", ControlId::Cmd_Division},    {"＝", ControlId::Cmd_Amount},
      {"%", ControlId::Cmd_Percent},     {"√", ControlId::Cmd_Evolution},
      {"M+", ControlId::Cmd_Add},        {"M-", ControlId::Cmd_MJian},
      {"MR", ControlId::Cmd_Read},       {"MC", ControlId::Cmd_CM},
      {"GT", ControlId::Cmd_GT},
  };
  if (const auto caption = kCaptions.find(key); caption != kCaptions.end()) {
    calculator.Click(caption->second);
  } else if (key.find_first_not_of("0123456789.") == std::string_view::npos) {
    for (char c : key)
      calculator.Click(
          c == '.' ? ControlId::Cmd_Dot
                   : static_cast<ControlId>(static_cast<int>(ControlId::Cmd_0) + (c - '0')));
  } else if (key.starts_with("cut=")) {
    calculator.ChooseCut(key[4] - '0');
  } else if (key.starts_with("dot=")) {
    calculator.ChooseDot(key[4] - '0');
  } else if (key.starts_with("clip=")) {
    clipboard.text = std::string(key.substr(5));
  } else if (key == "tick1") {
    calculator.TickCapture();
  } else if (key == "tickS") {
    calculator.TickReadOut();
  } else if (key == "load") {
    calculator.Load();
  } else if (key == "unload") {
    calculator.Unload();
  } else if (const auto control = FindControl(key)) {
    calculator.Click(*control);
  } else if (key == "CopyKey") {
    calculator.Click(ControlId::CopyKey);
  } else {
    ADD_FAILURE() << "unknown key in a test: " << key;
  }
}

std::string CalculatorHarness::Clips() const {
  std::string joined;
  for (const std::string& name : clips.played) {
    if (!joined.empty()) joined += ' ';
    joined += name;
  }
  return joined;
}

std::string CalculatorHarness::Var(std::string_view name) const {
  const auto value =
      ReadVariable(calculator.state(), calculator.controls(), calculator.module(), name);
  EXPECT_TRUE(value.has_value()) << "no variable " << name;
  return value.value_or("");
}

std::string CalculatorHarness::Get(std::string_view query) const {
  const auto value = ReadControl(calculator.controls(), query);
  EXPECT_TRUE(value.has_value()) << "no control state " << query;
  return value.value_or("");
}

void PrintTo(const KeyCase& row, std::ostream* out) { *out << row.keys; }

void ExpectState(const CalculatorHarness& h, const Expect& expect) {
  const Controls& controls = h.calculator.controls();
  if (expect.display) {
    EXPECT_EQ(controls.T_Show.text, *expect.display) << "display";
  }
  if (expect.color) {
    const Rgb& c = controls.T_Show.color;
    EXPECT_TRUE(c == *expect.color)
        << "display colour " << int{c.red} << "," << int{c.green} << "," << int{c.blue};
  }
  if (expect.sign) {
    EXPECT_EQ(controls.T_Sign.text, *expect.sign) << "sign box";
    EXPECT_EQ(controls.T_Sign.visible, !expect.sign->empty()) << "sign box visible";
  }
  if (expect.line) {
    EXPECT_EQ(h.module.HistoryLine, *expect.line) << "HistoryLine";
  }
  if (expect.history) {
    EXPECT_EQ(controls.History.T_Hist.text, *expect.history) << "history";
  }
  if (expect.total) {
    EXPECT_EQ(h.Var("GrandTotal"), *expect.total) << "grand total";
  }
  if (expect.memory) {
    EXPECT_EQ(controls.T_Memory.text, *expect.memory) << "memory";
  }
  if (expect.accumulator) {
    EXPECT_EQ(h.Var("Accumulator"), *expect.accumulator) << "Accumulator";
  }
  if (expect.clips) {
    EXPECT_EQ(h.Clips(), *expect.clips) << "clips";
  }
  if (expect.clipboard) {
    EXPECT_EQ(h.clipboard.text, *expect.clipboard) << "clipboard";
  }
}

TEST_P(StandardKeys, Sequence) {
  CalculatorHarness harness;
  harness.Run(GetParam().keys);
  SCOPED_TRACE(GetParam().keys);
  ExpectState(harness, GetParam().expect);
}

std::string CaseName(const ::testing::TestParamInfo<KeyCase>& info) { return info.param.name; }

}  // namespace korvex::standard::testing
