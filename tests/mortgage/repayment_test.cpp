#include "mortgage/repayment.h"

#include <gtest/gtest.h>

#include <string>

namespace korvex::mortgage {
namespace {

struct Inputs {
  std::string years, rate, direction, float_text, amount;
};

std::variant<CheckMessage, RepaymentResult> Calc(const Inputs& in) {
  return CalcRepayment(in.years, in.rate, in.direction, in.float_text, in.amount);
}

RepaymentResult Results(const Inputs& in) {
  const auto outcome = Calc(in);
  if (const auto* message = std::get_if<CheckMessage>(&outcome)) {
    ADD_FAILURE() << "refused: " << message->text;
    return {};
  }
  return std::get<RepaymentResult>(outcome);
}

CheckMessage Message(const Inputs& in) {
  const auto outcome = Calc(in);
  if (!std::holds_alternative<CheckMessage>(outcome)) {
    ADD_FAILURE() << "computed: " << std::get<RepaymentResult>(outcome).L_YG1;
    return {};
  }
  return std::get<CheckMessage>(outcome);
}

const CheckMessage kChooseTerm{"请选择贷款期限。", "提醒", MessageIcon::Warning, "Combo_Years"};
const CheckMessage kEnterRate{
    "请输入相应贷款的现行央行基准利率。请注意是基准利率，并注意是商业贷款还是公积金贷款。\r\n\r\n"
    "如果银行给您的利率有浮动，请在利率浮动里输入相应的浮动额。",
    "提醒", MessageIcon::Warning, "T_lilv"};
const CheckMessage kBadRate{"您输入的基准利率似乎不正确，请检查后重新输入。", "关键性错误",
                            MessageIcon::Critical, ""};
const CheckMessage kEnterAmount{"请输入贷款金额。", "提醒", MessageIcon::Warning, "T_Cash"};
const CheckMessage kBadAmount{"您输入的贷款金额似乎不正确，请检查后重新输入。", "关键性错误",
                              MessageIcon::Critical, ""};
const CheckMessage kBadFloat{"您输入的利率浮动似乎不正确，请检查后重新输入。", "关键性错误",
                             MessageIcon::Critical, ""};

TEST(MortgageRepayment, WorkedExamples) {
  const struct {
    Inputs in;
    RepaymentResult out;
  } cases[] = {
      {{"20", "6", "", "", "10"}, {"716.43", "71943.45", "916.67", "60202.2"}},
      {{"20", "6", "上浮", "10", "10"}, {"751.47", "80353.3", "966.67", "66222.42"}},
      {{"10", "5.4", "", "", "30"}, {"3240.94", "88913.19", "3850", "81675"}},
      // 30000 ÷ 96 = 312.5 is repaid as 312 a month (313 would give 6053).
      {{"8", "5", "", "", "3"}, {"379.8", "6460.57", "437.5", "6072"}},
      {{"20", "4.9", "下浮", "15", "100"}, {"6147.1", "475303.89", "7637.5", "418202.24"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in.years + " " + c.in.rate + " " + c.in.direction + c.in.float_text + " " +
                 c.in.amount);
    EXPECT_EQ(Results(c.in), c.out);
  }
}

TEST(MortgageRepayment, EachCheckGivesItsMessage) {
  const struct {
    const char* name;
    Inputs in;
    const CheckMessage& message;
  } cases[] = {
      {"no term", {"", "6", "", "", "10"}, kChooseTerm},
      {"term not in the list", {"4", "6", "", "", "10"}, kChooseTerm},
      {"term 05", {"05", "6", "", "", "10"}, kChooseTerm},
      {"term 31", {"31", "6", "", "", "10"}, kChooseTerm},
      {"no rate", {"20", "", "", "", "10"}, kEnterRate},
      {"second point", {"20", "6.5.5", "", "", "10"}, kBadRate},
      {"comma", {"20", "6,5", "", "", "10"}, kBadRate},
      {"leading space", {"20", " 6", "", "", "10"}, kBadRate},
      {"minus", {"20", "-6", "", "", "10"}, kBadRate},
      {"full-width digits", {"20", "６", "", "", "10"}, kBadRate},
      {"point alone", {"20", ".", "", "", "10"}, kBadRate},
      {"rate beyond doubles", {"20", "1" + std::string(400, '0'), "", "", "10"}, kBadRate},
      {"no amount", {"20", "6", "", "", ""}, kEnterAmount},
      {"fractional amount", {"20", "6", "", "", "10.5"}, kBadAmount},
      {"amount beyond doubles", {"20", "6", "", "", std::string(400, '9')}, kBadAmount},
      {"empty float", {"20", "6", "上浮", "", "10"}, kBadFloat},
      {"float not a number", {"20", "6", "下浮", "abc", "10"}, kBadFloat},
      {"float point alone", {"20", "6", "上浮", ".", "10"}, kBadFloat},
      {"float below zero rate", {"20", "6", "下浮", "100.5", "10"}, kBadFloat},
      {"float beyond doubles", {"20", "6", "上浮", std::string(400, '9'), "10"}, kBadFloat},
      {"loan too large to compute",
       {"20", "1" + std::string(300, '0'), "", "", "1" + std::string(300, '0')},
       kBadAmount},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Message(c.in), c.message);
  }
}

TEST(MortgageRepayment, ChecksRunInOrder) {
  const struct {
    const char* name;
    Inputs in;
    const CheckMessage& message;
  } cases[] = {
      {"term before rate", {"", "x", "上浮", "", ""}, kChooseTerm},
      {"bad rate before empty amount", {"20", "6.5.5", "上浮", "", ""}, kBadRate},
      {"rate point before empty amount", {"20", ".", "", "", ""}, kBadRate},
      {"amount before float", {"20", "6", "上浮", "", "1.5"}, kBadAmount},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Message(c.in), c.message);
  }
}

TEST(MortgageRepayment, EdgeCases) {
  const RepaymentResult row1{"716.43", "71943.45", "916.67", "60202.2"};
  const struct {
    const char* name;
    Inputs in;
    RepaymentResult out;
  } cases[] = {
      {"amount 0", {"20", "6", "", "", "0"}, {"0", "0", "0", "0"}},
      {"amount 010", {"20", "6", "", "", "010"}, row1},
      {"rate 6.", {"20", "6.", "", "", "10"}, row1},
      {"float ignored without a direction", {"20", "6", "", "abc", "10"}, row1},
      {"float 0", {"20", "6", "上浮", "0", "10"}, row1},
      {"rate .5", {"20", ".5", "", "", "10"}, Results({"20", "0.5", "", "", "10"})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Results(c.in), c.out);
  }
}

TEST(MortgageRepayment, LoansWithoutInterestRepayTheirPrincipal) {
  const RepaymentResult interest_free{"416.67", "0", "416.67", "0"};
  const struct {
    const char* name;
    Inputs in;
  } cases[] = {
      {"rate 0", {"20", "0", "", "", "10"}},
      {"rate 0.0", {"20", "0.0", "上浮", "50", "10"}},
      {"float down 100", {"20", "6", "下浮", "100", "10"}},
      {"rate below the doubles", {"20", "0." + std::string(400, '0') + "1", "", "", "10"}},
      // The interest, about 1E-297 元, is a tiny double that still rounds to 0 at 2 places.
      {"rate 1E-301 %", {"20", "0." + std::string(300, '0') + "1", "", "", "10"}},
      // 1 + r rounds to a few units of the last place here, so B - 1 must not be taken from B.
      {"rate 1E-12 %", {"20", "0.000000000001", "", "", "10"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Results(c.in), interest_free);
  }
}

TEST(MortgageRepayment, LargeLoansKeepTheirWholeMonthlyPrincipal) {
  // 1000 万元 over 5 years repays 166667 元 a month, far beyond 16 bits; the equal-principal
  // interest is r × (60 × P - 166667 × (0 + 1 + ... + 59)).
  EXPECT_EQ(Results({"5", "6", "", "", "1000"}).L_LX2, "1524997.05");
  EXPECT_EQ(Results({"5", "6", "", "", "1000"}).L_YG2, "216666.67");
  // 1 万亿元 over 30 years: r × P + P ÷ 360.
  EXPECT_EQ(Results({"30", "6", "", "", "100000000"}).L_YG2, "7777777777.78");
}

TEST(MortgageRepayment, HugeRateGivesTheInterestOfTheWholePrincipal) {
  // (1 + r)^n leaves the double range, where the payment is one month's interest on P.
  const RepaymentResult r = Results({"20", "1" + std::string(300, '0'), "", "", "10"});
  EXPECT_EQ(r.L_YG1, "8.33333333333333E+301");
  EXPECT_EQ(r.L_YG2, "8.33333333333333E+301");
}

}  // namespace
}  // namespace korvex::mortgage
