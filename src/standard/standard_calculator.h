#pragma once

#include <optional>

#include "common/clip_player.h"
#include "common/clipboard.h"
#include "common/module1.h"
#include "standard/calc.h"
#include "standard/key_map.h"
#include "standard/services.h"

namespace korvex::standard {

/// The standard calculator without its window: it keeps `CalcState` and what the controls show,
/// and the window hands it every click, key and timer tick. It lives for the whole run, since
/// `CalcState` does; `Load` and `Unload` follow the window's own load and unload.
class StandardCalculator {
 public:
  /// `module` and the services must outlive the calculator.
  StandardCalculator(Module1& module, ClipPlayer& clips, Clipboard& clipboard, WindowFocus& focus);

  /// The window's load steps these parts own: fresh controls with every switch off, `Entering`,
  /// `GrandTotal`, `SoundOn`, `ThousandSignOn`, `TwoRowsOn`, `MiniMode`, `PanelOpen`,
  /// `KeepHistoryWindow`; every other field keeps its value. Start options come after it.
  void Load();
  /// The window's unload: its controls go, the history window with them; the fields stay.
  void Unload();
  /// The history window is shown (`Img_History`): it is created if it was not loaded.
  void LoadHistoryWindow();
  /// The history window is unloaded and its text discarded.
  void UnloadHistoryWindow();

  /// Performs the click of `control`. For the window's own controls only the logic's share is
  /// done (`Img_History` loads the history window); the window performs the rest.
  void Click(ControlId control);
  /// A typed character (key press, repeating while held). Returns the window's own control when
  /// the character's row names one.
  std::optional<ControlId> TypeCharacter(int character);
  /// A key release with modifier state `modifiers` (kShift + kCtrl + kAlt). Performs every matching
  /// row of the logic and returns the window's own control if a row names one.
  std::optional<ControlId> ReleaseKey(int key_code, int modifiers);
  /// Esc, the window's cancel button: the full clear.
  void PressEscape();

  /// A choice in `Combo_Cut`, by item index.
  void ChooseCut(int index);
  /// A choice in `Combo_Dot`, by item index.
  void ChooseDot(int index);
  /// A tick of `Timer_EntryS` (the read-out).
  void TickReadOut();
  /// A tick of `Timer1` (the clipboard capture).
  void TickCapture();

  /// The frame's flags, which the window keeps in `CalcState` too.
  void SetDocked(bool docked);
  void SetPanelOpen(bool open);
  void SetMiniMode(bool mini);

  const CalcState& state() const { return calc_.state; }
  const Controls& controls() const { return calc_.controls; }
  const Module1& module() const { return calc_.module; }

 private:
  Calc calc_;
};

}  // namespace korvex::standard
