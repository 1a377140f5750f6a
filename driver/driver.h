#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "app/program.h"
#include "app/qt_platform_services.h"
#include "driver/recording_services.h"
#include "driver/recording_tray.h"
#include "driver/window_commands.h"

namespace korvex::driver {

/// Runs the program on recording services and answers a script's commands, one line each.
class Driver {
 public:
  /// Starts the program with this command line at once.
  explicit Driver(std::string_view command_line);

  /// Carries out one script line, writing a query's one-line answer to `out`.
  void Execute(std::string_view line, std::ostream& out);

 private:
  std::string Query(std::string_view command, std::string_view rest);
  std::string Variable(std::string_view name) const;

  RecordingMessageBox message_box_;
  RecordingClipPlayer clip_player_;
  RecordingLinks links_;
  ScriptClock clock_;
  ScriptScreen screen_;
  // The process's own clipboard: another program's text is played by the script.
  QtClipboard clipboard_;
  RecordingTray tray_;
  Program program_;
  WindowCommands windows_;
};

}  // namespace korvex::driver
