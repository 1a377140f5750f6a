#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvex::standard {

/// A colour as red, green and blue.
struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// The display's colour as the window loads.
inline constexpr Rgb kLoadColour{0, 0, 255};
/// The colour of a number being typed and of a result shown unprocessed.
inline constexpr Rgb kEntryColour{0, 0, 192};
/// The colour of a result that was cut or processed.
inline constexpr Rgb kResultRed{255, 0, 0};

/// Indexes into the window's picture list `ImgList` that the switches show.
namespace pictures {
inline constexpr int kSoundOff = 1;
inline constexpr int kSoundOn = 2;
inline constexpr int kCopyOff = 3;
inline constexpr int kCopyOn = 4;
inline constexpr int kPasteOff = 5;
inline constexpr int kPasteOn = 6;
inline constexpr int kSeparatorsOff = 11;
inline constexpr int kSeparatorsOn = 12;
inline constexpr int kTwoRowsOff = 19;
inline constexpr int kTwoRowsOn = 20;
}  // namespace pictures

/// The items of `Combo_Cut`, in list order.
inline constexpr std::array<std::string_view, 3> kCutItems{"不作处理", "直接舍去", "四舍五入"};
/// The decimal processing chosen in `Combo_Cut`, by item index.
enum class CutMode { None = 0, CutOff = 1, Round = 2 };
/// The items of `Combo_Dot`, the number of decimal places, in list order.
inline constexpr std::array<std::string_view, 5> kDotItems{"0", "1", "2", "3", "4"};

/// The display `T_Show`: its text, the calculator's working register, and its colour.
struct DisplayBox {
  std::string text;
  Rgb color = kLoadColour;
};

/// The operator sign box `T_Sign`.
struct SignBox {
  std::string text;
  bool visible = false;
};

/// A text box whose text is all the logic keeps of it.
struct TextBox {
  std::string text;
};

/// An image switch, known by the picture of `ImgList` it shows.
struct ImageSwitch {
  int picture = 0;
};

/// A drop-down list: the index of the item shown and whether it can be used.
struct ComboBox {
  int index = 0;
  bool enabled = true;
};

/// A timer of the window, running or not.
struct Timer {
  bool enabled = false;
};

/// The history window `History`: whether it is loaded (shown or hidden) and its text box.
struct HistoryWindow {
  bool loaded = false;
  TextBox T_Hist;
};

/// What the main window's controls show, as the window finds it right after its load; the window
/// mirrors it into its widgets after every event it hands the logic.
struct Controls {
  DisplayBox T_Show;
  SignBox T_Sign;
  /// Shows the memory register `MemoryText` unchanged.
  TextBox T_Memory;
  ImageSwitch Img_Sound{pictures::kSoundOff};
  ImageSwitch Img_Copy{pictures::kCopyOff};
  ImageSwitch Img_Paste{pictures::kPasteOff};
  ImageSwitch Img_ThousandSign{pictures::kSeparatorsOff};
  ImageSwitch Img_TwoRows{pictures::kTwoRowsOff};
  ComboBox Combo_Cut{0, true};
  ComboBox Combo_Dot{0, false};
  HistoryWindow History;
  /// The clipboard capture, every 1000 ms.
  Timer Timer1;
  /// The spoken read-out of a result, every 400 ms.
  Timer Timer_EntryS;
};

}  // namespace korvex::standard
