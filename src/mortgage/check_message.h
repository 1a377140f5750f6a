#pragma once

#include <string>
#include <string_view>

#include "common/message_box.h"

namespace korvex::mortgage {

/// A message that stops a calculation before anything is computed.
struct CheckMessage {
  std::string text;
  std::string title;
  MessageIcon kind = MessageIcon::Warning;  ///< Warning: exclamation icon; Critical: stop icon
  std::string focus;  ///< name of the control that gets the focus afterwards, "" for none

  bool operator==(const CheckMessage&) const = default;
};

/// The title of a message about an input that is missing.
inline constexpr std::string_view kReminderTitle = "提醒";
/// The title of a message about an input that cannot be read.
inline constexpr std::string_view kCriticalTitle = "关键性错误";

/// A missing input: "提醒" with the exclamation icon, the focus to `focus`.
inline CheckMessage Reminder(std::string_view text, std::string_view focus) {
  return {std::string(text), std::string(kReminderTitle), MessageIcon::Warning, std::string(focus)};
}

/// An unreadable input: "关键性错误" with the stop icon, the focus left where it is.
inline CheckMessage CriticalError(std::string_view text) {
  return {std::string(text), std::string(kCriticalTitle), MessageIcon::Critical, {}};
}

}  // namespace korvex::mortgage
