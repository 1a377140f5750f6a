// Feeds any bytes to the command-line checks: a refused line opens no window, an accepted one
// opens exactly the window its start mode names, with a number of places the list offers.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/command_line.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using korvex::StartWindow;
  const korvex::StartDecision d =
      korvex::CheckCommandLine(std::string_view(reinterpret_cast<const char*>(data), size));
  Require(d.CommandOptions.find(' ') == std::string::npos);
  if (!d.error.empty()) {
    Require(d.window == StartWindow::None);
    return 0;
  }
  Require(d.StartDecimals >= 0 && d.StartDecimals <= 4);
  Require(d.StartMode == 0 || d.StartMode == 1 || d.StartMode == 6 || d.StartMode == 7);
  const bool expression = d.StartMode == 1 || d.StartMode == 7;
  if (d.CommandOptions == "/f7")
    Require(d.window == StartWindow::Mortgage);
  else
    Require(d.window == (expression ? StartWindow::Expression : StartWindow::Standard));
  return 0;
}
