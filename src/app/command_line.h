#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvex {

/// The calculator window a start opens.
enum class StartWindow { None, Standard, Expression, Mortgage };

/// What the command line decides: an error text to show under "参数错误", or the window to open
/// with the program-wide values it sets.
struct StartDecision {
  std::string error;  ///< empty when the command line is accepted
  std::string CommandOptions;
  std::int16_t StartMode = 0;
  std::int16_t StartDecimals = 0;
  StartWindow window = StartWindow::None;
};

/// The title of every command-line error box.
inline constexpr std::string_view kCommandLineErrorTitle = "参数错误";

/// The four error texts, in the order the rules are checked.
inline constexpr std::string_view kErrorLength =
    "您设置的启动参数错误，请检查参数是否输入错误，是否缺少或夹杂其他符号。";
inline constexpr std::string_view kErrorF2 = "您设置的启动参数错误。“/F2”参数只能与“/ac”参数合用。";
inline constexpr std::string_view kErrorF7 = "您设置的启动参数错误。“/F7”参数只能单独使用。";
inline constexpr std::string_view kErrorUWithC =
    "您设置的启动参数错误。“/U”参数不能与“/C”参数合用。";

/// Checks the command line (the program's arguments joined with spaces) and decides the start.
StartDecision CheckCommandLine(std::string_view command_line);

/// True when option `option` ("/qf") occurs anywhere in the options.
bool HasOption(std::string_view command_options, std::string_view option);

}  // namespace korvex
