#include "driver/window_commands.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest/QTest>

#include "driver/key_names.h"
#include "driver/script_text.h"
#include "mainwindow/control_builder.h"
#include "mainwindow/history_window.h"
#include "mainwindow/main_window.h"
#include "mainwindow/picture_button.h"
#include "mainwindow/twips.h"
#include "standard/state_query.h"

namespace korvex::driver {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Two whole numbers separated by a space, as the size and range commands take them.
std::optional<std::pair<int, int>> TwoNumbers(std::string_view text) {
  const auto [first, second] = SplitWord(text);
  try {
    return std::pair{std::stoi(std::string(first)), std::stoi(std::string(second))};
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::string YesNo(bool value) { return value ? "yes" : "no"; }

// Lets Qt deliver what the last action posted (activation, focus, deferred deletes); the
// program's timers are never started in the driver, so no tick slips in here.
void Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SendMouseMove(QWidget& widget, const QPoint& local) {
  QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(widget.mapToGlobal(local)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &move);
}

std::string Text(const QWidget& widget) {
  if (widget.isWindow()) return widget.windowTitle().toStdString();
  const QVariant picture = widget.property(mainwindow::kPictureProperty);
  if (picture.isValid()) return picture.toString().toStdString();
  if (auto* box = qobject_cast<const QLineEdit*>(&widget)) return box->text().toStdString();
  if (auto* history = qobject_cast<const mainwindow::HistoryWindow*>(widget.window());
      history && qobject_cast<const QPlainTextEdit*>(&widget))
    return history->HistoryText();
  if (auto* box = qobject_cast<const QPlainTextEdit*>(&widget))
    return box->toPlainText().toStdString();
  if (auto* check = qobject_cast<const QCheckBox*>(&widget)) return check->isChecked() ? "1" : "0";
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
    return button->text().toStdString();
  if (auto* label = qobject_cast<const QLabel*>(&widget)) return label->text().toStdString();
  if (auto* combo = qobject_cast<const QComboBox*>(&widget))
    return combo->currentText().toStdString();
  if (auto* tabs = qobject_cast<const QTabBar*>(&widget))
    return tabs->tabText(tabs->currentIndex()).toStdString();
  return {};
}

std::string ColourOf(const QWidget& widget, const char* property, QPalette::ColorRole role) {
  const QVariant laid_out = widget.property(property);
  if (laid_out.isValid()) return laid_out.toString().toStdString();
  const QColor colour = widget.palette().color(role);
  return QStringLiteral("%1,%2,%3")
      .arg(colour.red())
      .arg(colour.green())
      .arg(colour.blue())
      .toStdString();
}

std::string WindowState(const QWidget& window) {
  if (window.isMinimized()) return "minimized";
  return window.isVisible() ? "normal" : "hidden";
}

}  // namespace

std::optional<std::string> WindowCommands::Run(std::string_view command, std::string_view rest) {
  static constexpr std::string_view kActions[] = {"click",   "key",   "hold",  "set",
                                                  "select",  "focus", "hover", "resize",
                                                  "restore", "close", "tick",  "clipboard"};
  static constexpr std::string_view kQueries[] = {"get", "focused", "getclip", "tray"};
  bool action = false;
  for (std::string_view c : kActions) action = action || command == c;
  bool query = false;
  for (std::string_view c : kQueries) query = query || command == c;
  if (!action && !query) return std::nullopt;
  if (!program_.main_window()) return std::string("error: no window");
  if (query) {
    if (command == "tray") return Escape(tray_.Tip());
    if (command == "getclip") return Escape(QApplication::clipboard()->text().toStdString());
    if (command == "focused") {
      const QWidget* focus = QApplication::focusWidget();
      if (!focus) focus = ActiveWindow();
      return focus ? focus->objectName().toStdString() : std::string();
    }
    return Get(rest);
  }
  std::string answer = Act(command, rest);
  Settle();
  return answer;
}

QWidget* WindowCommands::ActiveWindow() const {
  if (QWidget* active = QApplication::activeWindow()) return active;
  return program_.main_window();
}

QWidget* WindowCommands::Find(std::string_view name) const {
  const QString wanted = Q(name);
  std::vector<QWidget*> windows;
  if (QWidget* active = QApplication::activeWindow()) windows.push_back(active);
  if (auto* main = program_.main_window()) {
    windows.push_back(main);
    if (main->History()) windows.push_back(main->History());
  }
  for (QWidget* window : windows) {
    if (window->objectName() == wanted) return window;
    if (auto* child = window->findChild<QWidget*>(wanted)) return child;
  }
  return nullptr;
}

std::string WindowCommands::Act(std::string_view command, std::string_view rest) {
  mainwindow::MainWindow& main = *program_.main_window();
  if (command == "key" || command == "hold") {
    auto [name, count_text] =
        command == "hold" ? SplitWord(rest) : std::pair{rest, std::string_view("1")};
    const std::optional<ScriptKey> key = ParseKey(name);
    if (!key) return "error: no key " + std::string(name);
    int count = 1;
    try {
      count = std::stoi(std::string(count_text));
    } catch (const std::exception&) {
      return "error: hold takes a key and a count";
    }
    QWidget* target = QApplication::focusWidget();
    if (!target) target = ActiveWindow();
    for (int i = 0; i < count; ++i)
      QTest::simulateEvent(target, true, key->key, key->modifiers, key->text, i > 0);
    // The press may have closed the window that had the focus.
    target = QApplication::focusWidget();
    if (!target) target = ActiveWindow();
    if (target) QTest::simulateEvent(target, false, key->key, key->modifiers, key->text, false);
    return std::string(kNoAnswer);
  }
  if (command == "tick") {
    const auto [timer, count_text] = SplitWord(rest);
    int count = 1;
    if (!count_text.empty()) {
      try {
        count = std::stoi(std::string(count_text));
      } catch (const std::exception&) {
        return "error: tick takes a timer and a count";
      }
    }
    for (int i = 0; i < count && program_.main_window(); ++i)
      if (!program_.main_window()->FireTimer(Q(timer)))
        return "error: no timer " + std::string(timer);
    return std::string(kNoAnswer);
  }
  if (command == "clipboard") {
    QApplication::clipboard()->setText(QString::fromStdString(Unescape(rest)));
    return std::string(kNoAnswer);
  }
  if (command == "resize") return Resize(rest);
  if (command == "restore") {
    main.RestoreFromMinimized();
    return std::string(kNoAnswer);
  }
  const auto [name, text] = SplitWord(rest);
  QWidget* widget = Find(name);
  if (!widget) return "error: no control " + std::string(name);
  if (command == "close") {
    widget->window()->close();
  } else if (command == "click") {
    // A user can only click what is on the screen.
    if (!widget->isWindow() && !widget->isVisibleTo(widget->window()))
      return "error: " + std::string(name) + " is hidden";
    // A window's own background: a point no child covers.
    const QPoint at = widget->isWindow() ? QPoint(1, 1) : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
  } else if (command == "hover") {
    SendMouseMove(*widget, widget->isWindow() ? QPoint(1, 1) : widget->rect().center());
  } else if (command == "focus") {
    widget->setFocus(Qt::OtherFocusReason);
  } else if (command == "set") {
    return Set(*widget, name, QString::fromStdString(Unescape(text)));
  } else if (command == "select") {
    return Select(*widget, name, text);
  }
  return std::string(kNoAnswer);
}

std::string WindowCommands::Set(QWidget& widget, std::string_view name, const QString& text) {
  if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
    // Typed over the whole text: both the edit and the change signals fire, as for a user.
    box->selectAll();
    box->insert(text);
    if (box->text() != text) box->setText(text);
  } else if (auto* box = qobject_cast<QPlainTextEdit*>(&widget)) {
    box->setPlainText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    const int index = combo->findText(text);
    if (index < 0) return "error: no item " + text.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  } else if (auto* check = qobject_cast<QCheckBox*>(&widget)) {
    if (text != QLatin1String("0") && text != QLatin1String("1"))
      return "error: a check box is set to 1 or 0";
    if (check->isChecked() != (text == QLatin1String("1"))) check->click();
  } else if (auto* tabs = qobject_cast<QTabBar*>(&widget)) {
    for (int i = 0; i < tabs->count(); ++i) {
      if (tabs->tabText(i) != text) continue;
      QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(i).center());
      return std::string(kNoAnswer);
    }
    return "error: no tab " + text.toStdString();
  } else {
    return "error: set is not available for " + std::string(name);
  }
  return std::string(kNoAnswer);
}

