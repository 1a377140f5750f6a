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

/// "计算": evaluates `T_BDS` into `L_BDS` (its first 14 characters; the previous result stays
/// when there is no value), shows the one error message when the expression or a degree argument
/// was wrong, and with auto copy on puts the caption on the clipboard, also after a failure.
void EvaluateExpression(ExpressionWindowState& window, MessageBox& box, Clipboard& clipboard);

}  // namespace korvex::expression
