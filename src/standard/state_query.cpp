#include "standard/state_query.h"

#include <array>
#include <variant>

#include "common/number_text.h"

namespace korvex::standard {
namespace {

std::string BoolText(bool flag) { return flag ? "True" : "False"; }

std::string FlagText(const OptionalBool& flag) { return flag ? BoolText(*flag) : std::string(); }

// A double (the square root) is written as the number text of doubles; the other values by
// their own text.
std::string VariableText(const Value& value) {
  if (const auto* root = std::get_if<double>(&value)) return FormatNumberText(*root);
  return ValueText(value);
}

std::string YesNo(bool flag) { return flag ? "yes" : "no"; }

std::string ColorText(const Rgb& color) {
  return std::to_string(color.red) + "," + std::to_string(color.green) + "," +
         std::to_string(color.blue);
}

template <std::size_t N>
std::string ShownItem(const std::array<std::string_view, N>& items, const ComboBox& box) {
  if (box.index < 0 || static_cast<std::size_t>(box.index) >= N) return {};
  return std::string(items[static_cast<std::size_t>(box.index)]);
}

struct VariableRow {
  std::string_view name;
  std::string (*read)(const CalcState&, const Controls&, const Module1&);
};

constexpr std::array<VariableRow, 28> kVariables{{
    {"ClipBuffer",
     [](const CalcState& s, const Controls&, const Module1&) {
       return std::string(s.ClipBuffer.begin(), s.ClipBuffer.end());
     }},
    {"SpeakText",
     [](const CalcState& s, const Controls&, const Module1&) { return VariableText(s.SpeakText); }},
    {"SpeakChar", [](const CalcState& s, const Controls&, const Module1&) { return s.SpeakChar; }},
    {"SpeakPos", [](const CalcState& s, const Controls&,
                    const Module1&) { return std::to_string(s.SpeakPos); }},
    {"PendingSign", [](const CalcState& s, const Controls&,
                       const Module1&) { return VariableText(s.PendingSign); }},
    {"Accumulator", [](const CalcState& s, const Controls&,
                       const Module1&) { return VariableText(s.Accumulator); }},
    {"Operand",
     [](const CalcState& s, const Controls&, const Module1&) { return VariableText(s.Operand); }},
    {"LastOperand", [](const CalcState& s, const Controls&,
                       const Module1&) { return VariableText(s.LastOperand); }},
    {"CaptureText", [](const CalcState& s, const Controls&,
                       const Module1&) { return VariableText(s.CaptureText); }},
    {"GrandTotal", [](const CalcState& s, const Controls&,
                      const Module1&) { return VariableText(s.GrandTotal); }},
    {"Entering",
     [](const CalcState& s, const Controls&, const Module1&) { return BoolText(s.Entering); }},
    {"AfterEquals",
     [](const CalcState& s, const Controls&, const Module1&) { return BoolText(s.AfterEquals); }},
    {"Docked",
     [](const CalcState& s, const Controls&, const Module1&) { return FlagText(s.Docked); }},
    {"SoundOn",
     [](const CalcState& s, const Controls&, const Module1&) { return FlagText(s.SoundOn); }},
    {"SqrtResult",
     [](const CalcState& s, const Controls&, const Module1&) { return FlagText(s.SqrtResult); }},
    {"PartialClear",
     [](const CalcState& s, const Controls&, const Module1&) { return FlagText(s.PartialClear); }},
    {"SingleZero",
     [](const CalcState& s, const Controls&, const Module1&) { return FlagText(s.SingleZero); }},
    {"TwoRowsOn",
     [](const CalcState& s, const Controls&, const Module1&) { return BoolText(s.TwoRowsOn); }},
    {"PanelOpen",
     [](const CalcState& s, const Controls&, const Module1&) { return FlagText(s.PanelOpen); }},
    {"MiniMode",
     [](const CalcState& s, const Controls&, const Module1&) { return FlagText(s.MiniMode); }},
    {"ThousandSignOn", [](const CalcState& s, const Controls&,
                          const Module1&) { return BoolText(s.ThousandSignOn); }},
    {"MemoryText",
     [](const CalcState&, const Controls& c, const Module1&) { return c.T_Memory.text; }},
    {"CommandOptions",
     [](const CalcState&, const Controls&, const Module1& m) { return m.CommandOptions; }},
    {"StartMode", [](const CalcState&, const Controls&,
                     const Module1& m) { return std::to_string(m.StartMode); }},
    {"StartDecimals", [](const CalcState&, const Controls&,
                         const Module1& m) { return std::to_string(m.StartDecimals); }},
    {"HistoryLine",
     [](const CalcState&, const Controls&, const Module1& m) { return m.HistoryLine; }},
    {"MaxDisplayLen", [](const CalcState&, const Controls&,
                         const Module1& m) { return std::to_string(m.MaxDisplayLen); }},
    {"KeepHistoryWindow", [](const CalcState&, const Controls&,
                             const Module1& m) { return BoolText(m.KeepHistoryWindow); }},
}};

}  // namespace

std::optional<std::string> ReadVariable(const CalcState& state, const Controls& controls,
                                        const Module1& module, std::string_view name) {
  for (const VariableRow& row : kVariables)
    if (row.name == name) return row.read(state, controls, module);
  return std::nullopt;
}

std::optional<std::string> ReadControl(const Controls& c, std::string_view query) {
  const std::size_t dot = query.find('.');
  const std::string_view control = query.substr(0, dot);
  const std::string_view property =
      dot == std::string_view::npos ? std::string_view() : query.substr(dot + 1);

  if (property.empty()) {
    if (control == "T_Show") return c.T_Show.text;
    if (control == "T_Sign") return c.T_Sign.text;
    if (control == "T_Memory") return c.T_Memory.text;
    if (control == "T_Hist") return c.History.T_Hist.text;
    if (control == "Img_Sound") return std::to_string(c.Img_Sound.picture);
    if (control == "Img_Copy") return std::to_string(c.Img_Copy.picture);
    if (control == "Img_Paste") return std::to_string(c.Img_Paste.picture);
    if (control == "Img_ThousandSign") return std::to_string(c.Img_ThousandSign.picture);
    if (control == "Img_TwoRows") return std::to_string(c.Img_TwoRows.picture);
    if (control == "Combo_Cut") return ShownItem(kCutItems, c.Combo_Cut);
    if (control == "Combo_Dot") return ShownItem(kDotItems, c.Combo_Dot);
    return std::nullopt;
  }
  if (control == "T_Show" && property == "color") return ColorText(c.T_Show.color);
  if (control == "T_Sign" && property == "visible") return YesNo(c.T_Sign.visible);
  if (property == "enabled") {
    if (control == "Combo_Cut") return YesNo(c.Combo_Cut.enabled);
    if (control == "Combo_Dot") return YesNo(c.Combo_Dot.enabled);
    if (control == "Timer1") return YesNo(c.Timer1.enabled);
    if (control == "Timer_EntryS") return YesNo(c.Timer_EntryS.enabled);
  }
  return std::nullopt;
}

}  // namespace korvex::standard
