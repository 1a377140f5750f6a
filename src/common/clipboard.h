#pragma once

#include <string>

namespace korvex {

/// The system clipboard, plain text in UTF-8.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  /// The clipboard's text, "" when it holds none.
  virtual std::string Text() const = 0;
  /// Empties the clipboard and puts `text` on it.
  virtual void SetText(const std::string& text) = 0;
};

}  // namespace korvex
