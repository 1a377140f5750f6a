#pragma once

#include <string>

namespace korvex {

/// Plays one of the program's voice clips asynchronously, cutting off the clip still playing.
class ClipPlayer {
 public:
  virtual ~ClipPlayer() = default;
  /// Starts the clip named `name` (looked up without regard to case) and returns at once.
  virtual void Play(const std::string& name) = 0;
};

}  // namespace korvex
