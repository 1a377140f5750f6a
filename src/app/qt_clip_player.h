#pragma once

#include <QBuffer>
#include <QByteArray>
#include <memory>
#include <string>
#include <unordered_map>

#include "common/clip_player.h"

class QAudioSink;

namespace korvex {

/// Plays the voice clips compiled into the program on the default audio output.
class QtClipPlayer : public ClipPlayer {
 public:
  /// Looks for the default audio output once; without one every clip stays silent.
  QtClipPlayer();
  ~QtClipPlayer() override;
  QtClipPlayer(const QtClipPlayer&) = delete;
  QtClipPlayer& operator=(const QtClipPlayer&) = delete;

  void Play(const std::string& name) override;

  /// True when an audio output was found, so that clips can be heard.
  bool IsAudioAvailable() const { return sink_ != nullptr; }

  /// The samples of the clip `name` (any case); nullptr when there is no such playable clip.
  const QByteArray* ClipSamples(const std::string& name);

 private:
  // Samples by lower-case name, loaded on first use and kept for the player's life, so the bytes
  // of a clip outlive every playing of it.
  std::unordered_map<std::string, QByteArray> samples_;
  QBuffer buffer_;
  std::unique_ptr<QAudioSink> sink_;
  bool warned_ = false;
};

}  // namespace korvex
