#include "common/decimal.h"

#include <gtest/gtest.h>

#include <string>

namespace korvex {
namespace {

struct OpCase {
  const char* a;
  char op;
  const char* b;
  const char* expected;  // the shortest text, or "overflow" / "divzero"
};

std::string Calculate(const OpCase& c) {
  const DecimalResult a = Decimal::Parse(c.a);
  const DecimalResult b = Decimal::Parse(c.b);
  if (!a.ok() || !b.ok()) return "unreadable operand";
  DecimalResult r;
  switch (c.op) {
    case '+':
      r = Add(a.value, b.value);
      break;
    case '-':
      r = Subtract(a.value, b.value);
      break;
    case '*':
      r = Multiply(a.value, b.value);
      break;
    default:
      r = Divide(a.value, b.value);
      break;
  }
  switch (r.error) {
    case DecimalError::Overflow:
      return "overflow";
    case DecimalError::DivideByZero:
      return "divzero";
    case DecimalError::Invalid:
      return "invalid";
    case DecimalError::None:
      break;
  }
  return r.value.ToString();
}

TEST(DecimalArithmetic, Table) {
  // 2^96 - 1 = 79228162514264337593543950335, the largest coefficient.
  const OpCase cases[] = {
      {"0.1", '+', "0.2", "0.3"},
      {"12.5", '+', "3", "15.5"},
      {"12.5", '-', "3", "9.5"},
      {"3", '-', "12.5", "-9.5"},
      {"-2", '+', "2", "0"},
      {"12.5", '*', "3", "37.5"},
      {"-0.5", '*', "4", "-2"},
      {"1", '/', "3", "0.3333333333333333333333333333"},
      {"2", '/', "3", "0.6666666666666666666666666667"},
      {"-2", '/', "3", "-0.6666666666666666666666666667"},
      {"10", '/', "4", "2.5"},
      {"1", '/', "0.001", "1000"},
      {"100", '/', "7", "14.285714285714285714285714286"},
      {"1", '/', "7", "0.1428571428571428571428571429"},
      {"0.0000000000000000000000000001", '/', "3", "0"},
      {"79228162514264337593543950335", '/', "1", "79228162514264337593543950335"},
      {"79228162514264337593543950335", '/', "0.1", "overflow"},
      {"7", '/', "0", "divzero"},
      {"0", '/', "0", "divzero"},
      // Sums that need rounding at the 29th digit, ties going to the even neighbour.
      {"79228162514264337593543950335", '+', "0.4", "79228162514264337593543950335"},
      {"79228162514264337593543950335", '+', "1", "overflow"},
      {"79228162514264337593543950335", '-', "-1", "overflow"},
      {"-79228162514264337593543950335", '-', "1", "overflow"},
      {"79228162514264337593543950334", '+', "0.5", "79228162514264337593543950334"},
      {"7922816251426433759354395033", '+', "0.25", "7922816251426433759354395033.2"},
      {"7922816251426433759354395033", '+', "0.35", "7922816251426433759354395033.4"},
      {"1", '+', "0.00000000000000000000000000005", "1"},
      // A difference of short operands that is still too long for the coefficient.
      {"611592223386.73611996955624518", '-', "0.0000952096011810938372674",
       "611592223386.73602475995506409"},
      {"1", '+', "0.00000000000000000000000000015", "1.0000000000000000000000000002"},
      {"0.5", '+', "0.0000000000000000000000000001", "0.5000000000000000000000000001"},
      // Products beyond the coefficient: the 28-digit fractions are rounded, whole parts overflow.
      {"0.3333333333333333333333333333", '*', "3", "0.9999999999999999999999999999"},
      {"1.0000000000000000000000000001", '*', "1.0000000000000000000000000001",
       "1.0000000000000000000000000002"},
      {"12345678901234.5678", '*', "1234567890.12345678", "15241578753238836527968.299765"},
      {"9999999999999999", '*', "9999999999999999", "overflow"},
      {"10000000000000000", '*', "10000000000000", "overflow"},
      {"8901234567890123456789012345", '*', "8.9", "79220987654222098765422209870"},
      {"0.0000000000000001", '*', "0.0000000000000001", "0"},
      {"0.00000000000001", '*', "0.00000000000005", "0.0000000000000000000000000005"},
      {"0.00000000000001", '*', "0.000000000000005", "0"},
      {"0.00000000000001", '*', "0.000000000000015", "0.0000000000000000000000000002"},
  };
  for (const OpCase& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " " + c.op + " " + c.b);
    EXPECT_EQ(Calculate(c), c.expected);
  }
}

TEST(DecimalParse, ReadsAndWritesTexts) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", "0"},
      {"-0", "0"},
      {"007", "7"},
      {"1,234,567.50", "1234567.5"},
      {"12.500", "12.5"},
      {"5.", "5"},
      {".5", "0.5"},
      {"-.25", "-0.25"},
      {"0.0000000000000000000000000001", "0.0000000000000000000000000001"},
      // 29 decimals: the last one is rounded away, tie to even.
      {"0.00000000000000000000000000015", "0.0000000000000000000000000002"},
      {"0.00000000000000000000000000025", "0.0000000000000000000000000002"},
      {"1.000000000000000000000000000050000000000000000000000000000000000000000000000000000001",
       "1.0000000000000000000000000001"},
      {"79228162514264337593543950335", "79228162514264337593543950335"},
      {"79228162514264337593543950335.4", "79228162514264337593543950335"},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    const DecimalResult r = Decimal::Parse(text);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value.ToString(), expected);
  }
}

