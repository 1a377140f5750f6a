#include "common/utf8_text.h"

#include <gtest/gtest.h>

namespace korvex::utf8 {
namespace {

TEST(Utf8Text, CountsCharactersNotBytes) {
  EXPECT_EQ(Length("● 12＋3"), 6u);
  EXPECT_EQ(Length("0不能为除数"), 6u);
  EXPECT_EQ(Left("0不能为除数", 3), "0不能");
  EXPECT_EQ(Left("abc", 10), "abc");
  EXPECT_EQ(LastChar("● 5＋"), "＋");
  EXPECT_EQ(DropLastChar("● 5＋"), "● 5");
  EXPECT_EQ(DropLastChar(""), "");
  std::string line = "● ";
  RemoveLastChar(line);
  EXPECT_EQ(line, "●");
  RemoveLastChar(line);
  EXPECT_EQ(line, "");
}

TEST(Utf8Text, BrokenBytesCountOneEach) {
  const std::string broken =
      "a\xE4\xB8"
      "b\xFF";  // a cut-off "中", then b and a stray byte
  EXPECT_EQ(Length(broken), 5u);
  EXPECT_EQ(LastChar(broken), "\xFF");
  EXPECT_EQ(DropLastChar(broken),
            "a\xE4\xB8"
            "b");
  EXPECT_EQ(LastChar("a\xE4\xB8"), "\xB8");
  EXPECT_EQ(Left(broken, 2), "a\xE4");
  // Removing from the back splits the text as reading from the front does.
  std::string text = broken;
  std::size_t n = Length(text);
  while (!text.empty()) {
    RemoveLastChar(text);
    EXPECT_EQ(Length(text), --n);
  }
}

}  // namespace
}  // namespace korvex::utf8