std::string WindowCommands::Resize(std::string_view size) {
  const auto figures = TwoNumbers(size);
  if (!figures || figures->first <= 0 || figures->second <= 0)
    return "error: resize takes a width and a height in twips";
  const auto [width, height] = *figures;
  QWidget* window = ActiveWindow();
  // The border sets the outer size; the client area is what remains inside the frame.
  const QSize frame = window->frameGeometry().size() - window->geometry().size();
  const QSize outer = mainwindow::TwipsToPixels(QRect(0, 0, width, height)).size();
  window->resize((outer - frame).expandedTo(QSize(1, 1)));
  return std::string(kNoAnswer);
}

std::string WindowCommands::Select(QWidget& widget, std::string_view name, std::string_view range) {
  auto* box = qobject_cast<QLineEdit*>(&widget);
  if (!box) return "error: select is not available for " + std::string(name);
  const auto figures = TwoNumbers(range);
  if (!figures) return "error: select takes a control, a start and a length";
  const auto [start, length] = *figures;
  const int size = static_cast<int>(box->text().size());
  if (start < 0 || length < 0 || start > size || length > size - start)
    return "error: the text of " + std::string(name) + " has " + std::to_string(size) +
           " characters";
  box->setSelection(start, length);
  return std::string(kNoAnswer);
}

