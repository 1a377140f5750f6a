#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/clip_player.h"
#include "common/clipboard.h"
#include "common/clock.h"
#include "common/desktop_links.h"
#include "common/message_box.h"
#include "common/screen.h"

namespace korvex::driver {

/// Records every box as "ICON\tTITLE\tTEXT" and answers it with OK at once.
class RecordingMessageBox : public MessageBox {
 public:
  void Show(MessageIcon icon, const std::string& title, const std::string& text) override;
  /// The oldest box not yet taken, "" when none is left.
  std::string TakeOldest();

 private:
  std::deque<std::string> boxes_;
};

/// Records the clips the program asks for; nothing is heard.
class RecordingClipPlayer : public ClipPlayer {
 public:
  void Play(const std::string& name) override { played_.push_back(name); }
  /// The clips since the last call, space-separated.
  std::string TakeAll();

 private:
  std::vector<std::string> played_;
};

/// Records the links the program asks the desktop to open.
class RecordingLinks : public DesktopLinks {
 public:
  void Open(const std::string& url) override { urls_.push_back(url); }
  /// The oldest link not yet taken, "" when none is left.
  std::string TakeOldest();

 private:
  std::deque<std::string> urls_;
};

/// The system clock, or the month the script set.
class ScriptClock : public Clock {
 public:
  YearMonth Today() const override;
  void Set(YearMonth today) {
    today_ = today;
    fixed_ = true;
  }

 private:
  YearMonth today_;
  bool fixed_ = false;
};

/// A screen of the size the script set, 19200 × 10800 twips at first.
class ScriptScreen : public Screen {
 public:
  int WidthTwips() const override { return width_; }
  int HeightTwips() const override { return height_; }
  void Set(int width, int height) {
    width_ = width;
    height_ = height;
  }

 private:
  int width_ = 19200;
  int height_ = 10800;
};

}  // namespace korvex::driver
