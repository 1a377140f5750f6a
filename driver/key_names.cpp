#include "driver/key_names.h"

#include <cctype>

namespace korvex::driver {
namespace {

struct NamedKey {
  std::string_view name;
  Qt::Key key;
  char text;
  bool keypad;
};

constexpr NamedKey kNamedKeys[] = {
    {"Enter", Qt::Key_Return, '\r', false},        {"Esc", Qt::Key_Escape, '\x1b', false},
    {"Backspace", Qt::Key_Backspace, '\b', false}, {"Delete", Qt::Key_Delete, 0, false},
    {"Space", Qt::Key_Space, ' ', false},          {"Tab", Qt::Key_Tab, '\t', false},
    {"NumPlus", Qt::Key_Plus, '+', true},          {"NumMinus", Qt::Key_Minus, '-', true},
    {"NumStar", Qt::Key_Asterisk, '*', true},      {"NumSlash", Qt::Key_Slash, '/', true},
    {"NumDot", Qt::Key_Period, '.', true},         {"NumEnter", Qt::Key_Enter, '\r', true},
};

// What Shift gives on the US keyboard's digit row and punctuation keys.
constexpr std::string_view kUnshifted = "1234567890-=[]\\;',./`";
constexpr std::string_view kShifted = "!@#$%^&*()_+{}|:\"<>?~";

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::optional<ScriptKey> ParseKey(std::string_view name) {
  Qt::KeyboardModifiers modifiers;
  // A lone "+" is the plus key, not a modifier separator.
  for (const auto& [prefix, modifier] :
       {std::pair{std::string_view("Ctrl+"), Qt::ControlModifier},
        std::pair{std::string_view("Alt+"), Qt::AltModifier},
        std::pair{std::string_view("Shift+"), Qt::ShiftModifier}}) {
    if (name.size() > prefix.size() && StartsWith(name, prefix)) {
      modifiers |= modifier;
      name.remove_prefix(prefix.size());
    }
  }
  const bool shift = modifiers & Qt::ShiftModifier;
  // Ctrl and Alt chords give no mapped character, except that Ctrl on a letter gives its control
  // code, as a desktop does.
  const bool chord = modifiers & (Qt::ControlModifier | Qt::AltModifier);
  ScriptKey out{Qt::Key_unknown, modifiers, {}};
  for (const NamedKey& named : kNamedKeys) {
    if (name != named.name) continue;
    out.key = named.key;
    if (named.keypad) out.modifiers |= Qt::KeypadModifier;
    if (named.text && !chord) out.text = QString(QChar(named.text));
    return out;
  }
  if (name.size() >= 2 && name[0] == 'F' && std::isdigit(static_cast<unsigned char>(name[1]))) {
    const int number = std::atoi(std::string(name.substr(1)).c_str());
    if (number < 1 || number > 12) return std::nullopt;
    out.key = static_cast<Qt::Key>(Qt::Key_F1 + number - 1);
    return out;
  }
  if (name.size() == 4 && StartsWith(name, "Num") &&
      std::isdigit(static_cast<unsigned char>(name[3]))) {
    out.key = static_cast<Qt::Key>(Qt::Key_0 + (name[3] - '0'));
    out.modifiers |= Qt::KeypadModifier;
    if (!chord) out.text = QString(QChar(name[3]));
    return out;
  }
  if (name.size() != 1 || name[0] <= ' ' || name[0] > '~') return std::nullopt;
  const char c = name[0];
  if (std::isalpha(static_cast<unsigned char>(c))) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    out.key = static_cast<Qt::Key>(upper);
    if (modifiers & Qt::ControlModifier)
      out.text = QString(QChar(upper & 0x1f));
    else if (!(modifiers & Qt::AltModifier))
      out.text = QString(QChar(shift ? upper : std::tolower(static_cast<unsigned char>(c))));
    return out;
  }
  char produced = c;
  const std::size_t at = kUnshifted.find(c);
  if (shift && at != std::string_view::npos) produced = kShifted[at];
  out.key = static_cast<Qt::Key>(std::isdigit(static_cast<unsigned char>(c)) ? c : produced);
  if (!chord) out.text = QString(QChar(produced));
  return out;
}

}  // namespace korvex::driver
