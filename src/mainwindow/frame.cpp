// The frame's rules: the title buttons' pictures, mini mode, minimizing and the size rule.
#include <QEvent>
#include <QResizeEvent>

#include "mainwindow/layout_table.h"
#include "mainwindow/main_window.h"
#include "mainwindow/picture_button.h"
#include "mainwindow/twips.h"
#include "standard/value.h"

namespace korvex::mainwindow {
namespace {
constexpr int kMiniSideStrip = 1665;
constexpr int kNormalSideStrip = 5340;
constexpr char kMinimizedCaption[] = "Korvex 桌面计算器";
}  // namespace

void MainWindow::ResetTitleButtons() {
  Control<PictureButton>("Img_Small")->ShowPicture(13);
  Control<PictureButton>("Img_Mini")->ShowPicture(15);
  Control<PictureButton>("Img_Exit")->ShowPicture(17);
}

void MainWindow::SetTwipsSize(int width, int height) {
  QRect twips = property(kTwipsProperty).toRect();
  if (!property(kTwipsProperty).isValid()) twips = QRect(0, 0, width, height);
  twips.setSize(QSize(width, height));
  SetTwipsGeometry(*this, twips);
}

void MainWindow::ToggleMiniMode() {
  const bool mini = !standard::IsTrue(calc_.state().MiniMode);
  calc_.SetMiniMode(mini);
  if (mini && standard::IsTrue(calc_.state().PanelOpen)) calc_.SetPanelOpen(false);
  controls_.value(QStringLiteral("Pic_ZheDang"))->setVisible(mini);
  QWidget* outline = controls_.value(QStringLiteral("Shape3"));
  QRect shape = outline->property(kTwipsProperty).toRect();
  shape.setHeight(mini ? kMiniHeight : kNormalHeight);
  SetTwipsGeometry(*outline, shape);
  for (const char* name : {"Pic_zuo", "Pic_you"}) {
    QWidget* strip = controls_.value(QString::fromLatin1(name));
    QRect rect = strip->property(kTwipsProperty).toRect();
    rect.setHeight(mini ? kMiniSideStrip : kNormalSideStrip);
    SetTwipsGeometry(*strip, rect);
  }
  SetTwipsGeometry(*controls_.value(QStringLiteral("Pic_xia")),
                   mini ? QRect(1680, 1580, 6200, 165) : QRect(60, 5345, 7935, 165));
  const int width = property(kTwipsProperty).toRect().width();
  SetTwipsSize(width, mini ? kMiniHeight : kNormalHeight);
  SizeRule();
}

void MainWindow::Minimize() {
  if (standard::IsTrue(calc_.state().PanelOpen)) {
    SetTwipsSize(kNormalWidth, property(kTwipsProperty).toRect().height());
    calc_.SetPanelOpen(false);
  }
  if (history_) history_->hide();
  // Without a task-bar button the minimized window shows as a small captioned bar.
  setWindowFlag(Qt::FramelessWindowHint, false);
  setWindowTitle(QString::fromUtf8(kMinimizedCaption));
  showMinimized();
}

void MainWindow::RestoreFromMinimized() {
  if (!isMinimized()) return;
  showNormal();
  SizeRule();
  TakeFocus();
}

void MainWindow::SizeRule() {
  if (in_size_rule_) return;
  if (standard::IsTrue(calc_.state().PanelOpen)) return;
  if (windowState() & Qt::WindowMinimized) return;
  in_size_rule_ = true;
  if (!(windowFlags() & Qt::FramelessWindowHint)) {
    const bool shown = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, true);
    if (shown) show();
  }
  setWindowTitle(QString());
  SetTwipsSize(kNormalWidth,
               standard::IsTrue(calc_.state().MiniMode) ? kMiniHeight : kNormalHeight);
  in_size_rule_ = false;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A size the window system gave (a border drag) goes back to the rule's size.
  if (TwipsToPixels(property(kTwipsProperty).toRect()).size() != event->size()) SizeRule();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMinimized))
    SizeRule();
}

}  // namespace korvex::mainwindow