std::string WindowCommands::Get(std::string_view what) const {
  const std::size_t dot = what.find('.');
  const std::string_view name = what.substr(0, dot);
  const std::string_view suffix = dot == std::string_view::npos ? "" : what.substr(dot + 1);
  const QWidget* widget = Find(name);
  if (!widget) {
    // Timers and other controls the logic keeps without a widget.
    if (auto answer = standard::ReadControl(program_.standard().controls(), what))
      return Escape(*answer);
    return "error: no control " + std::string(name);
  }
  if (suffix.empty()) return Escape(Text(*widget));
  if (suffix == "visible")
    return YesNo(widget->isWindow() ? widget->isVisible() : widget->isVisibleTo(widget->window()));
  if (suffix == "enabled") return YesNo(widget->isEnabled());
  if (suffix == "color") return ColourOf(*widget, mainwindow::kColorProperty, QPalette::Text);
  if (suffix == "back") return ColourOf(*widget, mainwindow::kBackProperty, QPalette::Base);
  if (suffix == "tooltip") return Escape(widget->toolTip().toStdString());
  if (suffix == "state") return WindowState(*widget);
  if (suffix == "font") {
    const QVariant laid_out = widget->property(mainwindow::kFontProperty);
    if (laid_out.isValid()) return laid_out.toString().toStdString();
    return (widget->font().family() + QLatin1Char(' ') +
            QString::number(widget->font().pointSizeF()))
        .toStdString();
  }
  if (suffix == "geometry") {
    const QRect r = mainwindow::TwipsGeometry(*widget);
    return std::to_string(r.x()) + ' ' + std::to_string(r.y()) + ' ' + std::to_string(r.width()) +
           ' ' + std::to_string(r.height());
  }
  return "error: no suffix " + std::string(suffix);
}

}  // namespace korvex::driver
