#pragma once

#include <string_view>

namespace korvex::signs {

/// The full-width operator signs of the sign box, `PendingSign` and `HistoryLine`.
inline constexpr std::string_view kPlus = "＋";
inline constexpr std::string_view kMinus = "－";
inline constexpr std::string_view kTimes = "×";
inline constexpr std::string_view kDivide = "÷";

/// True for exactly one of the four signs.
constexpr bool IsOperatorSign(std::string_view text) {
  return text == kPlus || text == kMinus || text == kTimes || text == kDivide;
}

}  // namespace korvex::signs
