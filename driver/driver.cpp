#include "driver.h"

#include <QCoreApplication>

#include "driver/decimal_command.h"
#include "driver/script_text.h"
#include "expression/eval_query.h"
#include "standard/state_query.h"

namespace korvex::driver {
namespace {

Services MakeServices(MessageBox* box, ClipPlayer* clips, DesktopLinks* links, Clock* clock,
                      Screen* screen, Clipboard* clipboard, mainwindow::TrayIcon* tray) {
  Services s;
  s.clipboard = clipboard;
  s.tray = tray;
  // Scripts say when time passes: `tick` fires the timers.
  s.live_timers = false;
  s.message_box = box;
  s.clip_player = clips;
  s.desktop_links = links;
  s.clock = clock;
  s.screen = screen;
  return s;
}

std::string Bool(bool value) { return value ? "True" : "False"; }

}  // namespace

Driver::Driver(std::string_view command_line)
    : program_(MakeServices(&message_box_, &clip_player_, &links_, &clock_, &screen_, &clipboard_,
                            &tray_)),
      windows_(program_, tray_) {
  program_.Start(command_line);
  QCoreApplication::processEvents();
}

void Driver::Execute(std::string_view line, std::ostream& out) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty() || line.front() == '#') return;
  const auto [command, rest] = SplitWord(line);
  const std::string answer = Query(command, rest);
  if (answer != "\x01") out << answer << '\n';
}

std::string Driver::Query(std::string_view command, std::string_view rest) {
  static const std::string kNoAnswer(driver::kNoAnswer);
  if (command == "echo") return Escape(Unescape(rest));
  if (command == "message") return Escape(message_box_.TakeOldest());
  if (command == "url") return Escape(links_.TakeOldest());
  if (command == "clips") return clip_player_.TakeAll();
  if (command == "running") return program_.Running() ? "yes" : "no";
  if (command == "windows") {
    std::string out;
    for (const std::string& name : program_.LoadedWindows()) out += (out.empty() ? "" : " ") + name;
    return out;
  }
  if (command == "var") return Variable(rest);
  if (command == "numtext") return NumberTextCommand(rest);
  if (command == "eval") return expression::EvalQuery(Unescape(rest));
  if (command == "decimal") {
    const auto [op, operands] = SplitWord(rest);
    const auto [a, b] = SplitWord(operands);
    return DecimalCommand(op, a, b);
  }
  if (command == "today") {
    const auto [year, month] = SplitWord(rest);
    try {
      clock_.Set({std::stoi(std::string(year)), std::stoi(std::string(month))});
    } catch (const std::exception&) {
      return "error: today takes a year and a month";
    }
    return kNoAnswer;
  }
  if (command == "screen") {
    const auto [width, height] = SplitWord(rest);
    try {
      screen_.Set(std::stoi(std::string(width)), std::stoi(std::string(height)));
    } catch (const std::exception&) {
      return "error: screen takes a width and a height in twips";
    }
    return kNoAnswer;
  }
  if (auto answer = windows_.Run(command, rest)) return *answer;
  return "error: unknown command " + std::string(command);
}

std::string Driver::Variable(std::string_view name) const {
  const Module1& m = program_.module1();
  const standard::StandardCalculator& calc = program_.standard();
  if (auto value = standard::ReadVariable(calc.state(), calc.controls(), m, name))
    return Escape(*value);
  if (name == "CommandOptions") return Escape(m.CommandOptions);
  if (name == "StartMode") return std::to_string(m.StartMode);
  if (name == "StartDecimals") return std::to_string(m.StartDecimals);
  if (name == "HistoryLine") return Escape(m.HistoryLine);
  if (name == "MaxDisplayLen") return std::to_string(m.MaxDisplayLen);
  if (name == "KeepHistoryWindow") return Bool(m.KeepHistoryWindow);
  return "error: no variable " + std::string(name);
}

}  // namespace korvex::driver
