#pragma once

#include <functional>
#include <string>

namespace korvex::mainwindow {

/// The notification-area icon that shows while the main window is loaded.
class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  /// Adds the icon with this tip; `on_activated` runs when the user clicks it.
  virtual void Add(const std::string& tip, std::function<void()> on_activated) = 0;
  /// Removes the icon; nothing happens when none is shown.
  virtual void Remove() = 0;
  /// The tip of the icon shown, "" while there is none.
  virtual std::string Tip() const = 0;
};

/// The tip: the program's title, two spaces and the major and minor version.
std::string TrayTip();

}  // namespace korvex::mainwindow
