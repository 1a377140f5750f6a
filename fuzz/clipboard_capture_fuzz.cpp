// Puts any bytes on the clipboard while number capture is on and lets the capture tick take them:
// the display then holds nothing or a number within the display's limit, never anything else.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/decimal.h"
#include "common/utf8_text.h"
#include "standard/standard_calculator.h"

namespace {

using korvex::standard::ControlId;

struct SilentClips : korvex::ClipPlayer {
  void Play(const std::string&) override {}
};

struct MemoryClipboard : korvex::Clipboard {
  std::string text;
  std::string Text() const override { return text; }
  void SetText(const std::string& value) override { text = value; }
};

struct NoFocus : korvex::standard::WindowFocus {
  void FocusWindow() override {}
};

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  korvex::Module1 module;
  SilentClips clips;
  MemoryClipboard clipboard;
  NoFocus focus;
  korvex::standard::StandardCalculator calc(module, clips, clipboard, focus);
  calc.Load();
  // The first byte chooses the separators, so both display forms are fuzzed.
  if (size > 0 && (data[0] & 1) != 0) calc.Click(ControlId::Img_ThousandSign);
  calc.Click(ControlId::Img_Paste);
  clipboard.text.assign(reinterpret_cast<const char*>(data), size);
  calc.TickCapture();

  const std::string& display = calc.controls().T_Show.text;
  if (display.empty()) return 0;
  Require(korvex::Decimal::Parse(display).ok());
  // Grouping adds at most one separator per three digits to a text cut to the limit.
  Require(korvex::utf8::Length(display) <= static_cast<std::size_t>(module.MaxDisplayLen) * 2);
  return 0;
}
