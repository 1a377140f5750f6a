#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/program.h"
#include "driver/recording_tray.h"

class QString;
class QWidget;

namespace korvex::driver {

/// The script commands that act on the loaded windows' real widgets, or ask them.
class WindowCommands {
 public:
  WindowCommands(Program& program, RecordingTray& tray) : program_(program), tray_(tray) {}

  /// Carries out a window command: nullopt when `command` is none of them, "\x01" for an action
  /// that prints nothing, else the query's answer.
  std::optional<std::string> Run(std::string_view command, std::string_view rest);

 private:
  std::string Act(std::string_view command, std::string_view rest);
  std::string Set(QWidget& widget, std::string_view name, const QString& text);
  std::string Resize(std::string_view size);
  std::string Select(QWidget& widget, std::string_view name, std::string_view range);
  std::string Get(std::string_view what) const;
  QWidget* Find(std::string_view name) const;
  QWidget* ActiveWindow() const;

  Program& program_;
  RecordingTray& tray_;
};

/// The answer of an action, which prints nothing.
inline constexpr std::string_view kNoAnswer = "\x01";

}  // namespace korvex::driver
