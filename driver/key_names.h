#pragma once

#include <QString>
#include <Qt>
#include <optional>
#include <string_view>

namespace korvex::driver {

/// A key of a script as a US keyboard produces it: Qt's key, its modifiers and its character.
struct ScriptKey {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  QString text;
};

/// Parses `[Ctrl+][Alt+][Shift+]NAME`; nullopt for a name no key has.
std::optional<ScriptKey> ParseKey(std::string_view name);

}  // namespace korvex::driver
