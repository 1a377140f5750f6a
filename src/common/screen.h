#pragma once

namespace korvex {

/// The size of the screen the windows stand on, in twips.
class Screen {
 public:
  virtual ~Screen() = default;
  virtual int WidthTwips() const = 0;
  virtual int HeightTwips() const = 0;
};

}  // namespace korvex
