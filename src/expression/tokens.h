#pragma once

#include <cstddef>
#include <string_view>

namespace korvex::expression {

/// The kinds of token an expression is made of.
enum class TokenKind {
  Number,      ///< an unsigned number literal
  Name,        ///< a run of ASCII letters other than the operator word "mod"
  Plus,        ///< "+"
  Minus,       ///< "-"
  Star,        ///< "*"
  Slash,       ///< "/"
  Backslash,   ///< "\", integer division
  Mod,         ///< "mod" in any letter case
  Caret,       ///< "^"
  LeftParen,   ///< "("
  RightParen,  ///< ")"
  Comma,       ///< ","
  Invalid,     ///< a byte that starts no token (full-width signs, "=", control bytes, ...)
  End,         ///< the end of the text
};

/// One token: its kind and its text within the expression.
struct Token {
  TokenKind kind = TokenKind::End;
  std::string_view text;
};

/// Splits an expression into tokens, one per call, skipping spaces and tabs between them.
class Lexer {
 public:
  /// Reads `text`, which must outlive the lexer.
  explicit Lexer(std::string_view text) : text_(text) {}

  /// The next token; `End` from the end of the text on.
  Token Next();

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace korvex::expression
