#pragma once

#include <string_view>

#include "app/command_line.h"
#include "common/message_box.h"
#include "common/module1.h"

namespace korvex {

/// Loads the calculator windows; implemented by the program's window manager.
class WindowOpener {
 public:
  virtual ~WindowOpener() = default;
  /// Loads and shows the given calculator window.
  virtual void Open(StartWindow window) = 0;
};

/// The program's start: sets the program-wide values, checks the command line, and either shows
/// its error box (returning false) or opens the first window (returning true).
bool Main(Module1& module1, std::string_view command_line, MessageBox& box, WindowOpener& opener);

}  // namespace korvex
