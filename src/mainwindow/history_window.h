#pragma once

#include <QPlainTextEdit>
#include <QWidget>
#include <functional>
#include <string>

namespace korvex::mainwindow {

/// The history window `History`: one read-only text box `T_Hist` filling its client area. A close
/// request only hides it while `keep_open()` says so.
class HistoryWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HistoryWindow(std::function<bool()> keep_open);

  /// Shows the history text, finished lines each ending in CR LF.
  void SetHistoryText(const std::string& text);
  /// The history text as the logic gave it.
  std::string HistoryText() const { return text_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::function<bool()> keep_open_;
  QPlainTextEdit* hist_;
  std::string text_;
};

}  // namespace korvex::mainwindow
