#include "carry_over.h"

#include "common/utf8_text.h"
#include "mortgage/term_choices.h"

namespace korvex::mortgage {

CarryOver CarryOverToRepayment(std::string_view term_caption, std::string_view amount_caption) {
  CarryOver out;
  const std::string_view term = utf8::DropLastChar(term_caption);
  // A fund term of 1 to 4 years is shorter than any item of the term list. Keeping the term
  // chosen earlier would compute a loan the fund does not grant, and rounding up to 5 years
  // would do the same, so no term is chosen and the first tab asks the user for one.
  if (ReadTermChoice(term)) out.years_text = std::string(term);
  out.amount_text = std::string(utf8::DropLastChar(amount_caption));
  return out;
}

}  // namespace korvex::mortgage
