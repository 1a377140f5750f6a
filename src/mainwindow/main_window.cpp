#include "mainwindow/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "mainwindow/control_builder.h"
#include "mainwindow/layout_table.h"
#include "mainwindow/picture_button.h"
#include "mainwindow/start_options.h"
#include "mainwindow/twips.h"
#include "resources/pictures/picture_list.h"

namespace korvex::mainwindow {

using standard::ControlId;

namespace {
constexpr int kTimer1Ms = 1000;
constexpr int kTimerEntryMs = 400;
constexpr int kTimer2Ms = 10;
}  // namespace

MainWindow::MainWindow(standard::StandardCalculator& calc, TrayIcon& tray,
                       std::function<void(ControlId)> window_control, bool live_timers)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      calc_(calc),
      tray_(tray),
      window_control_(std::move(window_control)),
      live_timers_(live_timers) {
  setObjectName(QStringLiteral("Ruvadavo"));
  setWindowIcon(ProgramIcon());
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  timer1_.setInterval(kTimer1Ms);
  timer_entry_.setInterval(kTimerEntryMs);
  timer2_.setInterval(kTimer2Ms);
  connect(&timer1_, &QTimer::timeout, this, [this] { FireTimer(QStringLiteral("Timer1")); });
  connect(&timer_entry_, &QTimer::timeout, this,
          [this] { FireTimer(QStringLiteral("Timer_EntryS")); });
  connect(&timer2_, &QTimer::timeout, this, [this] { FireTimer(QStringLiteral("Timer2")); });
  BuildControls();
  ConnectControls();
  key_preview_ = std::make_unique<KeyPreview>(
      *this, KeyHandlers{
                 [this](int character) {
                   const auto control = calc_.TypeCharacter(character);
                   Mirror();
                   if (control) PerformWindowControl(*control);
                 },
                 [this](int key_code, int modifiers) {
                   const auto control = calc_.ReleaseKey(key_code, modifiers);
                   Mirror();
                   if (control) PerformWindowControl(*control);
                 },
                 [this] {
                   calc_.PressEscape();
                   Mirror();
                 },
             });
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
  for (const ControlLayout& layout : MainWindowLayout()) {
    QWidget* widget = BuildControl(layout, this);
    controls_.insert(widget->objectName(), widget);
  }
}

void MainWindow::ConnectControls() {
  for (std::size_t i = 0; i < standard::kControlCount; ++i) {
    const auto control = static_cast<ControlId>(i);
    const std::string_view name = standard::ControlName(control);
    QWidget* widget = controls_.value(QString::fromUtf8(name.data(), qsizetype(name.size())));
    if (auto* button = qobject_cast<QPushButton*>(widget))
      connect(button, &QPushButton::clicked, this, [this, control] { Perform(control); });
    else if (auto* picture = qobject_cast<PictureButton*>(widget))
      connect(picture, &PictureButton::clicked, this, [this, control] { Perform(control); });
  }
  connect(Control<PictureButton>("Img_Small"), &PictureButton::clicked, this,
          &MainWindow::Minimize);
  connect(Control<PictureButton>("Img_Mini"), &PictureButton::clicked, this,
          &MainWindow::ToggleMiniMode);
  const std::pair<const char*, int> hovers[] = {
      {"Img_Small", 14}, {"Img_Mini", 16}, {"Img_Exit", 18}};
  for (const auto& [name, picture] : hovers) {
    auto* button = Control<PictureButton>(name);
    connect(button, &PictureButton::hovered, this, [this, button, picture = picture] {
      ResetTitleButtons();
      button->ShowPicture(picture);
    });
  }
  for (const char* name : {"T_Show", "T_ShowB", "T_Memory", "Pic_shang", "Pic_you"}) {
    controls_.value(QString::fromLatin1(name))->setMouseTracking(true);
    controls_.value(QString::fromLatin1(name))->installEventFilter(this);
  }
  connect(Control<QComboBox>("Combo_Cut"), &QComboBox::activated, this, [this](int index) {
    calc_.ChooseCut(index);
    Mirror();
  });
  connect(Control<QComboBox>("Combo_Dot"), &QComboBox::activated, this, [this](int index) {
    calc_.ChooseDot(index);
    Mirror();
  });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QString name = watched->objectName();
  if (event->type() == QEvent::MouseMove) {
    // Moving over the display or the frame box behind it brings the typing back to this window.
    if (name == QLatin1String("T_Show") || name == QLatin1String("T_ShowB")) {
      ResetTitleButtons();
      TakeFocus();
    } else if (name == QLatin1String("Pic_shang") || name == QLatin1String("Pic_you")) {
      ResetTitleButtons();
    }
  } else if (event->type() == QEvent::MouseButtonPress) {
    if (name == QLatin1String("T_Show") || name == QLatin1String("T_ShowB") ||
        name == QLatin1String("T_Memory")) {
      TakeFocus();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::Perform(ControlId control) {
  calc_.Click(control);
  Mirror();
  if (standard::IsWindowControl(control)) PerformWindowControl(control);
}

void MainWindow::PerformWindowControl(ControlId control) {
  if (control == ControlId::Img_History) {
    ShowHistory();
    return;
  }
  if (window_control_) window_control_(control);
}

void MainWindow::ShowHistory() {
  if (!history_) return;
  history_->show();
}

void MainWindow::Load(const QSize& screen_twips) {
  // Kept on top by the window flags; the icon comes first, then the frame's size.
  tray_.Add(TrayTip(), [this] { RestoreFromMinimized(); });
  calc_.Load();
  SetTwipsSize(kNormalWidth, kNormalHeight);
  SizeRule();
  const QRect twips = property(kTwipsProperty).toRect();
  SetTwipsGeometry(
      *this, QRect((screen_twips.width() - twips.width()) / 2,
                   (screen_twips.height() - twips.height()) / 2, twips.width(), twips.height()));
  ResetTitleButtons();
  timer2_enabled_ = ApplyStartOptions(calc_, calc_.module());
  Mirror();
  show();
  TakeFocus();
}

void MainWindow::Unload() {
  timer1_.stop();
  timer_entry_.stop();
  timer2_.stop();
  timer2_enabled_ = false;
  if (history_) {
    calc_.UnloadHistoryWindow();
    history_->hide();
    history_.release()->deleteLater();
  }
  tray_.Remove();
  calc_.Unload();
  hide();
}

bool MainWindow::FireTimer(const QString& name) {
  if (name == QLatin1String("Timer1")) {
    if (calc_.controls().Timer1.enabled) calc_.TickCapture();
  } else if (name == QLatin1String("Timer_EntryS")) {
    if (calc_.controls().Timer_EntryS.enabled) calc_.TickReadOut();
  } else if (name == QLatin1String("Timer2")) {
    // One shot: the strip mode right after the window was first shown whole.
    if (!timer2_enabled_) return true;
    timer2_enabled_ = false;
    ToggleMiniMode();
  } else {
    return false;
  }
  Mirror();
  return true;
}

void MainWindow::TakeFocus() {
  activateWindow();
  setFocus(Qt::OtherFocusReason);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A close from the window system (Alt+F4 under a window manager) leaves like the exit button.
  event->ignore();
  if (window_control_) window_control_(ControlId::Img_Exit);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) drag_offset_ = event->globalPosition().toPoint() - pos();
  QWidget::mousePressEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - drag_offset_);
  QWidget::mouseMoveEvent(event);
}

}  // namespace korvex::mainwindow
