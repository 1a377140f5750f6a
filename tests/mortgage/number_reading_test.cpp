#include "mortgage/number_reading.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace korvex::mortgage {
namespace {

TEST(MortgageNumberReading, ReadsPlainDecimalsOnly) {
  const std::string many_nines(1'000'000, '9');
  const std::string tiny = "0." + std::string(1'000'000, '0') + "5";
  const std::string padded = std::string(1'000'000, '0') + "12.5";
  const struct {
    std::string text;
    std::optional<double> value;
  } cases[] = {
      {"010", 10},    {"6.", 6},      {".5", 0.5},
      {"6.55", 6.55}, {"0", 0},       {".", {}},
      {"", {}},       {"6.5.5", {}},  {"6,55", {}},
      {" 6", {}},     {"-6", {}},     {"+6", {}},
      {"1e5", {}},    {"inf", {}},    {"nan", {}},
      {"０６", {}},   {"6\xff", {}},  {many_nines, {}},
      {tiny, 0},      {padded, 12.5}, {"1" + std::string(308, '0'), 1e308},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    EXPECT_EQ(ReadDecimalText(c.text), c.value);
  }
}

TEST(MortgageNumberReading, CharacterChecks) {
  EXPECT_TRUE(IsDigitsOnly("0123456789"));
  EXPECT_FALSE(IsDigitsOnly("10.5"));
  EXPECT_FALSE(IsDigitsOnly("１"));
  EXPECT_TRUE(IsRateText("."));
  EXPECT_TRUE(IsRateText(".5"));
  EXPECT_FALSE(IsRateText("6.5.5"));
  EXPECT_FALSE(IsRateText("6 "));
}

}  // namespace
}  // namespace korvex::mortgage
