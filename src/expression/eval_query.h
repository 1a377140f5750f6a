#pragma once

#include <string>
#include <string_view>

namespace korvex::expression {

/// The evaluator on its own, as a script asks it: the number text of `expression`'s value, or
/// "error". No spaces are removed, no degrees converted and nothing is cut.
std::string EvalQuery(std::string_view expression);

}  // namespace korvex::expression
