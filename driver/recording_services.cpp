#include "recording_services.h"

#include <ctime>

namespace korvex::driver {

void RecordingMessageBox::Show(MessageIcon icon, const std::string& title,
                               const std::string& text) {
  boxes_.push_back(std::string(icon == MessageIcon::Critical ? "critical" : "warning") + "\t" +
                   title + "\t" + text);
}

std::string RecordingMessageBox::TakeOldest() {
  if (boxes_.empty()) return {};
  std::string box = std::move(boxes_.front());
  boxes_.pop_front();
  return box;
}

std::string RecordingClipPlayer::TakeAll() {
  std::string out;
  for (const std::string& name : played_) {
    if (!out.empty()) out += ' ';
    out += name;
  }
  played_.clear();
  return out;
}

std::string RecordingLinks::TakeOldest() {
  if (urls_.empty()) return {};
  std::string url = std::move(urls_.front());
  urls_.pop_front();
  return url;
}

YearMonth ScriptClock::Today() const {
  if (fixed_) return today_;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1};
}

}  // namespace korvex::driver
