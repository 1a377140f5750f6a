#pragma once

#include <string>

namespace korvex {

/// The icon of a modal message box.
enum class MessageIcon { Warning, Critical };

/// A modal message box with a title, a text and one OK button; returns once it is closed.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  /// Shows the box and waits for OK.
  virtual void Show(MessageIcon icon, const std::string& title, const std::string& text) = 0;
};

}  // namespace korvex
