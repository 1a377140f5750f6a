#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvex {

/// "● ": the start of every calculation line.
inline constexpr std::string_view kHistoryLineStart = "● ";
/// The display's length limit at start, in characters.
inline constexpr std::int16_t kDefaultMaxDisplayLen = 14;

/// The program-wide values that live for the whole run; one instance, owned by the program and
/// handed to whatever reads or writes them.
struct Module1 {
  std::string CommandOptions;
  std::int16_t StartMode = 0;
  std::int16_t StartDecimals = 0;
  std::string HistoryLine{kHistoryLineStart};
  std::int16_t MaxDisplayLen = kDefaultMaxDisplayLen;
  bool KeepHistoryWindow = false;
};

}  // namespace korvex
