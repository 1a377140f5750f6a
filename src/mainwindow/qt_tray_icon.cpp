#include "mainwindow/qt_tray_icon.h"

#include <QSystemTrayIcon>

#include "resources/pictures/picture_list.h"

namespace korvex::mainwindow {

std::string TrayTip() { return "Korvex 桌面计算器  5.0"; }

QtTrayIcon::QtTrayIcon() = default;
QtTrayIcon::~QtTrayIcon() = default;

void QtTrayIcon::Add(const std::string& tip, std::function<void()> on_activated) {
  tip_ = tip;
  // Without a notification area the icon is not shown at all; QSystemTrayIcon would claim it is.
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  icon_ = std::make_unique<QSystemTrayIcon>(ProgramIcon());
  icon_->setToolTip(QString::fromStdString(tip));
  QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                   [on_activated](QSystemTrayIcon::ActivationReason) {
                     if (on_activated) on_activated();
                   });
  icon_->show();
}

void QtTrayIcon::Remove() {
  tip_.clear();
  icon_.reset();
}

}  // namespace korvex::mainwindow
