#pragma once

#include "common/message_box.h"

namespace korvex {

/// The message box as a modal Qt dialog with one OK button.
class QtMessageBox : public MessageBox {
 public:
  void Show(MessageIcon icon, const std::string& title, const std::string& text) override;
};

}  // namespace korvex
