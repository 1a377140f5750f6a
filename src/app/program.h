#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/start_up.h"
#include "common/clip_player.h"
#include "common/clipboard.h"
#include "common/clock.h"
#include "common/desktop_links.h"
#include "common/message_box.h"
#include "common/module1.h"
#include "common/screen.h"
#include "mainwindow/tray_icon.h"
#include "standard/services.h"
#include "standard/standard_calculator.h"

namespace korvex {

namespace mainwindow {
class MainWindow;
}

/// The platform services the program talks to; the driver and the tests hand in recording ones.
struct Services {
  MessageBox* message_box = nullptr;
  ClipPlayer* clip_player = nullptr;
  Clipboard* clipboard = nullptr;
  DesktopLinks* desktop_links = nullptr;
  Clock* clock = nullptr;
  Screen* screen = nullptr;
  mainwindow::TrayIcon* tray = nullptr;
  /// False where a script fires the windows' timers itself.
  bool live_timers = true;
};

/// The whole program's run: the program-wide values, the loaded windows, and when the run ends.
class Program : public WindowOpener, private standard::WindowFocus {
 public:
  explicit Program(const Services& services);
  ~Program() override;

  /// Runs the start with this command line; false when it was refused.
  bool Start(std::string_view command_line);

  /// The names of the loaded windows in load order, a hidden one as "NAME(hidden)".
  std::vector<std::string> LoadedWindows() const;
  /// True while a window is loaded.
  bool Running() const;

  Module1& module1() { return module1_; }
  const Module1& module1() const { return module1_; }
  const Services& services() const { return services_; }
  /// The standard calculator, which lives for the whole run.
  const standard::StandardCalculator& standard() const { return *standard_; }
  /// The main window while it is loaded, else null.
  mainwindow::MainWindow* main_window() const { return main_window_; }

  void Open(StartWindow window) override;

 private:
  void FocusWindow() override;
  void PerformWindowControl(standard::ControlId control);
  void CloseMainWindow();

  Services services_;
  Module1 module1_;
  std::unique_ptr<standard::StandardCalculator> standard_;
  mainwindow::MainWindow* main_window_ = nullptr;
};

}  // namespace korvex
