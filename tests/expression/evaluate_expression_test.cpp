#include "expression/evaluate_expression.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvex::expression {
namespace {

struct RecordingBox : MessageBox {
  struct Shown {
    MessageIcon icon;
    std::string title;
    std::string text;
  };
  std::vector<Shown> shown;
  void Show(MessageIcon icon, const std::string& title, const std::string& text) override {
    shown.push_back({icon, title, text});
  }
};

struct RecordingClipboard : Clipboard {
  std::vector<std::string> puts;
  std::string Text() const override { return puts.empty() ? "" : puts.back(); }
  void SetText(const std::string& text) override { puts.push_back(text); }
};

class ExpressionWindow : public ::testing::Test {
 protected:
  // Evaluates `typed` in a window that shows `previous` as its last result.
  void Evaluate(const std::string& typed, const std::string& previous, bool auto_copy) {
    window.T_BDS = typed;
    window.L_BDS = previous;
    window.C_AutoCopy = auto_copy;
    EvaluateExpression(window, box, clipboard);
  }

  ExpressionWindowState window;
  RecordingBox box;
  RecordingClipboard clipboard;
};

struct CaptionCase {
  const char* typed;
  const char* caption;  // with "7" as the previous result
  bool message;
};

TEST_F(ExpressionWindow, CaptionTable) {
  const CaptionCase cases[] = {
      {"2*cos(60)", "0.999999999999", false},
      {"sin(30)", "0.499999999999", false},
      {"tan(45)", "0.999999999999", false},
      {"cos(90)", "-3.49148133884", false},
      {"COS ( 60 )", "0.499999999999", false},
      {"sin(30)+sin(30)", "0.999999999999", false},
      {"cos(30)+cos(60)", "-0.08638757663", false},
      {"cos(30.5)", "0.609055976106", false},
      {"1/3", "0.333333333333", false},
      {"10/3", "3.333333333333", false},
      {"2/3", "0.666666666666", false},
      {"0.1+0.2", "0.3", false},
      {"-2^2", "-4", false},
      {"2^10", "1024", false},
      {"123456789*987654321", "1.219326311126", false},
      {"1e-5", "1E-05", false},
      {"-1/3", "-0.33333333333", false},
      {"sqr(2)", "1.414213562373", false},
      {"10 mod 3", "1", false},
      {"10 \\ 3", "3", false},
      {"round(2.5)", "2", false},
      {"abs(-1.5)+int(2.7)+fix(-2.7)+sgn(-3)", "0.5", false},
      {"atn(1)*4", "3.141592653589", false},
      // the value is shown and the message comes too when only a degree argument failed
      {"cos(30+15)", "0.525321988817", true},
      {"cos(x)+sin(30)", "7", true},
      // no value: the previous result stays
      {"cos()", "7", true},
      {"1/0", "7", true},
      {"log(0)", "7", true},
      {"2++", "7", true},
      {"1＋1", "7", true},
      {"sqr(-1)", "7", true},
      {"", "7", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    box.shown.clear();
    clipboard.puts.clear();
    Evaluate(c.typed, "7", true);
    EXPECT_EQ(window.L_BDS, c.caption);
    EXPECT_EQ(window.T_BDS, c.typed);
    ASSERT_EQ(box.shown.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(box.shown[0].icon, MessageIcon::Critical);
      EXPECT_EQ(box.shown[0].title, "表达式错误");
      EXPECT_EQ(box.shown[0].text, "表达式有错误，请检查运算符或函数是否正确。");
    }
    EXPECT_EQ(clipboard.puts, std::vector<std::string>{c.caption});
  }
}

TEST_F(ExpressionWindow, ClipboardOnlyWithAutoCopy) {
  Evaluate("1+2", "", false);
  Evaluate("1/0", "3", false);
  EXPECT_EQ(window.L_BDS, "3");
  EXPECT_TRUE(clipboard.puts.empty());

  // A failure before any result copies the empty caption.
  Evaluate("1/0", "", true);
  EXPECT_EQ(clipboard.puts, std::vector<std::string>{""});
}

TEST_F(ExpressionWindow, CaptionStartingWithPointGetsZero) {
  Evaluate("1/0", ".5", true);
  EXPECT_EQ(window.L_BDS, "0.5");
  Evaluate("1/0", "-.5", true);
  EXPECT_EQ(window.L_BDS, "-0.5");
  EXPECT_EQ(clipboard.puts, (std::vector<std::string>{"0.5", "-0.5"}));
}

TEST(ExpressionWindowLoad, AutoCopyTickedOnlyForStartMode7) {
  for (const std::int16_t mode : {0, 1, 2, 6, 7, 8}) {
    SCOPED_TRACE(mode);
    const ExpressionWindowState window = LoadedExpressionWindow(mode);
    EXPECT_EQ(window.C_AutoCopy, mode == 7);
    EXPECT_EQ(window.T_BDS, "");
    EXPECT_EQ(window.L_BDS, "");
  }
}

}  // namespace
}  // namespace korvex::expression
