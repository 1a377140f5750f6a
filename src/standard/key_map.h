#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace korvex::standard {

/// The controls a click or a key of the standard calculator reaches. The last five belong to the
/// window (history window, information panel, the other calculators, exit); `CopyKey` is the copy
/// key's own action, no control.
enum class ControlId : std::uint8_t {
  Cmd_0,
  Cmd_1,
  Cmd_2,
  Cmd_3,
  Cmd_4,
  Cmd_5,
  Cmd_6,
  Cmd_7,
  Cmd_8,
  Cmd_9,
  Cmd_00,
  Cmd_Dot,
  Cmd_Back,
  Cmd_Clean,
  Cmd_CleanAll,
  Cmd_Sign,
  Cmd_Addition,
  Cmd_Subtration,
  Cmd_Multiplication,
  Cmd_Division,
  Cmd_Amount,
  Cmd_Percent,
  Cmd_Evolution,
  Cmd_Add,
  Cmd_MJian,
  Cmd_Read,
  Cmd_CM,
  Cmd_GT,
  Img_TwoRows,
  Img_ThousandSign,
  Img_Sound,
  Img_Copy,
  Img_Paste,
  Img_History,
  Image_Logo,
  Img_Expression,
  Img_House,
  Img_Exit,
  CopyKey,
};

/// The number of entries of ControlId.
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(ControlId::CopyKey) + 1;

/// The control's name as the window names its widget; "" for `CopyKey`.
std::string_view ControlName(ControlId control);
/// The control of that name, if the logic knows it.
std::optional<ControlId> FindControl(std::string_view name);
/// True for the controls whose click the window performs (history window, panel, switches to the
/// other calculators, exit).
bool IsWindowControl(ControlId control);

/// Modifier state of a key release: the sum of these for the keys held.
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;

/// Which modifier state a release row accepts.
enum class ModifierRule : std::uint8_t { Any, CtrlAlone, AltAlone };

/// A row of the character table: the character a key press produces and the control it clicks.
struct CharacterRow {
  char character;
  ControlId target;
};

/// A row of the release table: key code, modifier rule and the control it clicks.
struct ReleaseRow {
  int key_code;
  ModifierRule rule;
  ControlId target;
};

/// Every character that has a row; any other character does nothing.
inline constexpr std::array<CharacterRow, 32> kCharacterTable{{
    {'\b', ControlId::Cmd_Back},
    {'\r', ControlId::Cmd_Amount},
    {'*', ControlId::Cmd_Multiplication},
    {'+', ControlId::Cmd_Addition},
    {'-', ControlId::Cmd_Subtration},
    {'.', ControlId::Cmd_Dot},
    {'/', ControlId::Cmd_Division},
    {'0', ControlId::Cmd_0},
    {'1', ControlId::Cmd_1},
    {'2', ControlId::Cmd_2},
    {'3', ControlId::Cmd_3},
    {'4', ControlId::Cmd_4},
    {'5', ControlId::Cmd_5},
    {'6', ControlId::Cmd_6},
    {'7', ControlId::Cmd_7},
    {'8', ControlId::Cmd_8},
    {'9', ControlId::Cmd_9},
    {'=', ControlId::Cmd_Amount},
    // The numeric keypad that laptops lay over their letter keys: m j k l u i o give 0 to 6.
    {'m', ControlId::Cmd_0},
    {'M', ControlId::Cmd_0},
    {'j', ControlId::Cmd_1},
    {'J', ControlId::Cmd_1},
    {'k', ControlId::Cmd_2},
    {'K', ControlId::Cmd_2},
    {'l', ControlId::Cmd_3},
    {'L', ControlId::Cmd_3},
    {'u', ControlId::Cmd_4},
    {'U', ControlId::Cmd_4},
    {'i', ControlId::Cmd_5},
    {'I', ControlId::Cmd_5},
    {'o', ControlId::Cmd_6},
    {'O', ControlId::Cmd_6},
}};

/// Key codes of the release table (Windows virtual-key numbers).
namespace keys {
inline constexpr int kDelete = 46;
inline constexpr int kF1 = 112;
inline constexpr int kF2 = 113;
inline constexpr int kF3 = 114;
inline constexpr int kF4 = 115;
inline constexpr int kF7 = 118;
}  // namespace keys

/// The release table, tested top to bottom; every matching row acts.
inline constexpr std::array<ReleaseRow, 16> kReleaseTable{{
    {'B', ModifierRule::Any, ControlId::Cmd_Percent},
    {'F', ModifierRule::Any, ControlId::Cmd_Evolution},
    {'G', ModifierRule::Any, ControlId::Cmd_GT},
    {keys::kDelete, ModifierRule::Any, ControlId::Cmd_Clean},
    {'A', ModifierRule::CtrlAlone, ControlId::Cmd_Add},
    {'J', ModifierRule::CtrlAlone, ControlId::Cmd_MJian},
    {'R', ModifierRule::CtrlAlone, ControlId::Cmd_Read},
    {'C', ModifierRule::CtrlAlone, ControlId::Cmd_CM},
    {'H', ModifierRule::Any, ControlId::Img_History},
    {'D', ModifierRule::Any, ControlId::Img_TwoRows},
    {keys::kF4, ModifierRule::AltAlone, ControlId::Img_Exit},
    {keys::kF1, ModifierRule::Any, ControlId::Image_Logo},
    {keys::kF2, ModifierRule::Any, ControlId::Img_Expression},
    {keys::kF3, ModifierRule::Any, ControlId::Img_Sound},
    {keys::kF7, ModifierRule::Any, ControlId::Img_House},
    {'C', ModifierRule::Any, ControlId::CopyKey},
}};

/// Esc clicks the window's cancel button, the full clear.
inline constexpr ControlId kCancelButton = ControlId::Cmd_CleanAll;

/// The control a typed character clicks, if its row exists.
std::optional<ControlId> ControlForCharacter(int character);

/// The controls a key release clicks, in the table's order.
struct ReleaseTargets {
  std::array<ControlId, 2> controls{};
  std::size_t count = 0;
};
/// The rows of the release table that match `key_code` with modifier state `modifiers`.
ReleaseTargets ControlsForRelease(int key_code, int modifiers);

}  // namespace korvex::standard
