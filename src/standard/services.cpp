#include "standard/services.h"

namespace korvex::standard {

// A calculator key must never fail because of the desktop around it: whatever a service throws
// ends that service call, and the key goes on as if the service had done nothing.

void Services::Play(const std::string& name) noexcept {
  try {
    clips_.Play(name);
  } catch (...) {
  }
}

std::string Services::ClipboardText() noexcept {
  try {
    return clipboard_.Text();
  } catch (...) {
    return {};
  }
}

void Services::SetClipboardText(const std::string& text) noexcept {
  try {
    clipboard_.SetText(text);
  } catch (...) {
  }
}

void Services::FocusWindow() noexcept {
  try {
    focus_.FocusWindow();
  } catch (...) {
  }
}

}  // namespace korvex::standard
