#pragma once

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

namespace korvex {

/// The platform services the program talks to; the driver and the tests hand in recording ones.
struct Services {
  MessageBox* message_box = nullptr;
  ClipPlayer* clip_player = nullptr;
  Clipboard* clipboard = nullptr;
  DesktopLinks* desktop_links = nullptr;
  Clock* clock = nullptr;
  Screen* screen = nullptr;
};

/// The whole program's run: the program-wide values, the loaded windows, and when the run ends.
class Program : public WindowOpener {
 public:
  explicit Program(const Services& services);

  /// Runs the start with this command line; false when it was refused.
  bool Start(std::string_view command_line);

  /// The names of the loaded windows in load order, a hidden one as "NAME(hidden)".
  std::vector<std::string> LoadedWindows() const;
  /// True while a window is loaded.
  bool Running() const;

  Module1& module1() { return module1_; }
  const Module1& module1() const { return module1_; }
  const Services& services() const { return services_; }

  void Open(StartWindow window) override;

 private:
  Services services_;
  Module1 module1_;
};

}  // namespace korvex
