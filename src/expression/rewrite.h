#pragma once

#include <string>
#include <string_view>

namespace korvex::expression {

/// The typed expression made ready for the evaluator, and whether a degree argument failed.
struct RewrittenExpression {
  std::string text;
  bool failed = false;
};

/// The typed text without spaces, lower-cased, with whole-degree cos, sin and tan turned to
/// radians.
RewrittenExpression RewriteExpression(std::string_view typed);

}  // namespace korvex::expression
