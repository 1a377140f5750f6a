// Feeds any bytes to the expression path: the rewrite, the evaluator and the window's evaluation.
// Beyond "no crash, no hang, no sanitizer report" it checks what must hold for every input.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "expression/evaluate_expression.h"
#include "expression/evaluator.h"

namespace {

using korvex::expression::EvalResult;
using korvex::expression::Evaluate;

struct SilentBox : korvex::MessageBox {
  int shown = 0;
  void Show(korvex::MessageIcon, const std::string&, const std::string&) override { ++shown; }
};

struct MemoryClipboard : korvex::Clipboard {
  std::string text;
  std::string Text() const override { return text; }
  void SetText(const std::string& value) override { text = value; }
};

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const EvalResult result = Evaluate(text);
  if (result.ok()) {
    Require(std::isfinite(result.value));
    // A whole expression keeps its value inside parentheses and changes sign behind a minus.
    const std::string grouped = "(" + std::string(text) + ")";
    const EvalResult again = Evaluate(grouped);
    Require(again.ok() && again.value == result.value);
    const EvalResult negated = Evaluate("-" + grouped);
    Require(negated.ok() && negated.value == -result.value);
  }

  korvex::expression::ExpressionWindowState window;
  window.T_BDS = std::string(text);
  window.L_BDS = "7";
  window.C_AutoCopy = true;
  SilentBox box;
  MemoryClipboard clipboard;
  korvex::expression::EvaluateExpression(window, box, clipboard);
  Require(window.T_BDS == text);
  Require(box.shown <= 1);
  Require(window.L_BDS.size() <= 15);
  Require(clipboard.text == window.L_BDS);
  return 0;
}
