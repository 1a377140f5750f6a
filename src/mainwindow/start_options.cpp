#include "mainwindow/start_options.h"

#include <string_view>

namespace korvex::mainwindow {

bool ApplyStartOptions(standard::StandardCalculator& calc, const Module1& module) {
  using standard::ControlId;
  const std::string_view options = module.CommandOptions;
  const auto has = [&](std::string_view option) {
    return options.find(option) != std::string_view::npos;
  };
  // Every switch is off after the load, so each click switches its feature on.
  if (has("/f3")) calc.Click(ControlId::Img_Sound);
  if (has("/ac")) calc.Click(ControlId::Img_Copy);
  if (has("/ag")) calc.Click(ControlId::Img_Paste);
  if (has("/qf")) calc.Click(ControlId::Img_ThousandSign);
  constexpr int kRound = 2;
  constexpr int kCutOff = 1;
  const bool places = module.StartDecimals >= 0 && module.StartDecimals <= 4;
  if (has("/u")) {
    calc.ChooseCut(kRound);
    if (places) calc.ChooseDot(module.StartDecimals);
  }
  if (has("/c")) {
    calc.ChooseCut(kCutOff);
    if (places) calc.ChooseDot(module.StartDecimals);
  }
  return has("/mi");
}

}  // namespace korvex::mainwindow
