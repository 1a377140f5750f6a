#include "mortgage/fund_limit.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace korvex::mortgage {
namespace {

constexpr YearMonth kSeptember2012{2012, 9};

struct Inputs {
  std::string year, month, sex, payment, ratio, ceiling;
};

std::variant<CheckMessage, FundResult> Calc(const Inputs& in, YearMonth today = kSeptember2012) {
  return CalcFundLimit(in.year, in.month, in.sex, in.payment, in.ratio, in.ceiling, today);
}

FundResult Results(const Inputs& in) {
  const auto outcome = Calc(in);
  if (const auto* message = std::get_if<CheckMessage>(&outcome)) {
    ADD_FAILURE() << "refused: " << message->text;
    return {};
  }
  return std::get<FundResult>(outcome);
}

CheckMessage Message(const Inputs& in, YearMonth today = kSeptember2012) {
  const auto outcome = Calc(in, today);
  if (!std::holds_alternative<CheckMessage>(outcome)) {
    ADD_FAILURE() << "computed: " << std::get<FundResult>(outcome).L_GJJ_JE;
    return {};
  }
  return std::get<CheckMessage>(outcome);
}

const CheckMessage kBadBirth{"请正确输入您的出生年月，以确定您可以贷款的最高年限。", "提醒",
                             MessageIcon::Warning, ""};
const CheckMessage kEnterSex{"请输入您的性别，以确定您可以贷款的最高年限。", "提醒",
                             MessageIcon::Warning, "Combo_Sex"};
const CheckMessage kEnterPayment{
    "请输入您的公积金月汇缴额，也就是单位与你自己交的和，一般就是你自己缴存额的双倍。", "提醒",
    MessageIcon::Warning, "T_Pay"};
const CheckMessage kEnterRatio{"请输入您的公积金缴存比例，一般就是8%或10%", "提醒",
                               MessageIcon::Warning, "T_Percent"};
const CheckMessage kEnterCeiling{
    "请输入您公积金贷款政策允许的可贷上限，省公积金和市公积金可贷上限不同。", "提醒",
    MessageIcon::Warning, "T_Top"};
const CheckMessage kBadPayment{"您输入的月汇缴额似乎不正确，请检查后重新输入。", "关键性错误",
                               MessageIcon::Critical, ""};
const CheckMessage kBadRatio{"您输入的缴存比例似乎不正确，请检查后重新输入。", "关键性错误",
                             MessageIcon::Critical, ""};
const CheckMessage kBadCeiling{"您输入的可贷上限似乎不正确，请检查后重新输入。", "关键性错误",
                               MessageIcon::Critical, ""};

TEST(MortgageFundLimit, WorkedExamples) {
  const struct {
    Inputs in;
    const char* amount;
    const char* term;
  } cases[] = {
      {{"1980", "5", "男", "1000", "10", "60"}, "60万", "27年"},
      {{"1980", "11", "男", "1000", "10", "80"}, "76万", "28年"},
      {{"1970", "12", "女", "800", "8", "40"}, "35万", "13年"},
      {{"1990", "3", "男", "1500", "12", "50"}, "50万", "30年"},
      // Born in the current month: no year is taken off; 40.5 goes to the even 40.
      {{"1967", "9", "男", "1000", "10", "60"}, "40万", "15年"},
      {{"1957", "10", "男", "1000", "10", "60"}, "14万", "5年"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in.year + "-" + c.in.month);
    EXPECT_EQ(Results(c.in), (FundResult{c.amount, c.term, true}));
  }
}

TEST(MortgageFundLimit, EachCheckGivesItsMessage) {
  const struct {
    const char* name;
    Inputs in;
    const CheckMessage& message;
  } cases[] = {
      {"too young", {"1993", "1", "男", "1000", "10", "60"}, kBadBirth},
      {"too old", {"1953", "12", "男", "1000", "10", "60"}, kBadBirth},
      {"two-digit year", {"92", "1", "男", "1000", "10", "60"}, kBadBirth},
      {"empty year", {"", "1", "男", "1000", "10", "60"}, kBadBirth},
      {"empty month", {"1980", "", "男", "1000", "10", "60"}, kBadBirth},
      {"month 13", {"1980", "13", "男", "1000", "10", "60"}, kBadBirth},
      {"month 0", {"1980", "0", "男", "1000", "10", "60"}, kBadBirth},
      {"month 01", {"1980", "01", "男", "1000", "10", "60"}, kBadBirth},
      {"year of letters", {"19a0", "1", "男", "1000", "10", "60"}, kBadBirth},
      {"year with a sign", {"-980", "1", "男", "1000", "10", "60"}, kBadBirth},
      {"full-width year", {"１９８０", "1", "男", "1000", "10", "60"}, kBadBirth},
      {"no sex", {"1980", "5", "", "1000", "10", "60"}, kEnterSex},
      {"woman past 55", {"1955", "1", "女", "1000", "10", "60"}, kBadBirth},
      {"woman turning 55 this month", {"1957", "9", "女", "1000", "10", "60"}, kBadBirth},
      {"no payment", {"1980", "5", "男", "", "10", "60"}, kEnterPayment},
      {"no ratio", {"1980", "5", "男", "1000", "", "60"}, kEnterRatio},
      {"no ceiling", {"1980", "5", "男", "1000", "10", ""}, kEnterCeiling},
      {"payment with a point", {"1980", "5", "男", "1000.5", "10", "60"}, kBadPayment},
      {"payment beyond doubles",
       {"1980", "5", "男", std::string(400, '9'), "10", "60"},
       kBadPayment},
      {"amount beyond doubles", {"1980", "5", "男", std::string(307, '9'), "1", "60"}, kBadPayment},
      {"ratio with a percent sign", {"1980", "5", "男", "1000", "10%", "60"}, kBadRatio},
      {"ratio 0", {"1980", "5", "男", "1000", "0", "60"}, kBadRatio},
      {"ratio 00", {"1980", "5", "男", "1000", "00", "60"}, kBadRatio},
      {"ratio beyond doubles", {"1980", "5", "男", "1000", std::string(400, '9'), "60"}, kBadRatio},
      {"ceiling with a unit", {"1980", "5", "男", "1000", "10", "60万"}, kBadCeiling},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Message(c.in), c.message);
  }
}

