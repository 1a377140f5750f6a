#include "utf8_text.h"

namespace korvex::utf8 {
namespace {

// Length in bytes of the character that starts at `pos`; a broken sequence counts one byte.
std::size_t CharSize(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t size = 1;
  if (lead >= 0xF0 && lead <= 0xF4)
    size = 4;
  else if (lead >= 0xE0)
    size = lead <= 0xEF ? 3 : 1;
  else if (lead >= 0xC2 && lead <= 0xDF)
    size = 2;
  if (size == 1 || pos + size > text.size()) return 1;
  for (std::size_t i = 1; i < size; ++i)
    if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) return 1;
  return size;
}

}  // namespace

std::size_t Length(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += CharSize(text, pos)) ++count;
  return count;
}

std::string_view Left(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  for (; pos < text.size() && count > 0; --count) pos += CharSize(text, pos);
  return text.substr(0, pos);
}

std::string_view LastChar(std::string_view text) { return text.substr(DropLastChar(text).size()); }

std::string_view DropLastChar(std::string_view text) {
  // A sequence that starts at most three bytes from the end and runs exactly to the end is the
  // last character; otherwise the last byte stands alone. This splits the text the same way as
  // reading it from the front, without walking the whole (possibly long) history line.
  const std::size_t n = text.size();
  for (std::size_t back = 2; back <= 4 && back <= n; ++back) {
    const std::size_t start = n - back;
    if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) {
      if (CharSize(text, start) == back) return text.substr(0, start);
      break;
    }
  }
  return text.substr(0, n == 0 ? 0 : n - 1);
}

void RemoveLastChar(std::string& text) { text.resize(DropLastChar(text).size()); }

}  // namespace korvex::utf8
