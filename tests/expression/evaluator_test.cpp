#include "expression/evaluator.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "expression/eval_query.h"

namespace korvex::expression {
namespace {

struct ValueCase {
  const char* expression;
  const char* text;  // the value's number text
};

TEST(ExpressionEvaluator, Values) {
  const ValueCase cases[] = {
      // numbers
      {"1.5e-3", "0.0015"},
      {"1.5E+3", "1500"},
      {".5", "0.5"},
      {"5.", "5"},
      {"007", "7"},
      {"1e-400", "0"},
      {"123456789*987654321", "1.21932631112635E+17"},
      // precedence and grouping
      {"1+2*3", "7"},
      {"7/2", "3.5"},
      {"8/4/2", "1"},
      {"10-4-3", "3"},
      {"2^3^2", "64"},
      {"-2^2", "-4"},
      {"-2^3^2", "-64"},
      {"2^-1", "0.5"},
      {"2^-3^2", "0.001953125"},
      {"2^-3*4", "0.5"},
      {"2*-3^2", "-18"},
      {"-2+3", "1"},
      {"(1+2)*3", "9"},
      {"(((((1)))))", "1"},
      // signs
      {"--2", "2"},
      {"+-+2", "-2"},
      {"2++3", "5"},
      {"2--3", "5"},
      {"-(2+3)", "-5"},
      {"-sin(0)", "0"},
      {"-0", "0"},
      // white space between tokens
      {" 1 +\t2 ", "3"},
      {"sin (0)", "0"},
      // integer division and mod: operands rounded ties to even, after * and / before + and -
      {"10\\3", "3"},
      {"-7\\2", "-3"},
      {"2.5\\1", "2"},
      {"3.5\\1", "4"},
      {"7\\2*3", "1"},
      {"2*3\\4", "1"},
      {"7 mod 3", "1"},
      {"-7 mod 3", "-1"},
      {"7 mod -3", "1"},
      {"7.5 MOD 2", "0"},
      {"10mod3", "1"},
      {"10 mod 4\\3", "0"},
      {"5-10 mod 3", "4"},
      {"-9223372036854775808\\-1", "9.22337203685478E+18"},
      {"-9223372036854775808 mod -1", "0"},
      // functions
      {"sin(0)+cos(0)", "1"},
      {"tan(0)", "0"},
      {"log(10)", "2.30258509299405"},
      {"log(exp(2))", "2"},
      {"SIN(0)", "0"},
      {"abs(-3)", "3"},
      {"atn(1)*4", "3.14159265358979"},
      {"exp(1)", "2.71828182845905"},
      {"fix(-2.7)", "-2"},
      {"int(-2.7)", "-3"},
      {"sgn(-5)", "-1"},
      {"sgn(0)", "0"},
      {"sgn(0.1)", "1"},
      {"sqr(16)", "4"},
      {"sqr(2)", "1.4142135623731"},
      {"sin(1)^2+cos(1)^2", "1"},
      {"round(2.5)", "2"},
      {"round(3.5)", "4"},
      {"round(-2.5)", "-2"},
      {"round(0.125,2)", "0.12"},
      {"round(2.675,2)", "2.68"},
      {"round(1.23456,2.5)", "1.23"},
      {"round(1.5,20)", "1.5"},
      {"round(1e-20,25)", "1E-20"},
      {"round(1.5e-70,2)", "0"},
      {"round(-1.5e-70,0)", "0"},
      {"0^0", "1"},
      {"(-2)^3", "-8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expression);
    const EvalResult result = Evaluate(c.expression);
    ASSERT_TRUE(result.ok()) << static_cast<int>(result.error);
    EXPECT_EQ(FormatNumberText(result.value), c.text);
  }
}

struct ErrorCase {
  std::string_view expression;
  EvalError error;
};

TEST(ExpressionEvaluator, Errors) {
  using E = EvalError;
  const ErrorCase cases[] = {
      {"", E::Syntax},
      {"   ", E::Syntax},
      {"2++", E::Syntax},
      {"*2", E::Syntax},
      {"2*", E::Syntax},
      {"1＋1", E::Syntax},
      {"1\xe3\x80\x80+1", E::Syntax},  // full-width space
      {"1=1", E::Syntax},
      {"1\n+1", E::Syntax},
      {"\xff", E::Syntax},
      {std::string_view("1\0+1", 4), E::Syntax},
      {"(1", E::Syntax},
      {"1)", E::Syntax},
      {"()", E::Syntax},
      {"(1))(", E::Syntax},
      {"2(3)", E::Syntax},
      {"(2)(3)", E::Syntax},
      {"2 3", E::Syntax},
      {"1.2.3", E::Syntax},
      {".", E::Syntax},
      {"1e", E::Syntax},
      {"1,2", E::Syntax},
      {"(1,2)", E::Syntax},
      {"mod 3", E::Syntax},
      {"3 mod", E::Syntax},
      {"x+1", E::UnknownName},
      {"pi", E::UnknownName},
      {"sinx(1)", E::UnknownName},
      {"sin", E::Syntax},
      {"sin 1", E::Syntax},
      {"sin()", E::Syntax},
      {"cos()", E::Syntax},
      {"sin(1,2)", E::Syntax},
      {"round(1,)", E::Syntax},
      {"round(1,2,3)", E::Syntax},
      {"1/0", E::DivideByZero},
      {"1/(1-1)", E::DivideByZero},
      {"1\\0.4", E::DivideByZero},
      {"1 mod 0", E::DivideByZero},
      {"0^-1", E::DivideByZero},
      {"log(0)", E::InvalidArgument},
      {"log(-1)", E::InvalidArgument},
      {"sqr(-1)", E::InvalidArgument},
      {"(-8)^(1/3)", E::InvalidArgument},
      {"round(1,-1)", E::InvalidArgument},
      {"round(0.12345678901234567,16)", E::InvalidArgument},
      {"1e309", E::Overflow},
      {"1e99999999999999999999", E::Overflow},
      {"1e308*10", E::Overflow},
      {"-1e308-1e308", E::Overflow},
      {"1e300/1e-300", E::Overflow},
      {"10^400", E::Overflow},
      {"exp(1000)", E::Overflow},
      {"1e19\\1", E::Overflow},
      {"5 mod 1e19", E::Overflow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.expression));
    EXPECT_EQ(Evaluate(c.expression).error, c.error);
  }
}

TEST(ExpressionEvaluator, NestingDepthNeedsNoCallStack) {
  constexpr std::size_t kDepth = 1'000'000;
  const std::string open(kDepth, '(');
  const std::string close(kDepth, ')');
  EXPECT_EQ(Evaluate(open + "2" + close).value, 2);
  EXPECT_EQ(Evaluate(std::string(kDepth, '-') + "2").value, 2);
  EXPECT_EQ(Evaluate("2^" + open + "2" + close + "^3").value, 64);
  EXPECT_EQ(Evaluate(open + "2").error, EvalError::Syntax);
  EXPECT_EQ(Evaluate("2" + close).error, EvalError::Syntax);
  std::string calls;
  for (std::size_t i = 0; i < kDepth / 4; ++i) calls += "abs(";
  EXPECT_EQ(Evaluate(calls + "-1" + std::string(kDepth / 4, ')')).value, 1);
}

TEST(ExpressionEvaluator, LongInputTakesLinearTime) {
  // A megabyte of each shape; a quadratic step would take minutes here rather than milliseconds.
  std::string sum = "0";
  while (sum.size() < 1'000'000) sum += "+1";
  std::string digits(1'000'000, '9');
  const std::string name(1'000'000, 'a');
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Evaluate(sum).value, 500'000);
  EXPECT_EQ(Evaluate(digits).error, EvalError::Overflow);
  EXPECT_EQ(Evaluate("0." + digits).value, 1);
  EXPECT_EQ(Evaluate(name).error, EvalError::UnknownName);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(ExpressionEvaluator, AnyBytesGiveValueOrError) {
  // Random texts over the expression's own alphabet and a few foreign bytes: every result is a
  // finite value or an error, never a crash (the fuzz target goes much further).
  const std::string alphabet = "0123456789.e+-*/\\^(),modsincoabsqrt \t\xef\xbc\x8b\xff";
  std::mt19937 random(4);
  for (int round = 0; round < 20'000; ++round) {
    std::string text(random() % 24, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    const EvalResult result = Evaluate(text);
    if (result.ok()) {
      EXPECT_TRUE(std::isfinite(result.value)) << text;
    }
  }
}

TEST(ExpressionEvalQuery, AnswersNumberTextOrError) {
  const std::pair<const char*, const char*> cases[] = {
      {"1/3", "0.333333333333333"},  // no 14-character cut
      {"123456789*987654321", "1.21932631112635E+17"},
      {"cos(60)", "-0.952412980415156"},  // radians: no degree rewrite
      {" 1 + 1 ", "2"},
      {"1/0", "error"},
      {"COS(0)", "1"},
      {"x", "error"},
      {"", "error"},
  };
  for (const auto& [expression, answer] : cases) {
    SCOPED_TRACE(expression);
    EXPECT_EQ(EvalQuery(expression), answer);
  }
}

}  // namespace
}  // namespace korvex::expression
