#pragma once

#include <string>
#include <string_view>

namespace korvex::mortgage {

/// What the carry-over button hands to the first tab.
struct CarryOver {
  /// The `Combo_Years` item to select; "" means select none, so the first tab asks for a term.
  std::string years_text;
  /// The new text of `T_Cash`, in 万元.
  std::string amount_text;

  bool operator==(const CarryOver&) const = default;
};

/// The first tab's term and amount from the captions of `L_GJJ_NX` ("27年") and `L_GJJ_JE`
/// ("60万"), each without its last character.
CarryOver CarryOverToRepayment(std::string_view term_caption, std::string_view amount_caption);

}  // namespace korvex::mortgage
