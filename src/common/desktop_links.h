#pragma once

#include <string>

namespace korvex {

/// Opens a mail link or a web address with the desktop's default handler.
class DesktopLinks {
 public:
  virtual ~DesktopLinks() = default;
  /// Asks the desktop to open `url`; returns at once.
  virtual void Open(const std::string& url) = 0;
};

}  // namespace korvex
