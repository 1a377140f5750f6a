#include "expression/rewrite.h"

#include <cstdint>
#include <optional>

#include "common/number_text.h"
#include "common/rounding.h"
#include "expression/number_literal.h"

namespace korvex::expression {
namespace {

// The constant is the 15-digit one the calculator has always used, not the full pi: the shown
// results (sin(30) as 0.499999999999) depend on it.
constexpr double kPi15 = 3.14159265358979;

// The argument as a whole number: an optional sign, then a number literal, rounded ties to even.
std::optional<int> ReadWholeDegrees(std::string_view argument) {
  bool negative = false;
  if (!argument.empty() && (argument[0] == '+' || argument[0] == '-')) {
    negative = argument[0] == '-';
    argument.remove_prefix(1);
  }
  if (argument.empty() || NumberLiteralLength(argument) != argument.size()) return std::nullopt;
  const auto literal = NumberLiteralValue(argument);
  if (!literal.ok()) return std::nullopt;
  const double whole = RoundToWhole(negative ? -literal.value : literal.value);
  if (whole < -32768 || whole > 32767) return std::nullopt;
  return static_cast<int>(whole);  // -0 becomes 0, so the pattern reads "cos(0)"
}

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement) {
  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t at = text.find(pattern); at != std::string_view::npos;
       at = text.find(pattern, from)) {
    out.append(text, from, at - from);
    out.append(replacement);
    from = at + pattern.size();
  }
  out.append(text, from);
  return out;
}

// One degree step for a name like "cos(": false when the first call's argument cannot be read.
// Only that first argument is read; the pattern it gives (F, the whole number, ")") is then
// replaced wherever it stands, so cos(30)+cos(60) converts only cos(30), and cos(30.2)+cos(30)
// converts the second call. Users have long typed expressions with this in mind.
bool ConvertDegrees(std::string& text, std::string_view function) {
  const std::size_t start = text.find(function);
  if (start == std::string::npos) return true;
  const std::size_t close = text.find(')', start);
  if (close == std::string::npos) return false;
  const std::size_t open = start + function.size();
  const std::optional<int> degrees =
      ReadWholeDegrees(std::string_view(text).substr(open, close - open));
  if (!degrees) return false;

  const std::string pattern = std::string(function) + std::to_string(*degrees) + ")";
  const std::string radians =
      std::string(function) + FormatNumberText(static_cast<double>(*degrees) * kPi15 / 180) + ")";
  text = ReplaceAll(text, pattern, radians);
  return true;
}

}  // namespace

RewrittenExpression RewriteExpression(std::string_view typed) {
  RewrittenExpression out;
  out.text.reserve(typed.size());
  for (const char c : typed) {
    if (c == ' ') continue;
    // Lower-casing stops at ASCII: the evaluator's names are ASCII and any other letter is an
    // error to it whatever its case, so multi-byte characters are passed on untouched.
    out.text.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c);
  }
  for (const std::string_view function : {"cos(", "sin(", "tan("})
    if (!ConvertDegrees(out.text, function)) out.failed = true;
  return out;
}

}  // namespace korvex::expression
