#include "expression/eval_query.h"

#include "common/number_text.h"
#include "expression/evaluator.h"

namespace korvex::expression {

std::string EvalQuery(std::string_view expression) {
  const EvalResult result = Evaluate(expression);
  return result.ok() ? FormatNumberText(result.value) : "error";
}

}  // namespace korvex::expression
