#include "common/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "common/rounding.h"

namespace korvex {
namespace {

TEST(NumberText, Table) {
  const std::pair<double, const char*> cases[] = {
      {1e15, "1E+15"},
      {-3.49148133884313e-15, "-3.49148133884313E-15"},
      {123456789.0 * 987654321.0, "1.21932631112635E+17"},
      {0.5, "0.5"},
      {-0.25, "-0.25"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {0.1 + 0.2, "0.3"},
      {123456789012345.0, "123456789012345"},
      {999999999999999.0, "999999999999999"},
      {999999999999999.9, "1E+15"},
      {1234567890123456.0, "1.23456789012346E+15"},
      {0.0001, "0.0001"},
      {0.00012345, "0.00012345"},
      {0.00001, "1E-05"},
      {1e100, "1E+100"},
      {-1e-300, "-1E-300"},
      {0.0, "0"},
      {-0.0, "0"},
      {100.0, "100"},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(expected);
    EXPECT_EQ(FormatNumberText(value), expected);
  }
}

TEST(NumberText, IgnoresTheProcessLocale) {
  // The program runs under the user's locale; a decimal comma there must not leak into numbers.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE locale";
  EXPECT_EQ(FormatNumberText(0.5), "0.5");
  EXPECT_EQ(FormatNumberText(1e15), "1E+15");
  EXPECT_EQ(RoundToPlaces(2.675, 2), 2.68);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, NonFiniteValuesHaveNoText) {
  EXPECT_EQ(FormatNumberText(std::numeric_limits<double>::infinity()), "");
  EXPECT_EQ(FormatNumberText(std::nan("")), "");
}

TEST(DoubleRounding, TiesGoToEven) {
  const std::tuple<double, int, double> cases[] = {
      {2.5, 0, 2.0},         {3.5, 0, 4.0},    {-2.5, 0, -2.0},      {0.125, 2, 0.12},
      {0.135, 2, 0.14},      {2.675, 2, 2.68}, {716.425, 2, 716.42}, {1.005, 2, 1.0},
      {60202.2, 2, 60202.2}, {9.995, 2, 10.0}, {-9.995, 2, -10.0},   {0.004, 2, 0.0},
      {123.456, 1, 123.5},
  };
  for (const auto& [value, places, expected] : cases) {
    SCOPED_TRACE(std::to_string(value) + " to " + std::to_string(places));
    EXPECT_EQ(RoundToPlaces(value, places), expected);
  }
  // Far below the last place, or far above any decimals: no digits to round.
  EXPECT_EQ(RoundToPlaces(1.5e-70, 2), 0.0);
  EXPECT_EQ(RoundToPlaces(1e300, 2), 1e300);
  EXPECT_EQ(RoundToWhole(0.5), 0.0);
  EXPECT_EQ(RoundToWhole(1.5), 2.0);
  EXPECT_EQ(RoundToWhole(-1.5), -2.0);
}

}  // namespace
}  // namespace korvex
