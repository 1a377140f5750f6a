#pragma once

#include <string_view>

namespace korvex::mortgage {

// The names of the mortgage window's controls that a CheckMessage can hand the focus to; the
// window looks its controls up by these names.

/// The term list of the first tab.
inline constexpr std::string_view kComboYears = "Combo_Years";
/// The base rate field.
inline constexpr std::string_view kTLilv = "T_lilv";
/// The loan amount field.
inline constexpr std::string_view kTCash = "T_Cash";
/// The sex list of the second tab.
inline constexpr std::string_view kComboSex = "Combo_Sex";
/// The monthly fund payment field.
inline constexpr std::string_view kTPay = "T_Pay";
/// The contribution ratio field.
inline constexpr std::string_view kTPercent = "T_Percent";
/// The fund ceiling field.
inline constexpr std::string_view kTTop = "T_Top";

}  // namespace korvex::mortgage
