#include "mortgage/fuzz_entry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace korvex::mortgage {
namespace {

std::string Join(const std::vector<std::string>& fields) {
  std::string out;
  for (const auto& f : fields) out += f + "\n";
  return out;
}

TEST(MortgageFuzzEntry, HostileTextsGiveWellFormedOutcomes) {
  const std::string digits(1'000'000, '9');
  const std::string zeros = "0." + std::string(1'000'000, '0') + "1";
  const std::vector<std::string> cases = {
      "",
      "\n\n\n\n\n\n\n\n\n\n\n\n\n\n",
      Join({"20", "6", "", "", "10", "1980", "5", "男", "1000", "10", "60", "2012", "9"}),
      Join({"20", ".", "上浮", ".", "10", "1980", "5", "男", "1000", "0", "60"}),
      Join({"30", digits, "", "", digits, "1990", "3", "男", digits, "1", digits}),
      Join({"30", zeros, "上浮", digits, "1", "1990", "3", "男", "1", digits, "1"}),
      Join({"5", "1" + std::string(300, '0'), "上浮", "1" + std::string(300, '0'), "1"}),
      Join({"20", "1e400", "下浮", "1e400", "1e400", "1e40", "1", "女", "1e4", "1e4", "1e4"}),
      Join({"２０", "６", "上浮", "１０", "１０", "１９８０", "５", "男", "１", "１", "１"}),
      Join({"20\xff", "6\xc3", "\xe4\xb8", "\x80", "1\xf4\x90", "19\xed\xa0", "5", "\xe7\x94"}),
      Join({"20", "6", "下浮", "100", "10", "1958", "12", "女", "0", "1", "0"}),
      Join({"20", "6", "", "", "10", "1980", "5", "男", "1000", "10", "60", "-2147483648", "-1"}),
      Join({"30", "6", "", "", "1", "1990", "1", "男", std::string(300, '9'), "1", "1"}),
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(FuzzMortgageTexts(cases[i]));
  }
}

TEST(MortgageFuzzEntry, MixedFieldsGiveWellFormedOutcomes) {
  // Every field drawn from a pool of valid, empty, extreme and broken texts.
  const std::vector<std::string> pool = {"",
                                         "0",
                                         "5",
                                         "20",
                                         "30",
                                         "4",
                                         "6.55",
                                         ".",
                                         ".5",
                                         "010",
                                         "100",
                                         "1980",
                                         "1958",
                                         "12",
                                         "男",
                                         "女",
                                         "上浮",
                                         "下浮",
                                         "-1",
                                         "1,0",
                                         "\xff",
                                         "99999999999999999999",
                                         "1" + std::string(320, '0'),
                                         "0." + std::string(330, '0') + "7"};
  std::uint32_t seed = 12345;
  const auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  for (int round = 0; round < 20000; ++round) {
    std::vector<std::string> fields;
    for (int i = 0; i < 11; ++i) fields.push_back(pool[next() % pool.size()]);
    fields.push_back(std::to_string(1990 + static_cast<int>(next() % 40)));
    fields.push_back(std::to_string(static_cast<int>(next() % 14)));
    const std::string data = Join(fields);
    if (!FuzzMortgageTexts(data)) {
      ADD_FAILURE() << "ill-formed outcome for round " << round;
      break;
    }
  }
}

}  // namespace
}  // namespace korvex::mortgage
