#pragma once

#include <string>

#include "common/clip_player.h"
#include "common/clipboard.h"

namespace korvex::standard {

/// Gives the keyboard focus back to the main window, so that typing keeps reaching its key map.
class WindowFocus {
 public:
  virtual ~WindowFocus() = default;
  /// Focuses the main window; returns at once.
  virtual void FocusWindow() = 0;
};

/// The platform services the calculator talks to. A service that fails (throws) counts as having
/// done nothing: a clip stays silent, a clipboard that cannot be read holds no text.
class Services {
 public:
  /// The services must outlive the calculator.
  Services(ClipPlayer& clips, Clipboard& clipboard, WindowFocus& focus)
      : clips_(clips), clipboard_(clipboard), focus_(focus) {}

  /// Starts the clip `name`.
  void Play(const std::string& name) noexcept;
  /// The clipboard's text, "" when it holds none or cannot be read.
  std::string ClipboardText() noexcept;
  /// Empties the clipboard and puts `text` on it.
  void SetClipboardText(const std::string& text) noexcept;
  /// Gives the main window the keyboard focus.
  void FocusWindow() noexcept;

 private:
  ClipPlayer& clips_;
  Clipboard& clipboard_;
  WindowFocus& focus_;
};

}  // namespace korvex::standard
