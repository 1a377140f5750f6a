#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvex::utf8 {

// Texts of the program are UTF-8 with multi-byte characters ("● ", "＋", "0不能为除数"); these
// helpers count characters, never bytes. A byte that starts no valid sequence counts as one
// character of its own, so any byte string has a length and can be cut.

/// Number of characters.
std::size_t Length(std::string_view text);
/// The first `count` characters (all of them when there are fewer).
std::string_view Left(std::string_view text, std::size_t count);
/// The last character, or "" for an empty text.
std::string_view LastChar(std::string_view text);
/// The text without its last character ("" stays "").
std::string_view DropLastChar(std::string_view text);
/// Removes the last character of `text` in place.
void RemoveLastChar(std::string& text);

}  // namespace korvex::utf8
