#pragma once

namespace korvex {

/// A month of the calendar.
struct YearMonth {
  int year = 0;
  int month = 0;  // 1..12
};

/// The current date of the system clock.
class Clock {
 public:
  virtual ~Clock() = default;
  /// This year and month.
  virtual YearMonth Today() const = 0;
};

}  // namespace korvex
