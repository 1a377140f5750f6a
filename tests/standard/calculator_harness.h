#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/clip_player.h"
#include "common/clipboard.h"
#include "common/module1.h"
#include "standard/controls.h"
#include "standard/services.h"
#include "standard/standard_calculator.h"

namespace korvex::standard::testing {

// Records every clip asked for; `broken` makes it throw like a player without a device.
class RecordingClipPlayer : public ClipPlayer {
 public:
  void Play(const std::string& name) override;
  std::vector<std::string> played;
  bool broken = false;
};

// A clipboard in memory; `broken` makes every call throw like a clipboard held by another program.
class RecordingClipboard : public Clipboard {
 public:
  std::string Text() const override;
  void SetText(const std::string& text) override;
  std::string text;
  int writes = 0;
  bool broken = false;
};

class RecordingFocus : public WindowFocus {
 public:
  void FocusWindow() override { ++count; }
  int count = 0;
};

// A freshly loaded calculator on recording services, driven by a line of keys.
//
// Keys are separated by spaces: a button caption ("00", ".", "←", "+/-", "C", "AC", "＋", "－",
// "×", "÷", "＝", "%", "√", "M+", "M-", "MR", "MC", "GT"), a run of digits and points typed one
// by one ("12.5"), a control name ("Img_Sound", "CopyKey"), "cut=N" and "dot=N" for the two
// lists, "clip=TEXT" for another program putting TEXT on the clipboard, "tick1" and "tickS" for
// the timers, "load" and "unload" for the window.
class CalculatorHarness {
 public:
  CalculatorHarness();
  void Run(std::string_view keys);
  void Key(std::string_view key);
  // The clips played so far, space-separated.
  std::string Clips() const;
  std::string Var(std::string_view name) const;
  std::string Get(std::string_view query) const;

  Module1 module;
  RecordingClipPlayer clips;
  RecordingClipboard clipboard;
  RecordingFocus focus;
  StandardCalculator calculator;
};

// What a key sequence must leave; fields left empty are not checked.
struct Expect {
  std::optional<std::string> display = {};
  std::optional<Rgb> color = {};
  std::optional<std::string> sign = {};  // "" means empty and hidden
  std::optional<std::string> line = {};  // HistoryLine
  std::optional<std::string> history = {};
  std::optional<std::string> total = {};
  std::optional<std::string> memory = {};
  std::optional<std::string> accumulator = {};
  std::optional<std::string> clips = {};
  std::optional<std::string> clipboard = {};
};

// One row of a table: a name that says what it shows, the keys, and what they leave.
struct KeyCase {
  const char* name;
  const char* keys;
  Expect expect;
};

// Prints a row by its keys, for the failure messages.
void PrintTo(const KeyCase& row, std::ostream* out);

void ExpectState(const CalculatorHarness& harness, const Expect& expect);

// Every table of key sequences instantiates this one parametrized test.
class StandardKeys : public ::testing::TestWithParam<KeyCase> {};

std::string CaseName(const ::testing::TestParamInfo<KeyCase>& info);

}  // namespace korvex::standard::testing
