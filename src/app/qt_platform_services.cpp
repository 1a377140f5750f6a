#include "qt_platform_services.h"

#include <QClipboard>
#include <QDate>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

namespace korvex {
namespace {

constexpr int kTwipsPerPixel = 15;

}  // namespace

std::string QtClipboard::Text() const {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard == nullptr ? std::string() : clipboard->text().toStdString();
}

void QtClipboard::SetText(const std::string& text) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
  }
}

void QtDesktopLinks::Open(const std::string& url) {
  // Qt hands the address to the desktop's handler (xdg-open) itself; no shell sees the text.
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

YearMonth QtClock::Today() const {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month()};
}

int QtScreen::WidthTwips() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen == nullptr ? 0 : screen->geometry().width() * kTwipsPerPixel;
}

int QtScreen::HeightTwips() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen == nullptr ? 0 : screen->geometry().height() * kTwipsPerPixel;
}

}  // namespace korvex
