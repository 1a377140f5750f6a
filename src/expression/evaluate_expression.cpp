#include "expression/evaluate_expression.h"

#include <string_view>

#include "common/number_text.h"
#include "common/utf8_text.h"
#include "expression/evaluator.h"
#include "expression/rewrite.h"

namespace korvex::expression {
namespace {

constexpr std::size_t kCaptionLength = 14;
constexpr std::string_view kErrorTitle = "表达式错误";
constexpr std::string_view kErrorText = "表达式有错误，请检查运算符或函数是否正确。";

// A caption that starts with the point gets its "0" back.
void TouchUpResult(std::string& caption) {
  if (caption.starts_with('.')) caption.insert(0, "0");
  if (caption.starts_with("-.")) caption.replace(0, 1, "-0");
}

}  // namespace

ExpressionWindowState LoadedExpressionWindow(std::int16_t start_mode) {
  ExpressionWindowState window;
  window.C_AutoCopy = start_mode == kStartModeExpressionAutoCopy;
  return window;
}

void EvaluateExpression(ExpressionWindowState& window, MessageBox& box, Clipboard& clipboard) {
  const RewrittenExpression rewritten = RewriteExpression(window.T_BDS);
  bool failed = rewritten.failed;

  const EvalResult result = Evaluate(rewritten.text);
  if (result.ok()) {
    // The cut keeps the first characters as they stand: no rounding, an exponent may be lost.
    window.L_BDS = std::string(utf8::Left(FormatNumberText(result.value), kCaptionLength));
  } else {
    failed = true;
  }

  if (failed) box.Show(MessageIcon::Critical, std::string(kErrorTitle), std::string(kErrorText));

  TouchUpResult(window.L_BDS);
  if (window.C_AutoCopy) clipboard.SetText(window.L_BDS);
}

}  // namespace korvex::expression
