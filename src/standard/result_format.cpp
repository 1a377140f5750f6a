#include "standard/result_format.h"

#include "common/utf8_text.h"
#include "standard/clipboard_features.h"
#include "standard/number_reading.h"
#include "standard/voice.h"

namespace korvex::standard {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The display text for "直接舍去" and "四舍五入"; `text` is the accumulator's text.
std::string ProcessedText(const Calc& calc, const std::string& text, CutMode mode, int places) {
  if (mode == CutMode::CutOff && places != 0) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return text;
    return text.substr(0, point + 1 + static_cast<std::size_t>(places));
  }
  // Rounding, and the cut to 0 places, round the decimal value itself: ties go to the even
  // neighbour, and no whole number is out of range.
  const DecimalResult value = ToDecimal(calc.state.Accumulator);
  if (!value.ok()) return text;
  return value.value.RoundToPlaces(mode == CutMode::CutOff ? 0 : places).ToString();
}

}  // namespace

void FormatResult(Calc& calc) {
  std::string_view clip = "wav_dengyu";
  if (IsTrue(calc.state.SqrtResult)) {
    calc.state.SqrtResult = false;
    clip = "wav_kf";
  }
  PlayClip(calc, clip);

  const std::string full = ValueText(calc.state.Accumulator);
  const auto mode = static_cast<CutMode>(calc.controls.Combo_Cut.index);
  const int places = calc.controls.Combo_Dot.index;
  const std::size_t limit = MaxDisplayLength(calc);
  std::string& display = Display(calc);
  Rgb& color = calc.controls.T_Show.color;
  if (mode == CutMode::None) {
    display.assign(utf8::Left(full, limit));
  } else {
    display = ProcessedText(calc, full, mode, places);
    color = kResultRed;
  }
  if (display.ends_with('.')) display.pop_back();  // a cut that stopped right after the point
  if (utf8::Length(full) > limit)
    color = kResultRed;
  else if (mode == CutMode::None)
    color = kEntryColour;
  GroupThousands(calc);
  CopyResultIfAuto(calc);
}

void GroupThousands(Calc& calc) {
  if (!calc.state.ThousandSignOn) return;
  std::string& display = Display(calc);
  std::string& grouped = calc.scratch;
  RemoveSeparators(display, grouped);

  // Only a number is regrouped; the division message, an exponent form and the like stay as
  // they are.
  const std::size_t sign = grouped.starts_with('-') ? 1 : 0;
  std::size_t point = std::string::npos;
  for (std::size_t i = sign; i < grouped.size(); ++i) {
    if (IsDigit(grouped[i])) continue;
    if (grouped[i] != '.' || point != std::string::npos) return;
    point = i;
  }
  const std::size_t end = point == std::string::npos ? grouped.size() : point;
  const std::size_t digits = end - sign;

  display.assign(grouped, 0, sign);
  for (std::size_t i = 0; i < digits; ++i) {
    if (i != 0 && (digits - i) % 3 == 0) display += ',';
    display += grouped[sign + i];
  }
  display.append(grouped, end);
}

void ToggleThousandSign(Calc& calc) {
  if (calc.controls.Img_ThousandSign.picture == pictures::kSeparatorsOff) {
    calc.state.ThousandSignOn = true;
    GroupThousands(calc);
    calc.controls.Img_ThousandSign.picture = pictures::kSeparatorsOn;
  } else {
    calc.state.ThousandSignOn = false;
    std::string& display = Display(calc);
    RemoveSeparators(display, calc.scratch);
    display.swap(calc.scratch);
    calc.controls.Img_ThousandSign.picture = pictures::kSeparatorsOff;
  }
}

void ChooseCut(Calc& calc, int index) {
  if (index < 0 || index >= static_cast<int>(kCutItems.size())) return;
  calc.controls.Combo_Cut.index = index;
  calc.controls.Combo_Dot.enabled = static_cast<CutMode>(index) != CutMode::None;
}

void ChooseDot(Calc& calc, int index) {
  if (index < 0 || index >= static_cast<int>(kDotItems.size())) return;
  calc.controls.Combo_Dot.index = index;
}

}  // namespace korvex::standard
