#pragma once

#include "common/clipboard.h"
#include "common/clock.h"
#include "common/desktop_links.h"
#include "common/screen.h"

namespace korvex {

/// The system clipboard through QClipboard; a clipboard that cannot be read holds no text.
class QtClipboard : public Clipboard {
 public:
  std::string Text() const override;
  void SetText(const std::string& text) override;
};

/// Mail links and web addresses opened by the desktop's default handlers.
class QtDesktopLinks : public DesktopLinks {
 public:
  void Open(const std::string& url) override;
};

/// The system clock's year and month.
class QtClock : public Clock {
 public:
  YearMonth Today() const override;
};

/// The primary screen's size in twips (15 to a logical pixel).
class QtScreen : public Screen {
 public:
  int WidthTwips() const override;
  int HeightTwips() const override;
};

}  // namespace korvex
