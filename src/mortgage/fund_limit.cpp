#include "fund_limit.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "common/number_text.h"
#include "common/rounding.h"
#include "mortgage/control_names.h"
#include "mortgage/number_reading.h"

namespace korvex::mortgage {
namespace {

constexpr std::string_view kBadBirth = "请正确输入您的出生年月，以确定您可以贷款的最高年限。";
constexpr std::string_view kEnterSex = "请输入您的性别，以确定您可以贷款的最高年限。";
constexpr std::string_view kEnterPayment =
    "请输入您的公积金月汇缴额，也就是单位与你自己交的和，一般就是你自己缴存额的双倍。";
constexpr std::string_view kEnterRatio = "请输入您的公积金缴存比例，一般就是8%或10%";
constexpr std::string_view kEnterCeiling =
    "请输入您公积金贷款政策允许的可贷上限，省公积金和市公积金可贷上限不同。";
constexpr std::string_view kBadPayment = "您输入的月汇缴额似乎不正确，请检查后重新输入。";
constexpr std::string_view kBadRatio = "您输入的缴存比例似乎不正确，请检查后重新输入。";
constexpr std::string_view kBadCeiling = "您输入的可贷上限似乎不正确，请检查后重新输入。";

constexpr std::int64_t kYoungestAge = 20;
constexpr std::int64_t kOldestAge = 58;
constexpr std::int64_t kLongestTerm = 30;

// A birth year is four ASCII digits; "１９８０" or "19a0" has four characters but no year.
std::optional<std::int64_t> ReadBirthYear(std::string_view text) {
  if (text.size() != 4 || !IsDigitsOnly(text)) return std::nullopt;
  return (text[0] - '0') * 1000 + (text[1] - '0') * 100 + (text[2] - '0') * 10 + (text[3] - '0');
}

// A birth month is one of the list's items "1" ... "12".
std::optional<std::int64_t> ReadBirthMonth(std::string_view text) {
  if (text.empty() || text.size() > 2 || text[0] == '0' || !IsDigitsOnly(text)) return std::nullopt;
  const std::int64_t month =
      text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + text[1] - '0';
  if (month > 12) return std::nullopt;
  return month;
}

}  // namespace

std::variant<CheckMessage, FundResult> CalcFundLimit(
    std::string_view birth_year_text, std::string_view birth_month_text, std::string_view sex_text,
    std::string_view payment_text, std::string_view ratio_text, std::string_view ceiling_text,
    YearMonth today) {
  // 64 bits, so that no year the clock could report overflows the age arithmetic.
  const std::int64_t Y = today.year;
  const std::optional<std::int64_t> birth_year = ReadBirthYear(birth_year_text);
  const std::optional<std::int64_t> birth_month = ReadBirthMonth(birth_month_text);
  if (!birth_year || !birth_month || *birth_year > Y - kYoungestAge || *birth_year < Y - kOldestAge)
    return Reminder(kBadBirth, {});
  if (sex_text.empty()) return Reminder(kEnterSex, kComboSex);

  const std::int64_t retirement_age = sex_text == kMale ? 60 : 55;
  std::int64_t term = retirement_age - (Y - *birth_year);
  if (*birth_month < today.month) term = term - 1;
  if (term > kLongestTerm) term = kLongestTerm;
  // Banks lend to no one past retirement age (a woman of 55 to 58): the age check above admits
  // such a birth year for either sex, so it is refused here, as the age tip tells the user.
  if (term <= 0) return Reminder(kBadBirth, {});

  if (payment_text.empty()) return Reminder(kEnterPayment, kTPay);
  if (ratio_text.empty()) return Reminder(kEnterRatio, kTPercent);
  if (ceiling_text.empty()) return Reminder(kEnterCeiling, kTTop);
  if (!IsDigitsOnly(payment_text)) return CriticalError(kBadPayment);
  const std::optional<double> payment = ReadDecimalText(payment_text);
  if (!payment) return CriticalError(kBadPayment);
  if (!IsDigitsOnly(ratio_text)) return CriticalError(kBadRatio);
  // A ratio of 0 would leave the wage, payment ÷ (2 × ratio), undefined.
  const std::optional<double> ratio = ReadDecimalText(ratio_text);
  if (!ratio || *ratio == 0) return CriticalError(kBadRatio);
  if (!IsDigitsOnly(ceiling_text)) return CriticalError(kBadCeiling);
  // The ceiling is only compared with, so one beyond the double range is above every amount.
  const double C = ReadDecimalText(ceiling_text).value_or(std::numeric_limits<double>::infinity());

  const double T = static_cast<double>(term);
  const double K = *payment * 0.45 / (*ratio / 100 * 2) * 12;
  const double A = RoundToWhole((T * K) / 10000);
  // A payment so large that the amount leaves the double range has no number to show.
  if (!std::isfinite(A)) return CriticalError(kBadPayment);

  FundResult result;
  result.L_GJJ_JE = (A > C ? std::string(ceiling_text) : FormatNumberText(A)) + "万";
  result.L_GJJ_NX = FormatNumberText(T) + "年";
  result.carry_over_enabled = true;
  return result;
}

FundResult ClearFundResult() { return {}; }

}  // namespace korvex::mortgage
