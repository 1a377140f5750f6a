#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace korvex::mainwindow {

/// What the key preview hands on: a typed character, a key release with its key code and
/// modifier sum (1 Shift, 2 Ctrl, 4 Alt), and Esc.
struct KeyHandlers {
  std::function<void(int character)> typed;
  std::function<void(int key_code, int modifiers)> released;
  std::function<void()> escape;
};

/// The window's key preview: an application-wide filter that takes every key meant for any
/// widget of one window before that widget sees it.
class KeyPreview : public QObject {
 public:
  KeyPreview(QWidget& window, KeyHandlers handlers);
  ~KeyPreview() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
  KeyHandlers handlers_;
};

/// The Windows virtual-key number of a Qt key, 0 for keys the key map does not use.
int VirtualKeyCode(int qt_key);

}  // namespace korvex::mainwindow
