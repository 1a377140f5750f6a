#include "start_up.h"

#include <string>

namespace korvex {

bool Main(Module1& module1, std::string_view command_line, MessageBox& box, WindowOpener& opener) {
  module1.HistoryLine = std::string(kHistoryLineStart);
  module1.MaxDisplayLen = kDefaultMaxDisplayLen;

  StartDecision decision = CheckCommandLine(command_line);
  module1.CommandOptions = decision.CommandOptions;
  if (!decision.error.empty()) {
    box.Show(MessageIcon::Critical, std::string(kCommandLineErrorTitle), decision.error);
    return false;
  }
  module1.StartDecimals = decision.StartDecimals;
  module1.StartMode = decision.StartMode;
  opener.Open(decision.window);
  return true;
}

}  // namespace korvex
