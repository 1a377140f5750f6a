// Runs every scenario script of the scenarios folder through korvex-driver and compares its
// answers. A script is the driver's input; a line "= TEXT" after a query is the answer expected
// from it ("=" alone: an empty answer), and a first line "# args: ..." is the command line.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Scenario {
  std::string args;
  std::string input;
  std::vector<std::string> expected;
  std::vector<int> expected_lines;  // where each expectation stands in the file, for the report
};

Scenario Load(const fs::path& path) {
  Scenario s;
  std::ifstream in(path);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (number == 1 && line.rfind("# args:", 0) == 0) {
      s.args = line.substr(7);
      if (!s.args.empty() && s.args.front() == ' ') s.args.erase(0, 1);
      continue;
    }
    if (line == "=" || line.rfind("= ", 0) == 0) {
      s.expected.push_back(line.size() > 2 ? line.substr(2) : "");
      s.expected_lines.push_back(number);
      continue;
    }
    s.input += line + "\n";
  }
  return s;
}

std::string ShellQuote(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::vector<std::string> RunDriver(const Scenario& s, const fs::path& scratch) {
  const fs::path input = scratch / "input.txt";
  std::ofstream(input) << s.input;
  const std::string command = ShellQuote(KORVEX_DRIVER) + " " + ShellQuote(s.args) + " < " +
                              ShellQuote(input.string()) + " 2>/dev/null";
  std::vector<std::string> lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return lines;
  std::string current;
  int c;
  while ((c = std::fgetc(pipe)) != EOF) {
    if (c == '\n') {
      lines.push_back(current);
      current.clear();
    } else {
      current.push_back(static_cast<char>(c));
    }
  }
  const int status = pclose(pipe);
  if (status != 0) lines.push_back("<driver exited with status " + std::to_string(status) + ">");
  return lines;
}

class DriverScenario : public testing::TestWithParam<fs::path> {};

TEST_P(DriverScenario, AnswersAsExpected) {
  const Scenario s = Load(GetParam());
  const fs::path scratch = fs::temp_directory_path() / ("korvex-" + GetParam().stem().string());
  fs::create_directories(scratch);
  const std::vector<std::string> answers = RunDriver(s, scratch);
  for (std::size_t i = 0; i < s.expected.size(); ++i) {
    SCOPED_TRACE(GetParam().filename().string() + ":" + std::to_string(s.expected_lines[i]));
    ASSERT_LT(i, answers.size()) << "the driver gave fewer answers than expected";
    EXPECT_EQ(answers[i], s.expected[i]);
  }
  EXPECT_EQ(answers.size(), s.expected.size()) << "every answer needs its expectation";
  fs::remove_all(scratch);
}

std::vector<fs::path> AllScenarios() {
  std::vector<fs::path> paths;
  for (const auto& entry : fs::directory_iterator(KORVEX_SCENARIOS))
    if (entry.path().extension() == ".scenario") paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());
  return paths;
}

INSTANTIATE_TEST_SUITE_P(Scripts, DriverScenario, testing::ValuesIn(AllScenarios()),
                         [](const testing::TestParamInfo<fs::path>& info) {
                           std::string name = info.param.stem().string();
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
