#include "repayment.h"

#include <cmath>
#include <optional>

#include "common/number_text.h"
#include "common/rounding.h"
#include "mortgage/control_names.h"
#include "mortgage/number_reading.h"
#include "mortgage/term_choices.h"

namespace korvex::mortgage {
namespace {

constexpr std::string_view kChooseTerm = "请选择贷款期限。";
constexpr std::string_view kEnterRate =
    "请输入相应贷款的现行央行基准利率。请注意是基准利率，并注意是商业贷款还是公积金贷款。"
    "\r\n\r\n"
    "如果银行给您的利率有浮动，请在利率浮动里输入相应的浮动额。";
constexpr std::string_view kBadRate = "您输入的基准利率似乎不正确，请检查后重新输入。";
constexpr std::string_view kEnterAmount = "请输入贷款金额。";
constexpr std::string_view kBadAmount = "您输入的贷款金额似乎不正确，请检查后重新输入。";
constexpr std::string_view kBadFloat = "您输入的利率浮动似乎不正确，请检查后重新输入。";

// Below this, B - 1 of the annuity formula is so close to 0 that subtracting 1 from B would
// cost most of its digits (a rate of 1E-12 % would give a payment several percent too high).
constexpr double kSmallGrowth = 1e-4;

// Anything below half a fen rounds to 0 at 2 places; saying so here keeps the tiniest doubles, such
// as the interest at a rate of 1E-300 %, from reaching the rounding and showing as "1E-297".
std::string ToResultText(double value) {
  if (std::abs(value) < 0.005) return "0";
  return FormatNumberText(RoundToPlaces(value, 2));
}

// x / log1p(x) and x / expm1(x), both 1 at 0, stay exact for the tiniest x, where the product
// r × P or the growth B - 1 would lose its digits to underflow.
double OverLog1p(double x) {
  const double l = std::log1p(x);
  return l == 0 ? 1.0 : x / l;
}
double OverExpm1(double x) {
  const double e = std::expm1(x);
  return e == 0 ? 1.0 : x / e;
}

// The equal-installment payment M = (B × A) ÷ (B - 1) with A = r × P and B = (1 + r)^n.
double AnnuityPayment(double r, double P, double n) {
  const double A = r * P;
  const double B = std::pow(1 + r, n);
  if (B - 1 < kSmallGrowth) {
    // A loan without interest (r = 0) repays P ÷ n a month; near it, the same formula rewritten
    // as B × P ÷ n × (r ÷ ln(1 + r)) × (u ÷ (e^u - 1)) with u = n × ln(1 + r) keeps its digits.
    return B * P / n * OverLog1p(r) * OverExpm1(n * std::log1p(r));
  }
  // For a rate so high that B × A leaves the double range, B ÷ (B - 1) is 1 to double precision.
  if (!std::isfinite(B * A)) return A / (1 - 1 / B);
  return (B * A) / (B - 1);
}

// A loan whose inputs passed every check.
struct Loan {
  double years = 0;
  double r = 0;  // MonthRate, the float applied
  double P = 0;  // 元
};

std::variant<CheckMessage, Loan> ReadLoan(std::string_view years_text, std::string_view rate_text,
                                          std::string_view direction_text,
                                          std::string_view float_text,
                                          std::string_view amount_text) {
  // The term comes from a fixed list; any text it does not hold is no choice at all.
  const std::optional<int> term = ReadTermChoice(years_text);
  if (!term) return Reminder(kChooseTerm, kComboYears);
  if (rate_text.empty()) return Reminder(kEnterRate, kTLilv);
  if (!IsRateText(rate_text)) return CriticalError(kBadRate);
  // "." alone passes the character check but is no number; nor is one beyond the double range.
  const std::optional<double> rate = ReadDecimalText(rate_text);
  if (!rate) return CriticalError(kBadRate);
  if (amount_text.empty()) return Reminder(kEnterAmount, kTCash);
  if (!IsDigitsOnly(amount_text)) return CriticalError(kBadAmount);
  const std::optional<double> amount = ReadDecimalText(amount_text);
  if (!amount || !std::isfinite(*amount * 10000)) return CriticalError(kBadAmount);

  double MonthRate = (*rate / 100) / 12;
  const bool up = direction_text == kFloatUp;
  const bool down = direction_text == kFloatDown;
  if (up || down) {
    // The float field is free text once a direction is chosen; it must be a plain number, and
    // "下浮" cannot take the rate below zero, where the loan would earn the borrower interest.
    const std::optional<double> f = ReadDecimalText(float_text);
    if (!f || (down && *f > 100)) return CriticalError(kBadFloat);
    MonthRate = up ? (1 + *f / 100) * MonthRate : (1 - *f / 100) * MonthRate;
    if (!std::isfinite(MonthRate)) return CriticalError(kBadFloat);
  }
  return Loan{static_cast<double>(*term), MonthRate, *amount * 10000};
}

RepaymentResult Repay(const Loan& loan) {
  const double years = loan.years;
  const double r = loan.r;
  const double P = loan.P;
  const double n = years * 12;

  double Payment = AnnuityPayment(r, P, n);
  double Interest = r == 0 ? 0.0 : 12 * (years * Payment) - P;
  RepaymentResult result;
  result.L_YG1 = ToResultText(Payment);
  result.L_LX1 = ToResultText(Interest);

  Payment = r * P + P / n;
  // The principal repaid each month in whole 元, held as a whole-valued double so that no loan
  // the amount field can hold is too large for it.
  const double m = RoundToWhole(P / n);
  Interest = 0;
  double remaining = P;
  for (double k = n; k > 0; k = k - 1) {
    Interest = Interest + r * remaining;
    remaining = remaining - m;
  }
  result.L_YG2 = ToResultText(Payment);
  result.L_LX2 = ToResultText(Interest);
  return result;
}

}  // namespace

std::variant<CheckMessage, RepaymentResult> CalcRepayment(std::string_view years_text,
                                                          std::string_view rate_text,
                                                          std::string_view direction_text,
                                                          std::string_view float_text,
                                                          std::string_view amount_text) {
  const auto loan = ReadLoan(years_text, rate_text, direction_text, float_text, amount_text);
  if (const auto* message = std::get_if<CheckMessage>(&loan)) return *message;
  RepaymentResult result = Repay(std::get<Loan>(loan));
  // A loan whose figures leave the double range has no number to show; its amount is too large
  // to be repaid at this rate.
  for (const std::string* text : {&result.L_YG1, &result.L_LX1, &result.L_YG2, &result.L_LX2})
    if (text->empty()) return CriticalError(kBadAmount);
  return result;
}

}  // namespace korvex::mortgage
