#pragma once

#include "common/module1.h"
#include "standard/standard_calculator.h"

namespace korvex::mainwindow {

/// The last load step: switches on what `CommandOptions` asks for by the same clicks a user
/// gives. Returns true when "/mi" asks the window to start `Timer2`.
bool ApplyStartOptions(standard::StandardCalculator& calc, const Module1& module);

}  // namespace korvex::mainwindow
