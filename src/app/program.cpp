#include "program.h"

namespace korvex {

Program::Program(const Services& services) : services_(services) {}

bool Program::Start(std::string_view command_line) {
  return Main(module1_, command_line, *services_.message_box, *this);
}

std::vector<std::string> Program::LoadedWindows() const { return {}; }

bool Program::Running() const { return !LoadedWindows().empty(); }

void Program::Open(StartWindow window) {
  // The calculator windows are not built yet; the start opens none and the run ends.
  (void)window;
}

}  // namespace korvex
