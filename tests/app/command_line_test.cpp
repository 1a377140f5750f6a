#include "app/command_line.h"

#include <gtest/gtest.h>

#include "app/start_up.h"

namespace korvex {
namespace {

struct Case {
  const char* command_line;
  std::string_view error;  // empty: accepted
  StartWindow window;
  int start_mode;
  int start_decimals;
};

TEST(CommandLine, Table) {
  const std::string_view ok;
  const Case cases[] = {
      {"", ok, StartWindow::Standard, 0, 0},
      {"/F3 /QF", ok, StartWindow::Standard, 0, 0},
      {"/f2x", kErrorLength, StartWindow::None, 0, 0},
      {"/u", kErrorLength, StartWindow::None, 0, 0},
      {"/f7", ok, StartWindow::Mortgage, 0, 0},
      {"/F7", ok, StartWindow::Mortgage, 0, 0},
      {"/f7/mi", kErrorF7, StartWindow::None, 0, 0},
      {"/mi/f7", kErrorF7, StartWindow::None, 0, 0},
      {"/f2", ok, StartWindow::Expression, 1, 0},
      {"/f2/ac", ok, StartWindow::Expression, 7, 0},
      {"/ac /f2", ok, StartWindow::Expression, 7, 0},
      {"/f2/mi", kErrorF2, StartWindow::None, 0, 0},
      {"/f2/ac/mi", kErrorF2, StartWindow::None, 0, 0},
      {"/f2/f7", kErrorF2, StartWindow::None, 0, 0},
      {"/u2/c3", kErrorUWithC, StartWindow::None, 0, 0},
      {"/u2/c3/f7", kErrorF7, StartWindow::None, 0, 0},
      {"/u2", ok, StartWindow::Standard, 0, 2},
      {"/c0", ok, StartWindow::Standard, 0, 0},
      {"/ac/c3", ok, StartWindow::Standard, 6, 3},
      {"/ac", ok, StartWindow::Standard, 6, 0},
      {"/zz", ok, StartWindow::Standard, 0, 0},
      {"abc", ok, StartWindow::Standard, 0, 0},
      {"/U4/QF/MI", ok, StartWindow::Standard, 0, 4},
      // Only 0 to 4 places can be chosen; anything else after "/u" or "/c" is refused.
      {"/u5", kErrorLength, StartWindow::None, 0, 0},
      {"/cx", kErrorLength, StartWindow::None, 0, 0},
      {"/u/", kErrorLength, StartWindow::None, 0, 0},
      {"ab/u", kErrorLength, StartWindow::None, 0, 0},
      // Characters count, not bytes: three Han characters are one group.
      {"中文字", ok, StartWindow::Standard, 0, 0},
      {"中文", kErrorLength, StartWindow::None, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command_line);
    const StartDecision d = CheckCommandLine(c.command_line);
    EXPECT_EQ(d.error, c.error);
    EXPECT_EQ(d.window, c.window);
    if (c.error.empty()) {
      EXPECT_EQ(d.StartMode, c.start_mode);
      EXPECT_EQ(d.StartDecimals, c.start_decimals);
    }
  }
}

TEST(CommandLine, OptionsAreLowerCasedWithoutSpaces) {
  EXPECT_EQ(CheckCommandLine(" /F3  /Qf ").CommandOptions, "/f3/qf");
  EXPECT_TRUE(HasOption("/f3/qf", "/qf"));
  EXPECT_FALSE(HasOption("/f3/qf", "/ac"));
}

class RecordingBox : public MessageBox {
 public:
  void Show(MessageIcon icon, const std::string& title, const std::string& text) override {
    shown.push_back({icon, title, text});
  }
  struct Shown {
    MessageIcon icon;
    std::string title, text;
  };
  std::vector<Shown> shown;
};

class RecordingOpener : public WindowOpener {
 public:
  void Open(StartWindow window) override { opened.push_back(window); }
  std::vector<StartWindow> opened;
};

TEST(StartUp, RefusedLineShowsOneErrorBoxAndOpensNothing) {
  Module1 m;
  m.HistoryLine = "stale";
  RecordingBox box;
  RecordingOpener opener;
  EXPECT_FALSE(Main(m, "/u2/c3", box, opener));
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].icon, MessageIcon::Critical);
  EXPECT_EQ(box.shown[0].title, "参数错误");
  EXPECT_EQ(box.shown[0].text, kErrorUWithC);
  EXPECT_TRUE(opener.opened.empty());
  EXPECT_EQ(m.HistoryLine, "● ");
}

TEST(StartUp, AcceptedLineOpensItsWindowAndSetsTheValues) {
  Module1 m;
  RecordingBox box;
  RecordingOpener opener;
  EXPECT_TRUE(Main(m, "/AC /c3", box, opener));
  EXPECT_TRUE(box.shown.empty());
  EXPECT_EQ(opener.opened, std::vector<StartWindow>{StartWindow::Standard});
  EXPECT_EQ(m.CommandOptions, "/ac/c3");
  EXPECT_EQ(m.StartMode, 6);
  EXPECT_EQ(m.StartDecimals, 3);
  EXPECT_EQ(m.MaxDisplayLen, 14);
}

}  // namespace
}  // namespace korvex
