#pragma once

#include <string>

#include "mainwindow/tray_icon.h"

namespace korvex::driver {

/// The notification-area icon, recorded: only its tip is kept while it is shown.
class RecordingTray : public mainwindow::TrayIcon {
 public:
  void Add(const std::string& tip, std::function<void()> on_activated) override {
    tip_ = tip;
    on_activated_ = std::move(on_activated);
  }
  void Remove() override {
    tip_.clear();
    on_activated_ = nullptr;
  }
  std::string Tip() const override { return tip_; }

 private:
  std::string tip_;
  std::function<void()> on_activated_;
};

}  // namespace korvex::driver
