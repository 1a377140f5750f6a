#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "mortgage/check_message.h"

namespace korvex::mortgage {

/// The float direction item that raises the base rate.
inline constexpr std::string_view kFloatUp = "上浮";
/// The float direction item that lowers the base rate.
inline constexpr std::string_view kFloatDown = "下浮";

/// The four result captions of the first tab, in 元, each a number text.
struct RepaymentResult {
  std::string L_YG1;  ///< equal installments: the monthly payment
  std::string L_LX1;  ///< equal installments: the total interest
  std::string L_YG2;  ///< equal principal: the first month's payment
  std::string L_LX2;  ///< equal principal: the total interest

  bool operator==(const RepaymentResult&) const = default;
};

/// The repayments of a loan from the texts of `Combo_Years`, `T_lilv`, `Combo_Youhui`,
/// `T_Fudong` and `T_Cash` (amount in 万元), or the message of the first input check that fails.
std::variant<CheckMessage, RepaymentResult> CalcRepayment(std::string_view years_text,
                                                          std::string_view rate_text,
                                                          std::string_view direction_text,
                                                          std::string_view float_text,
                                                          std::string_view amount_text);

}  // namespace korvex::mortgage
