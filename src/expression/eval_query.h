#pragma once

#include <string>
#include <string_view>

namespace korvex::expression {

/// The number text of `expression`'s value by the evaluator alone (no rewrite, no cut), or "error".
std::string EvalQuery(std::string_view expression);

}  // namespace korvex::expression