TEST(MortgageFundLimit, ChecksRunInOrder) {
  const struct {
    const char* name;
    Inputs in;
    const CheckMessage& message;
  } cases[] = {
      {"birth before sex", {"1993", "1", "", "", "", ""}, kBadBirth},
      {"sex before payment", {"1980", "5", "", "", "x", "x"}, kEnterSex},
      {"empty payment before bad ratio", {"1980", "5", "男", "", "abc", "60"}, kEnterPayment},
      {"empty ceiling before bad payment", {"1980", "5", "男", "x", "10", ""}, kEnterCeiling},
      {"bad payment before bad ratio", {"1980", "5", "男", "x", "0", "y"}, kBadPayment},
      {"bad ratio before bad ceiling", {"1980", "5", "男", "1000", "0", "y"}, kBadRatio},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Message(c.in), c.message);
  }
}

TEST(MortgageFundLimit, AgeBoundsByCalendarYear) {
  EXPECT_EQ(Results({"1992", "12", "男", "1000", "10", "60"}).L_GJJ_NX, "30年");
  EXPECT_EQ(Results({"1954", "1", "男", "1000", "10", "60"}).L_GJJ_NX, "1年");
  // A woman one month short of 55 in the month before her birthday still has a year.
  EXPECT_EQ(Results({"1958", "12", "女", "1000", "10", "60"}).L_GJJ_NX, "1年");
  EXPECT_EQ(Message({"1958", "1", "女", "1000", "10", "60"}), kBadBirth);
  // A sex text other than "男" retires at 55.
  EXPECT_EQ(Results({"1970", "12", "?", "800", "8", "40"}).L_GJJ_NX, "13年");
}

TEST(MortgageFundLimit, CeilingDecidesTheAmountShown) {
  const struct {
    const char* name;
    std::string ceiling;
    const char* amount;
  } cases[] = {
      {"equal to the amount", "73", "73万"},
      {"exceeded, as typed", "060", "060万"},
      {"beyond doubles", std::string(400, '9'), "73万"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Results({"1980", "5", "男", "1000", "10", c.ceiling}).L_GJJ_JE, c.amount);
  }
  // 30 years at 100000 元 a month gives 8100 万, which a ceiling beyond 16 bits must still hold.
  EXPECT_EQ(Results({"1990", "3", "男", "100000", "10", "70000"}).L_GJJ_JE, "8100万");
  EXPECT_EQ(Results({"1990", "3", "男", "100000", "10", "8099"}).L_GJJ_JE, "8099万");
}

TEST(MortgageFundLimit, TheDateComesFromTheCaller) {
  const Inputs in{"1980", "5", "男", "1000", "10", "100"};
  EXPECT_EQ(std::get<FundResult>(Calc(in, {2012, 5})).L_GJJ_NX, "28年");
  EXPECT_EQ(std::get<FundResult>(Calc(in, {2020, 1})).L_GJJ_NX, "20年");
  // The age bounds are taken from any year without overflowing.
  EXPECT_EQ(Message(in, {INT_MIN, 9}), kBadBirth);
  EXPECT_EQ(Message(in, {INT_MAX, 9}), kBadBirth);
}

TEST(MortgageFundLimit, ClearEmptiesTheResults) {
  EXPECT_EQ(ClearFundResult(), (FundResult{"", "", false}));
}

}  // namespace
}  // namespace korvex::mortgage
