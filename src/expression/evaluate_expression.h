#pragma once

#include <cstdint>
#include <string>

#include "common/clipboard.h"
#include "common/message_box.h"

namespace korvex::expression {

/// What the expression window shows that its evaluation reads and writes; the window mirrors it.
struct ExpressionWindowState {
  std::string T_BDS;        ///< the typed expression
  bool C_AutoCopy = false;  ///< "自动复制结果" ticked
  std::string L_BDS;        ///< the result caption
};

/// The start mode given by "/f2" together with "/ac": the window then opens with auto copy on.
inline constexpr std::int16_t kStartModeExpressionAutoCopy = 7;

/// The window's state as each load builds it: nothing typed, no result, auto copy as started.
ExpressionWindowState LoadedExpressionWindow(std::int16_t start_mode);

/// "计算": `T_BDS` evaluated into `L_BDS`, the error message on failure, the caption copied if
/// ticked.
void EvaluateExpression(ExpressionWindowState& window, MessageBox& box, Clipboard& clipboard);

}  // namespace korvex::expression
