#include "standard/voice.h"

#include <algorithm>
#include <limits>
#include <string>

#include "common/utf8_text.h"

namespace korvex::standard {

void PlayClip(Calc& calc, std::string_view name) {
  if (IsTrue(calc.state.SoundOn)) calc.services.Play(std::string(name));
}

void StartReadOut(Calc& calc, std::string_view text) {
  SetText(calc.state.SpeakText, text);
  calc.state.SpeakPos = 1;
  calc.speak_offset = 0;
  calc.speak_length = utf8::Length(text);
  calc.controls.Timer_EntryS.enabled = true;
}

void ReadOutTick(Calc& calc) {
  if (!calc.controls.Timer_EntryS.enabled) return;
  CalcState& state = calc.state;
  const std::string_view text = TextOf(state.SpeakText);
  // The character at SpeakPos is found from a kept offset, so a long text costs no more per tick.
  const std::string_view rest = text.substr(std::min(calc.speak_offset, text.size()));
  const std::string_view spoken = utf8::Left(rest, 1);
  state.SpeakChar.assign(spoken);
  calc.speak_offset += spoken.size();
  if (spoken.size() == 1 && spoken[0] >= '0' && spoken[0] <= '9') {
    const char name[] = {'w', 'a', 'v', '_', spoken[0]};
    PlayClip(calc, std::string_view(name, sizeof name));
  } else if (spoken == ".") {
    PlayClip(calc, "wav_dian");
  }
  // SpeakPos is 16 bits: a text longer than that ends its read-out there instead of wrapping.
  if (state.SpeakPos == std::numeric_limits<std::int16_t>::max()) {
    calc.controls.Timer_EntryS.enabled = false;
    return;
  }
  ++state.SpeakPos;
  if (static_cast<std::size_t>(state.SpeakPos) > calc.speak_length)
    calc.controls.Timer_EntryS.enabled = false;
}

void ToggleSound(Calc& calc) {
  ImageSwitch& sound = calc.controls.Img_Sound;
  if (sound.picture == pictures::kSoundOff) {
    calc.state.SoundOn = true;
    sound.picture = pictures::kSoundOn;
  } else {
    calc.state.SoundOn = false;
    sound.picture = pictures::kSoundOff;
  }
  PlayClip(calc, "wav_yuyin");
}

}  // namespace korvex::standard
