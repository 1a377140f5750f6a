// The window's share of every event: what the logic's controls hold becomes what the widgets show.
#include <QComboBox>
#include <QLineEdit>

#include "mainwindow/control_builder.h"
#include "mainwindow/layout_table.h"
#include "mainwindow/main_window.h"
#include "mainwindow/picture_button.h"
#include "mainwindow/twips.h"

namespace korvex::mainwindow {
namespace {

void SetText(QLineEdit& box, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (box.text() != shown) box.setText(shown);
}

void SetPicture(PictureButton& picture, int index) {
  if (picture.property(kPictureProperty).toInt() != index) picture.ShowPicture(index);
}

void SetCombo(QComboBox& combo, const standard::ComboBox& state) {
  if (combo.currentIndex() != state.index) combo.setCurrentIndex(state.index);
  combo.setEnabled(state.enabled);
}

}  // namespace

void MainWindow::Mirror() {
  const standard::Controls& c = calc_.controls();
  auto& show = *Control<QLineEdit>("T_Show");
  SetText(show, c.T_Show.text);
  ApplyTextColour(show, c.T_Show.color.red, c.T_Show.color.green, c.T_Show.color.blue);
  auto& sign = *Control<QLineEdit>("T_Sign");
  SetText(sign, c.T_Sign.text);
  sign.setVisible(c.T_Sign.visible);
  SetText(*Control<QLineEdit>("T_Memory"), c.T_Memory.text);
  SetPicture(*Control<PictureButton>("Img_Sound"), c.Img_Sound.picture);
  SetPicture(*Control<PictureButton>("Img_Copy"), c.Img_Copy.picture);
  SetPicture(*Control<PictureButton>("Img_Paste"), c.Img_Paste.picture);
  SetPicture(*Control<PictureButton>("Img_ThousandSign"), c.Img_ThousandSign.picture);
  SetPicture(*Control<PictureButton>("Img_TwoRows"), c.Img_TwoRows.picture);
  SetCombo(*Control<QComboBox>("Combo_Cut"), c.Combo_Cut);
  SetCombo(*Control<QComboBox>("Combo_Dot"), c.Combo_Dot);

  // The two-row layout moves the display down and makes its font smaller.
  const DisplayRow& row = calc_.state().TwoRowsOn ? kTwoRowDisplay : kOneRowDisplay;
  const QRect twips(180, row.top, 7755, row.height);
  if (show.property(kTwipsProperty).toRect() != twips) {
    SetTwipsGeometry(show, twips);
    ApplyFont(show, "Verdana", row.font_points, true);
  }

  if (c.History.loaded && !history_) {
    history_ = std::make_unique<HistoryWindow>([this] { return calc_.module().KeepHistoryWindow; });
  } else if (!c.History.loaded && history_) {
    history_->hide();
    history_.release()->deleteLater();
  }
  if (history_) history_->SetHistoryText(c.History.T_Hist.text);
  MirrorTimers();
}

void MainWindow::MirrorTimers() {
  // Without live timers only FireTimer ticks them, so scripts decide when time passes.
  if (!live_timers_) return;
  const auto follow = [](QTimer& timer, bool running) {
    if (running && !timer.isActive()) timer.start();
    if (!running && timer.isActive()) timer.stop();
  };
  follow(timer1_, calc_.controls().Timer1.enabled);
  follow(timer_entry_, calc_.controls().Timer_EntryS.enabled);
  follow(timer2_, timer2_enabled_);
}

}  // namespace korvex::mainwindow
