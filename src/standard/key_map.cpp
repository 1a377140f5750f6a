#include "standard/key_map.h"

namespace korvex::standard {
namespace {

constexpr std::array<std::string_view, kControlCount> kNames{
    "Cmd_0",
    "Cmd_1",
    "Cmd_2",
    "Cmd_3",
    "Cmd_4",
    "Cmd_5",
    "Cmd_6",
    "Cmd_7",
    "Cmd_8",
    "Cmd_9",
    "Cmd_00",
    "Cmd_Dot",
    "Cmd_Back",
    "Cmd_Clean",
    "Cmd_CleanAll",
    "Cmd_Sign",
    "Cmd_Addition",
    "Cmd_Subtration",
    "Cmd_Multiplication",
    "Cmd_Division",
    "Cmd_Amount",
    "Cmd_Percent",
    "Cmd_Evolution",
    "Cmd_Add",
    "Cmd_MJian",
    "Cmd_Read",
    "Cmd_CM",
    "Cmd_GT",
    "Img_TwoRows",
    "Img_ThousandSign",
    "Img_Sound",
    "Img_Copy",
    "Img_Paste",
    "Img_History",
    "Image_Logo",
    "Img_Expression",
    "Img_House",
    "Img_Exit",
    "",
};

// The character table spread over the ASCII range, so a key press costs one lookup.
struct CharacterLookup {
  std::array<std::optional<ControlId>, 128> target{};
  constexpr CharacterLookup() {
    for (const CharacterRow& row : kCharacterTable)
      target[static_cast<unsigned char>(row.character)] = row.target;
  }
};
constexpr CharacterLookup kCharacterLookup;

bool Accepts(ModifierRule rule, int modifiers) {
  switch (rule) {
    case ModifierRule::CtrlAlone:
      return modifiers == kCtrl;
    case ModifierRule::AltAlone:
      return modifiers == kAlt;
    case ModifierRule::Any:
      break;
  }
  return true;
}

}  // namespace

std::string_view ControlName(ControlId control) {
  return kNames[static_cast<std::size_t>(control)];
}

std::optional<ControlId> FindControl(std::string_view name) {
  if (name.empty()) return std::nullopt;
  for (std::size_t i = 0; i < kNames.size(); ++i)
    if (kNames[i] == name) return static_cast<ControlId>(i);
  return std::nullopt;
}

bool IsWindowControl(ControlId control) {
  return control >= ControlId::Img_History && control <= ControlId::Img_Exit;
}

std::optional<ControlId> ControlForCharacter(int character) {
  if (character < 0 || character >= static_cast<int>(kCharacterLookup.target.size()))
    return std::nullopt;
  return kCharacterLookup.target[static_cast<std::size_t>(character)];
}

ReleaseTargets ControlsForRelease(int key_code, int modifiers) {
  ReleaseTargets targets;
  for (const ReleaseRow& row : kReleaseTable) {
    if (row.key_code != key_code || !Accepts(row.rule, modifiers)) continue;
    if (targets.count < targets.controls.size()) targets.controls[targets.count++] = row.target;
  }
  return targets;
}

}  // namespace korvex::standard
