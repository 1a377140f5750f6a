#include "command_line.h"

#include "common/utf8_text.h"

namespace korvex {
namespace {

std::string Normalize(std::string_view command_line) {
  std::string out;
  out.reserve(command_line.size());
  for (char c : command_line) {
    if (c == ' ') continue;
    out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  }
  return out;
}

// The number of places after "/u" or "/c". Only 0 to 4 can be chosen in the window's list, so
// anything else (another character, or nothing at the end of the line) breaks the command line
// like a stray character does.
bool ReadPlaces(const std::string& options, std::string_view option, std::int16_t* places) {
  const std::size_t at = options.find(option);
  if (at == std::string::npos) return true;
  const std::size_t digit = at + option.size();
  if (digit >= options.size() || options[digit] < '0' || options[digit] > '4') return false;
  *places = static_cast<std::int16_t>(options[digit] - '0');
  return true;
}

}  // namespace

bool HasOption(std::string_view command_options, std::string_view option) {
  return command_options.find(option) != std::string_view::npos;
}

StartDecision CheckCommandLine(std::string_view command_line) {
  StartDecision d;
  d.CommandOptions = Normalize(command_line);
  const std::string& o = d.CommandOptions;
  const auto refuse = [&d](std::string_view text) {
    d.error = std::string(text);
    d.window = StartWindow::None;
    return d;
  };

  if (utf8::Length(o) % 3 != 0) return refuse(kErrorLength);
  if (HasOption(o, "/f2") && o != "/f2" && o != "/f2/ac" && o != "/ac/f2") return refuse(kErrorF2);
  if (utf8::Length(o) > 3 && HasOption(o, "/f7")) return refuse(kErrorF7);
  if (HasOption(o, "/u") && HasOption(o, "/c")) return refuse(kErrorUWithC);
  if (!ReadPlaces(o, "/u", &d.StartDecimals) || !ReadPlaces(o, "/c", &d.StartDecimals))
    return refuse(kErrorLength);

  if (o == "/f7") {
    d.window = StartWindow::Mortgage;
    return d;
  }
  d.StartMode =
      static_cast<std::int16_t>((HasOption(o, "/f2") ? 1 : 0) + (HasOption(o, "/ac") ? 6 : 0));
  d.window =
      (d.StartMode == 1 || d.StartMode == 7) ? StartWindow::Expression : StartWindow::Standard;
  return d;
}

}  // namespace korvex
