#include "program.h"

#include <QCoreApplication>
#include <QSize>

#include "mainwindow/main_window.h"

namespace korvex {

Program::Program(const Services& services)
    : services_(services),
      standard_(std::make_unique<standard::StandardCalculator>(
          module1_, *services_.clip_player, *services_.clipboard,
          static_cast<standard::WindowFocus&>(*this))) {}

Program::~Program() { delete main_window_; }

bool Program::Start(std::string_view command_line) {
  return Main(module1_, command_line, *services_.message_box, *this);
}

std::vector<std::string> Program::LoadedWindows() const {
  std::vector<std::string> names;
  if (!main_window_) return names;
  names.push_back(main_window_->isVisible() || main_window_->isMinimized() ? "Ruvadavo"
                                                                           : "Ruvadavo(hidden)");
  if (const auto* history = main_window_->History())
    names.push_back(history->isVisible() ? "History" : "History(hidden)");
  return names;
}

bool Program::Running() const { return !LoadedWindows().empty(); }

void Program::Open(StartWindow window) {
  // Only the standard calculator's window is built so far.
  if (window != StartWindow::Standard || main_window_) return;
  main_window_ = new mainwindow::MainWindow(
      *standard_, *services_.tray,
      [this](standard::ControlId control) { PerformWindowControl(control); },
      services_.live_timers);
  main_window_->Load(QSize(services_.screen->WidthTwips(), services_.screen->HeightTwips()));
}

void Program::FocusWindow() {
  if (main_window_) main_window_->TakeFocus();
}

void Program::PerformWindowControl(standard::ControlId control) {
  // The panel and the other calculators come with their own windows.
  if (control == standard::ControlId::Img_Exit) CloseMainWindow();
}

void Program::CloseMainWindow() {
  if (!main_window_) return;
  module1_.KeepHistoryWindow = false;
  main_window_->Unload();
  // The window may be inside one of its own handlers: it goes once they return.
  main_window_->deleteLater();
  main_window_ = nullptr;
  if (!Running()) QCoreApplication::quit();
}

}  // namespace korvex
