#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "common/clock.h"
#include "mortgage/check_message.h"

namespace korvex::mortgage {

/// The sex item whose retirement age is 60; every other sex retires at 55.
inline constexpr std::string_view kMale = "男";
/// The other sex item of `Combo_Sex`.
inline constexpr std::string_view kFemale = "女";

/// What the second tab shows of a fund calculation.
struct FundResult {
  std::string L_GJJ_JE;             ///< the highest amount, a number text and "万"
  std::string L_GJJ_NX;             ///< the longest term, a number text and "年"
  bool carry_over_enabled = false;  ///< whether `Cmd_JiSuan` is enabled

  bool operator==(const FundResult&) const = default;
};

/// The highest amount and longest term of a fund loan from the texts of `T_AgeYear`,
/// `Combo_AgeMonth`, `Combo_Sex`, `T_Pay`, `T_Percent` and `T_Top`, as of the month `today`,
/// or the message of the first input check that fails.
std::variant<CheckMessage, FundResult> CalcFundLimit(
    std::string_view birth_year_text, std::string_view birth_month_text, std::string_view sex_text,
    std::string_view payment_text, std::string_view ratio_text, std::string_view ceiling_text,
    YearMonth today);

/// The second tab's results once an input they came from has changed: both empty, and
/// `Cmd_JiSuan` disabled.
FundResult ClearFundResult();

}  // namespace korvex::mortgage
