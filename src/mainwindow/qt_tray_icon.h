#pragma once

#include <memory>

#include "mainwindow/tray_icon.h"

class QSystemTrayIcon;

namespace korvex::mainwindow {

/// The notification-area icon through QSystemTrayIcon, only where the desktop has a
/// notification area; elsewhere it remembers the tip and shows nothing.
class QtTrayIcon : public TrayIcon {
 public:
  QtTrayIcon();
  ~QtTrayIcon() override;
  void Add(const std::string& tip, std::function<void()> on_activated) override;
  void Remove() override;
  std::string Tip() const override { return tip_; }

 private:
  std::unique_ptr<QSystemTrayIcon> icon_;
  std::string tip_;
};

}  // namespace korvex::mainwindow
