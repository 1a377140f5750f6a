#pragma once

#include <string>
#include <string_view>

namespace korvex::expression {

/// The typed expression made ready for the evaluator, and whether a degree argument failed.
struct RewrittenExpression {
  std::string text;
  bool failed = false;
};

/// Removes every space, lower-cases ASCII letters, then converts a whole-degree argument for
/// "cos(", "sin(" and "tan(" in turn: the first call's argument, read as a whole number from
/// -32768 to 32767, gives the pattern F + N + ")", and every occurrence of that pattern gets the
/// angle in radians (N * 3.14159265358979 / 180 as number text). An argument that cannot be read
/// that way leaves the text as it is and sets `failed`.
RewrittenExpression RewriteExpression(std::string_view typed);

}  // namespace korvex::expression
