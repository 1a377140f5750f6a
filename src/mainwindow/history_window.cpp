#include "mainwindow/history_window.h"

#include <QCloseEvent>
#include <QScrollBar>

#include "mainwindow/control_builder.h"
#include "mainwindow/twips.h"
#include "resources/pictures/picture_list.h"

namespace korvex::mainwindow {

HistoryWindow::HistoryWindow(std::function<bool()> keep_open)
    : keep_open_(std::move(keep_open)), hist_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("History"));
  setWindowTitle(QStringLiteral("历史计算步骤 - Korvex 桌面计算器"));
  setWindowIcon(ProgramIcon());
  hist_->setObjectName(QStringLiteral("T_Hist"));
  hist_->setReadOnly(true);
  hist_->setLineWrapMode(QPlainTextEdit::NoWrap);
  hist_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  hist_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ApplyFont(*hist_, "Tahoma", 12, false);
  resize(TwipsToPixels(QRect(0, 0, 7710, 2910)).size());
}

void HistoryWindow::SetHistoryText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  // The box shows lines; the CR LF pairs that end them are the history text's own.
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
  hist_->setPlainText(shown);
  // The newest line is last: keep it in view.
  hist_->verticalScrollBar()->setValue(hist_->verticalScrollBar()->maximum());
}

void HistoryWindow::closeEvent(QCloseEvent* event) {
  if (keep_open_ && keep_open_()) {
    event->ignore();
    hide();
    return;
  }
  event->accept();
}

void HistoryWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  hist_->setGeometry(rect());
}

}  // namespace korvex::mainwindow
