#include "expression/tokens.h"

#include "expression/number_literal.h"

namespace korvex::expression {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsModWord(std::string_view word) {
  if (word.size() != 3) return false;
  const auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); };
  return lower(word[0]) == 'm' && lower(word[1]) == 'o' && lower(word[2]) == 'd';
}

TokenKind SingleCharKind(char c) {
  switch (c) {
    case '+':
      return TokenKind::Plus;
    case '-':
      return TokenKind::Minus;
    case '*':
      return TokenKind::Star;
    case '/':
      return TokenKind::Slash;
    case '\\':
      return TokenKind::Backslash;
    case '^':
      return TokenKind::Caret;
    case '(':
      return TokenKind::LeftParen;
    case ')':
      return TokenKind::RightParen;
    case ',':
      return TokenKind::Comma;
    default:
      return TokenKind::Invalid;
  }
}

}  // namespace

Token Lexer::Next() {
  while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  if (pos_ == text_.size()) return {TokenKind::End, text_.substr(pos_)};

  const std::string_view rest = text_.substr(pos_);
  std::size_t length = 1;
  TokenKind kind;
  if (const std::size_t number = NumberLiteralLength(rest); number > 0) {
    kind = TokenKind::Number;
    length = number;
  } else if (IsLetter(rest[0])) {
    // Names hold letters only, so that "10mod3" (what "10 mod 3" becomes once the window has
    // removed its spaces) still reads as 10 mod 3 rather than as 10 and the name "mod3".
    while (length < rest.size() && IsLetter(rest[length])) ++length;
    kind = IsModWord(rest.substr(0, length)) ? TokenKind::Mod : TokenKind::Name;
  } else {
    kind = SingleCharKind(rest[0]);
  }
  pos_ += length;
  return {kind, rest.substr(0, length)};
}

}  // namespace korvex::expression
