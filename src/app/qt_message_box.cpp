#include "qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace korvex {

void QtMessageBox::Show(MessageIcon icon, const std::string& title, const std::string& text) {
  QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Warning,
                  QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

}  // namespace korvex
