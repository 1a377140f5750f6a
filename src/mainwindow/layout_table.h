#pragma once

#include <span>
#include <string_view>

namespace korvex::mainwindow {

/// Sizes of the main window in twips.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kNormalWidth = 8115;
inline constexpr int kPanelWidth = 11964;
inline constexpr int kNormalHeight = 5540;
inline constexpr int kMiniHeight = 1755;

/// What kind of widget a control of the main window is.
enum class ControlKind {
  Outline,    ///< the black rectangle outline
  Strip,      ///< a plain box in the button-face colour
  Display,    ///< a read-only, borderless text box
  FramedBox,  ///< a read-only text box with a border
  Picture,    ///< a clickable picture
  Label,
  Combo,
  Button,
};

/// A colour of a control: a system colour by its name, or red, green and blue.
struct Colour {
  std::string_view system;  ///< "buttontext", "buttonface", ... or empty for the RGB below
  int red = 0;
  int green = 0;
  int blue = 0;
};

/// One control of the main window as laid out: geometry in twips, texts, font, colours.
struct ControlLayout {
  std::string_view name;
  ControlKind kind;
  int left, top, width, height;
  std::string_view caption;
  std::string_view tooltip;
  std::string_view font_family;  ///< empty for a control without text
  double font_points;
  bool bold;
  Colour color;
  Colour back;
  bool visible;
  int picture;  ///< the ImgList picture at load; 0 for none, -1 for the logo
  bool link_pointer;
  bool centred;  ///< text centred rather than right-aligned (text boxes)
};

/// Every control of the main window outside the information panel, back to front.
std::span<const ControlLayout> MainWindowLayout();

/// `T_Show`'s top, height and font size in the two-row layout and the one-row layout.
struct DisplayRow {
  int top;
  int height;
  double font_points;
};
inline constexpr DisplayRow kOneRowDisplay{375, 870, 36};
inline constexpr DisplayRow kTwoRowDisplay{660, 550, 26};

/// The items of the two drop-down lists.
inline constexpr std::string_view kCutItemList[] = {"不作处理", "直接舍去", "四舍五入"};
inline constexpr std::string_view kDotItemList[] = {"0", "1", "2", "3", "4"};

}  // namespace korvex::mainwindow
