#pragma once

#include <QHash>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "mainwindow/history_window.h"
#include "mainwindow/key_preview.h"
#include "mainwindow/tray_icon.h"
#include "standard/standard_calculator.h"

namespace korvex::mainwindow {

/// The standard calculator's window `Ruvadavo`: frameless, on top, without a task-bar button. It
/// shows the logic's controls and hands the logic every click, key and tick.
class MainWindow : public QWidget {
  Q_OBJECT
 public:
  /// `window_control` performs the controls that lead away from this window (exit, the other
  /// calculators, the panel). Timers run on their own only when `live_timers` is true; otherwise
  /// only `FireTimer` fires them.
  MainWindow(standard::StandardCalculator& calc, TrayIcon& tray,
             std::function<void(standard::ControlId)> window_control, bool live_timers);
  ~MainWindow() override;

  /// The load steps, centred on a screen of `screen_twips` size.
  void Load(const QSize& screen_twips);
  /// The unload: the history window goes, the icon is removed.
  void Unload();

  /// The history window, null while it is not loaded.
  HistoryWindow* History() const { return history_.get(); }
  /// Fires timer `name` once if it is running; false for a name the window has no timer of.
  bool FireTimer(const QString& name);
  /// The window system restores the minimized window.
  void RestoreFromMinimized();
  /// Takes the keyboard focus.
  void TakeFocus();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void BuildControls();
  void ConnectControls();
  void Perform(standard::ControlId control);
  void PerformWindowControl(standard::ControlId control);
  void ShowHistory();
  // Mirrors the logic's controls into the widgets (state_mirror.cpp).
  void Mirror();
  void MirrorTimers();
  // The frame's rules (frame.cpp).
  void ResetTitleButtons();
  void ToggleMiniMode();
  void Minimize();
  void SizeRule();
  void SetTwipsSize(int width, int height);
  template <typename T>
  T* Control(const char* name) const;

  standard::StandardCalculator& calc_;
  TrayIcon& tray_;
  std::function<void(standard::ControlId)> window_control_;
  bool live_timers_;
  QHash<QString, QWidget*> controls_;
  std::unique_ptr<HistoryWindow> history_;
  std::unique_ptr<KeyPreview> key_preview_;
  QTimer timer1_;
  QTimer timer_entry_;
  QTimer timer2_;
  bool timer2_enabled_ = false;
  bool in_size_rule_ = false;
  bool mirroring_ = false;
  QPoint drag_offset_;
};

template <typename T>
T* MainWindow::Control(const char* name) const {
  return qobject_cast<T*>(controls_.value(QString::fromLatin1(name)));
}

}  // namespace korvex::mainwindow
