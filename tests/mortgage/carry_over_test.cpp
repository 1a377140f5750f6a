#include "mortgage/carry_over.h"

#include <gtest/gtest.h>

#include <variant>

#include "mortgage/fund_limit.h"
#include "mortgage/repayment.h"

namespace korvex::mortgage {
namespace {

TEST(MortgageCarryOver, HandsTermAndAmountToTheFirstTab) {
  const struct {
    const char* term_caption;
    const char* amount_caption;
    CarryOver out;
  } cases[] = {
      {"27年", "60万", {"27", "60"}},
      {"30年", "060万", {"30", "060"}},
      {"5年", "14万", {"5", "14"}},
      // Shorter than the term list: no term is chosen rather than a wrong one.
      {"4年", "11万", {"", "11"}},
      {"1年", "3万", {"", "3"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term_caption);
    EXPECT_EQ(CarryOverToRepayment(c.term_caption, c.amount_caption), c.out);
  }
}

TEST(MortgageCarryOver, FirstTabComputesWhatWasCarried) {
  const auto fund = CalcFundLimit("1980", "11", "男", "1000", "10", "80", {2012, 9});
  const FundResult& found = std::get<FundResult>(fund);
  const CarryOver carried = CarryOverToRepayment(found.L_GJJ_NX, found.L_GJJ_JE);
  const auto repayment = CalcRepayment(carried.years_text, "4.5", "", "", carried.amount_text);
  ASSERT_TRUE(std::holds_alternative<RepaymentResult>(repayment));
  EXPECT_EQ(repayment, CalcRepayment("28", "4.5", "", "", "76"));

  // A term too short for the list leaves the first tab asking for one.
  const auto short_fund = CalcFundLimit("1954", "1", "男", "1000", "10", "80", {2012, 9});
  const FundResult& short_found = std::get<FundResult>(short_fund);
  const CarryOver short_carried = CarryOverToRepayment(short_found.L_GJJ_NX, short_found.L_GJJ_JE);
  const auto asked =
      CalcRepayment(short_carried.years_text, "4.5", "", "", short_carried.amount_text);
  ASSERT_TRUE(std::holds_alternative<CheckMessage>(asked));
  EXPECT_EQ(std::get<CheckMessage>(asked).focus, "Combo_Years");
}

}  // namespace
}  // namespace korvex::mortgage
