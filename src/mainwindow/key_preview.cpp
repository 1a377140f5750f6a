#include "mainwindow/key_preview.h"

#include <QApplication>
#include <QKeyEvent>

namespace korvex::mainwindow {

int VirtualKeyCode(int qt_key) {
  // Letters and digits share their codes with the virtual keys; the function keys start at 112.
  if ((qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) || (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9))
    return qt_key;
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) return 112 + (qt_key - Qt::Key_F1);
  switch (qt_key) {
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    default:
      return 0;
  }
}

KeyPreview::KeyPreview(QWidget& window, KeyHandlers handlers)
    : window_(&window), handlers_(std::move(handlers)) {
  qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() { qApp->removeEventFilter(this); }

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !window_ || widget->window() != window_) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (type == QEvent::KeyPress) {
    if (key->key() == Qt::Key_Escape) {
      if (handlers_.escape) handlers_.escape();
    } else if (!key->text().isEmpty()) {
      const char16_t character = key->text().at(0).unicode();
      if (character < 128 && handlers_.typed) handlers_.typed(character);
    }
    return true;
  }
  // A held key repeats its press; it is released once, at the end.
  if (key->isAutoRepeat()) return true;
  int modifiers = 0;
  if (key->modifiers() & Qt::ShiftModifier) modifiers += 1;
  if (key->modifiers() & Qt::ControlModifier) modifiers += 2;
  if (key->modifiers() & Qt::AltModifier) modifiers += 4;
  if (handlers_.released) handlers_.released(VirtualKeyCode(key->key()), modifiers);
  return true;
}

}  // namespace korvex::mainwindow
