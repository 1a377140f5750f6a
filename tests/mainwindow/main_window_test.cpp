// The window against its layout table, its key preview ahead of focused children, the history
// window's close rule and the twips figures a moved window reports.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QtTest/QTest>
#include <memory>
#include <string>

#include "mainwindow/history_window.h"
#include "mainwindow/key_preview.h"
#include "mainwindow/layout_table.h"
#include "mainwindow/main_window.h"
#include "mainwindow/twips.h"
#include "standard/key_map.h"

namespace korvex::mainwindow {
namespace {

class SilentClips : public ClipPlayer {
 public:
  void Play(const std::string&) override {}
};

class MemoryClipboard : public Clipboard {
 public:
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

class NoFocus : public standard::WindowFocus {
 public:
  void FocusWindow() override {}
};

class TipOnly : public TrayIcon {
 public:
  void Add(const std::string& tip, std::function<void()>) override { tip_ = tip; }
  void Remove() override { tip_.clear(); }
  std::string Tip() const override { return tip_; }

 private:
  std::string tip_;
};

// One application per test, gone before the next: Qt's fonts and input devices go with it.
class QtFixture : public ::testing::Test {
 protected:
  int argc_ = 1;
  char name_[16] = "mainwindow_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_ = std::make_unique<QApplication>(argc_, argv_);
};

class MainWindowTest : public QtFixture {
 protected:
  MainWindowTest() {
    window_ = std::make_unique<MainWindow>(calc_, tray_, nullptr, false);
    window_->Load(QSize(19200, 10800));
  }

  template <typename T = QWidget>
  T* Child(const char* name) {
    return window_->findChild<T*>(QString::fromLatin1(name));
  }

  Module1 module_;
  SilentClips clips_;
  MemoryClipboard clipboard_;
  NoFocus focus_;
  TipOnly tray_;
  standard::StandardCalculator calc_{module_, clips_, clipboard_, focus_};
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, EveryControlStandsWhereTheLayoutPutsIt) {
  for (const ControlLayout& layout : MainWindowLayout()) {
    const std::string name(layout.name);
    SCOPED_TRACE(name);
    const QWidget* widget = Child(name.c_str());
    ASSERT_NE(widget, nullptr);
    const QRect expected(layout.left, layout.top, layout.width, layout.height);
    EXPECT_EQ(TwipsGeometry(*widget), expected);
    EXPECT_EQ(widget->toolTip().toStdString(), std::string(layout.tooltip));
  }
}

TEST_F(MainWindowTest, EveryControlTheLogicNamesHasAWidget) {
  for (std::size_t i = 0; i < standard::kControlCount; ++i) {
    const auto control = static_cast<standard::ControlId>(i);
    if (control == standard::ControlId::CopyKey) continue;
    const std::string name(standard::ControlName(control));
    EXPECT_NE(Child(name.c_str()), nullptr) << name;
  }
}

TEST_F(MainWindowTest, KeysReachTheKeyMapBeforeAFocusedTextBox) {
  // A read-only text box would take Backspace and Delete itself.
  auto* display = Child<QLineEdit>("T_Show");
  display->setFocus();
  QTest::keyClick(display, Qt::Key_1);
  QTest::keyClick(display, Qt::Key_2);
  QTest::keyClick(display, Qt::Key_Backspace);
  EXPECT_EQ(display->text(), QStringLiteral("1"));
  QTest::keyClick(display, Qt::Key_Delete);
  EXPECT_EQ(display->text(), QString());
}

TEST_F(MainWindowTest, TheIconShowsWhileTheWindowIsLoaded) {
  EXPECT_EQ(tray_.Tip(), "Korvex 桌面计算器  5.0");
  window_->Unload();
  EXPECT_EQ(tray_.Tip(), "");
}

TEST(VirtualKeyCode, MapsTheKeysTheReleaseTableUses) {
  const std::pair<int, int> cases[] = {
      {Qt::Key_A, 65},      {Qt::Key_Z, 90},      {Qt::Key_0, 48},   {Qt::Key_9, 57},
      {Qt::Key_Delete, 46}, {Qt::Key_F1, 112},    {Qt::Key_F4, 115}, {Qt::Key_F7, 118},
      {Qt::Key_Enter, 13},  {Qt::Key_Return, 13}, {Qt::Key_Plus, 0}, {Qt::Key_Percent, 0},
  };
  for (const auto& [qt_key, code] : cases) EXPECT_EQ(VirtualKeyCode(qt_key), code) << qt_key;
}

TEST_F(QtFixture, HistoryWindowHidesWhileKeptAndClosesOtherwise) {
  bool keep = true;
  HistoryWindow history([&keep] { return keep; });
  history.show();
  history.SetHistoryText("● 1＋2=3\r\n");
  history.close();
  EXPECT_FALSE(history.isVisible());
  EXPECT_EQ(history.HistoryText(), "● 1＋2=3\r\n");
  history.show();
  keep = false;
  QCloseEvent close;
  QApplication::sendEvent(&history, &close);
  EXPECT_TRUE(close.isAccepted());
}

TEST_F(QtFixture, TwipsGeometryReportsPixelsOnceTheWidgetIsMovedByOthers) {
  QWidget parent;
  QWidget child(&parent);
  SetTwipsGeometry(child, QRect(120, 300, 7875, 1005));
  EXPECT_EQ(TwipsGeometry(child), QRect(120, 300, 7875, 1005));
  child.move(20, 30);
  EXPECT_EQ(TwipsGeometry(child), QRect(300, 450, 7875, 1005));
}

}  // namespace
}  // namespace korvex::mainwindow
