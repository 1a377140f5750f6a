#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace korvex::driver {

/// A script's TEXT with "\n", "\r", "\t" and "\\" turned into the characters they stand for.
std::string Unescape(std::string_view text);
/// An answer written on one line: line feed, carriage return, tab and backslash as escapes.
std::string Escape(std::string_view text);

/// The first word of a command line and the rest after its single separating space.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view text);

}  // namespace korvex::driver