TEST(DecimalParse, RefusesWhatIsNoNumber) {
  const std::pair<const char*, DecimalError> cases[] = {
      {"", DecimalError::Invalid},
      {"-", DecimalError::Invalid},
      {"-.", DecimalError::Invalid},
      {".", DecimalError::Invalid},
      {"1.2.3", DecimalError::Invalid},
      {"abc", DecimalError::Invalid},
      {"+1", DecimalError::Invalid},
      {"1e5", DecimalError::Invalid},
      {" 1", DecimalError::Invalid},
      {"0不能为除数", DecimalError::Invalid},
      {"--1", DecimalError::Invalid},
      {"79228162514264337593543950336", DecimalError::Overflow},
      {"79228162514264337593543950335.5", DecimalError::Overflow},
      {"100000000000000000000000000000", DecimalError::Overflow},
  };
  for (const auto& [text, error] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Decimal::Parse(text).error, error);
  }
}

TEST(DecimalParse, LongTextsStayLinear) {
  // A megabyte of zeros after the point reads as zero; the same run of integer digits overflows.
  const std::string zeros(1 << 20, '0');
  const DecimalResult small = Decimal::Parse("0." + zeros + "1");
  ASSERT_TRUE(small.ok());
  EXPECT_EQ(small.value.ToString(), "0");
  EXPECT_EQ(Decimal::Parse("1" + zeros).error, DecimalError::Overflow);
  const DecimalResult leading = Decimal::Parse(zeros + "42");
  ASSERT_TRUE(leading.ok());
  EXPECT_EQ(leading.value.ToString(), "42");
}

TEST(DecimalRound, TiesGoToEven) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"2.5", 0, "2"},      {"3.5", 0, "4"},      {"-2.5", 0, "-2"},
      {"0.125", 2, "0.12"}, {"0.135", 2, "0.14"}, {"0.1251", 2, "0.13"},
      {"2.675", 2, "2.68"}, {"12.5", 3, "12.5"},  {"0.4", 0, "0"},
      {"-0.4", 0, "0"},     {"9.999", 2, "10"},   {"0.6666666666666666666666666667", 4, "0.6667"},
  };
  for (const auto& [text, places, expected] : cases) {
    SCOPED_TRACE(std::string(text) + " to " + std::to_string(places));
    EXPECT_EQ(Decimal::Parse(text).value.RoundToPlaces(places).ToString(), expected);
  }
}

TEST(DecimalCompare, ComparesValuesNotTexts) {
  const auto v = [](const char* t) { return Decimal::Parse(t).value; };
  EXPECT_EQ(v("1.50"), v("1.5"));
  EXPECT_EQ(v("-0"), v("0"));
  EXPECT_LT(v("-3"), v("2"));
  EXPECT_LT(v("-3"), v("-2.5"));
  EXPECT_GT(v("0.0000000000000000000000000001"), v("0"));
  EXPECT_LT(v("79228162514264337593543950334"), v("79228162514264337593543950335"));
}

TEST(DecimalDouble, ConvertsThroughFifteenDigits) {
  const std::pair<double, const char*> cases[] = {
      {1.4142135623730951, "1.41421356237310"},  // the 15th digit rounds up
      {0.1, "0.1"},
      {-2.5, "-2.5"},
      {1e20, "100000000000000000000"},
      {1.2345678901234567e-20, "0.0000000000000000000123456789"},
      {1e-30, "0"},
      {0.0, "0"},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(expected);
    const DecimalResult r = Decimal::FromDouble(value);
    ASSERT_TRUE(r.ok());
    // The shortest text drops the trailing zero of the 15-digit form.
    EXPECT_EQ(r.value.ToString(), Decimal::Parse(expected).value.ToString());
  }
  EXPECT_EQ(Decimal::FromDouble(1e29).error, DecimalError::Overflow);
  EXPECT_EQ(Decimal::FromDouble(1.0 / 0.0).error, DecimalError::Overflow);
  EXPECT_EQ(Decimal::FromDouble(0.0 / 0.0).error, DecimalError::Invalid);
  EXPECT_DOUBLE_EQ(Decimal::Parse("12.5").value.ToDouble(), 12.5);
}

}  // namespace
}  // namespace korvex
