#include "app/qt_clip_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <span>

#include "app/wave_image.h"
#include "resources/clips/clip_names.h"

namespace korvex {
namespace {

// No clip name is longer; anything longer is not worth looking up.
constexpr std::size_t kMaxNameLength = 32;

// The resource key of a clip name: ASCII letters folded to lower case. Only letters, digits and
// "_" are accepted, so that a name can never reach outside the clips' resource folder.
std::optional<std::string> ClipKey(const std::string& name) {
  if (name.empty() || name.size() > kMaxNameLength) return std::nullopt;
  std::string key;
  key.reserve(name.size());
  for (const char c : name) {
    if (c >= 'A' && c <= 'Z') {
      key.push_back(static_cast<char>(c - 'A' + 'a'));
    } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_') {
      key.push_back(c);
    } else {
      return std::nullopt;
    }
  }
  return key;
}

QAudioFormat ClipFormat() {
  QAudioFormat format;
  format.setSampleRate(11025);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  return format;
}

}  // namespace

QtClipPlayer::QtClipPlayer() {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return;
  const QAudioFormat format = ClipFormat();
  if (!device.isFormatSupported(format)) return;
  sink_ = std::make_unique<QAudioSink>(device, format);
}

QtClipPlayer::~QtClipPlayer() {
  // The sink reads the buffer, which shares the kept samples: stop it before either goes.
  if (sink_) sink_->stop();
}

const QByteArray* QtClipPlayer::ClipSamples(const std::string& name) {
  const std::optional<std::string> key = ClipKey(name);
  if (!key) return nullptr;
  if (const auto kept = samples_.find(*key); kept != samples_.end()) return &kept->second;

  QFile file(QString::fromLatin1(kClipFolder.data(), static_cast<qsizetype>(kClipFolder.size())) +
             QString::fromLatin1(*key) + QStringLiteral(".wav"));
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  const QByteArray bytes = file.readAll();
  const std::optional<WaveImage> image =
      ReadWaveImage(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                              static_cast<std::size_t>(bytes.size())));
  // The sink is opened for one format only; a clip in another would play as noise.
  if (!image || !IsVoiceClipFormat(image->format)) return nullptr;
  const QByteArray samples = bytes.mid(static_cast<qsizetype>(image->data_offset),
                                       static_cast<qsizetype>(image->data_size));
  return &samples_.emplace(*key, samples).first->second;
}

void QtClipPlayer::Play(const std::string& name) {
  if (!sink_) {
    if (!warned_) {
      warned_ = true;
      qWarning("korvex: no audio output found; the voice clips stay silent");
    }
    return;
  }
  const QByteArray* samples = ClipSamples(name);
  if (!samples) return;
  // Stopping first cuts the clip still playing and keeps the sink from reading the buffer while
  // it is switched to the new clip.
  sink_->stop();
  buffer_.close();
  buffer_.setData(*samples);
  buffer_.open(QIODevice::ReadOnly);
  sink_->start(&buffer_);
}

}  // namespace korvex
