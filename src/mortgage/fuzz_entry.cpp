#include "fuzz_entry.h"

#include <array>
#include <charconv>
#include <string>
#include <variant>

#include "mortgage/carry_over.h"
#include "mortgage/fund_limit.h"
#include "mortgage/repayment.h"
#include "mortgage/term_choices.h"

namespace korvex::mortgage {
namespace {

constexpr std::size_t kFieldCount = 13;

std::array<std::string_view, kFieldCount> SplitFields(std::string_view data) {
  std::array<std::string_view, kFieldCount> fields{};
  for (std::size_t i = 0; i < kFieldCount && !data.empty(); ++i) {
    const std::size_t end = data.find('\n');
    fields[i] = data.substr(0, end);
    data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
  }
  return fields;
}

// A field that is no whole number keeps the fallback, and every int is a date the clock may give.
int ReadInt(std::string_view text, int fallback) {
  int value = fallback;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// A number text as the results show it: digits, optionally with "-", "." and an "E" exponent.
bool IsNumberText(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  return !text.empty() && text.front() >= '0' && text.front() <= '9' &&
         text.find_first_not_of("0123456789.E+-") == std::string_view::npos;
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() > tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool IsWellFormed(const CheckMessage& message) {
  return !message.text.empty() && !message.title.empty();
}

bool IsWellFormed(const std::variant<CheckMessage, RepaymentResult>& outcome) {
  if (const auto* message = std::get_if<CheckMessage>(&outcome)) return IsWellFormed(*message);
  const auto& r = std::get<RepaymentResult>(outcome);
  return IsNumberText(r.L_YG1) && IsNumberText(r.L_LX1) && IsNumberText(r.L_YG2) &&
         IsNumberText(r.L_LX2);
}

}  // namespace

bool FuzzMortgageTexts(std::string_view data) {
  const auto f = SplitFields(data);

  if (!IsWellFormed(CalcRepayment(f[0], f[1], f[2], f[3], f[4]))) return false;

  const YearMonth today{ReadInt(f[11], 2012), ReadInt(f[12], 9)};
  const auto fund = CalcFundLimit(f[5], f[6], f[7], f[8], f[9], f[10], today);
  if (const auto* message = std::get_if<CheckMessage>(&fund)) return IsWellFormed(*message);
  const auto& result = std::get<FundResult>(fund);
  if (!result.carry_over_enabled || !EndsWith(result.L_GJJ_JE, "万") ||
      !EndsWith(result.L_GJJ_NX, "年"))
    return false;

  const CarryOver carried = CarryOverToRepayment(result.L_GJJ_NX, result.L_GJJ_JE);
  if (!carried.years_text.empty() && !ReadTermChoice(carried.years_text)) return false;
  return IsWellFormed(CalcRepayment(carried.years_text, "6", "", "", carried.amount_text));
}

}  // namespace korvex::mortgage
