#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "standard/number_reading.h"

namespace korvex::standard {
namespace {

TEST(StandardNumberReading, ReadsTheTextsTheCalculatorShows) {
  struct Row {
    const char* text;
    DecimalError error;
    const char* value;
  };
  const Row rows[] = {
      {"1,234.5", DecimalError::None, "1234.5"},
      {"-0.25", DecimalError::None, "-0.25"},
      {"5.", DecimalError::None, "5"},
      {" 12 ", DecimalError::None, "12"},
      {"-1E-12", DecimalError::None, "-0.000000000001"},
      {"1.23456789012346E+16", DecimalError::None, "12345678901234600"},
      {"1E-400", DecimalError::None, "0"},
      {"1E+30", DecimalError::Overflow, ""},
      {"-", DecimalError::Invalid, ""},
      {"-.", DecimalError::Invalid, ""},
      {"", DecimalError::Invalid, ""},
      {"0不能为除数", DecimalError::Invalid, ""},
      {"1E", DecimalError::Invalid, ""},
      {"E5", DecimalError::Invalid, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const DecimalResult read = ReadDecimal(row.text);
    EXPECT_EQ(read.error, row.error);
    if (read.ok()) {
      EXPECT_EQ(read.value.ToString(), row.value);
    }
  }
}

TEST(StandardNumberReading, DoublesOfTheSameTexts) {
  EXPECT_EQ(ReadNumberAsDouble("1,234.5"), 1234.5);
  EXPECT_EQ(ReadNumberAsDouble("-1E-05"), -0.00001);
  EXPECT_EQ(ReadNumberAsDouble(".5"), 0.5);
  EXPECT_EQ(ReadNumberAsDouble("-"), std::nullopt);
  EXPECT_EQ(ReadNumberAsDouble("0不能为除数"), std::nullopt);
  EXPECT_EQ(ReadNumberAsDouble("inf"), std::nullopt);
  EXPECT_TRUE(std::isinf(*ReadNumberAsDouble("1" + std::string(400, '0'))));
}

}  // namespace
}  // namespace korvex::standard
