#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "app/qt_clip_player.h"
#include "app/wave_image.h"
#include "resources/clips/clip_names.h"

namespace korvex {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void PutId(Bytes& out, const char* id) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(id[i]));
}

// A chunk with its pad byte; `declared` overrides the size written in its header.
Bytes Chunk(const char* id, const Bytes& body, std::int64_t declared = -1) {
  Bytes out;
  PutId(out, id);
  Put32(out, static_cast<std::uint32_t>(declared < 0 ? body.size() : declared));
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2 != 0) out.push_back(0);
  return out;
}

Bytes Fmt(std::uint16_t tag = 1, std::uint16_t channels = 1, std::uint32_t rate = 11025,
          std::uint16_t bits = 16) {
  const std::uint16_t align = static_cast<std::uint16_t>(channels * (bits / 8));
  Bytes body;
  Put16(body, tag);
  Put16(body, channels);
  Put32(body, rate);
  Put32(body, rate * align);
  Put16(body, align);
  Put16(body, bits);
  return body;
}

Bytes Riff(std::initializer_list<Bytes> chunks, std::int64_t declared = -1) {
  Bytes body;
  PutId(body, "WAVE");
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  Bytes out;
  PutId(out, "RIFF");
  Put32(out, static_cast<std::uint32_t>(declared < 0 ? body.size() : declared));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

TEST(ClipWaveImage, WalksPastOtherChunksToTheSamples) {
  // An odd-sized chunk before the samples shifts them by its pad byte.
  const Bytes image = Riff(
      {Chunk("LIST", {'a', 'b', 'c'}), Chunk("fmt ", Fmt()), Chunk("data", {1, 2, 3, 4, 5, 6})});
  const auto wave = ReadWaveImage(image);
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->data_offset, 12u + 12u + 24u + 8u);
  EXPECT_EQ(wave->data_size, 6u);
  EXPECT_EQ(image[wave->data_offset], 1);
  EXPECT_TRUE(IsVoiceClipFormat(wave->format));

  // Bytes after the RIFF form are not part of the image.
  Bytes trailing = image;
  trailing.insert(trailing.end(), {'j', 'u', 'n', 'k', 0xFF, 0xFF, 0xFF, 0xFF});
  const auto with_trailing = ReadWaveImage(trailing);
  ASSERT_TRUE(with_trailing);
  EXPECT_EQ(with_trailing->data_size, 6u);
}

TEST(ClipWaveImage, ExtensibleFormatCarriesItsSubFormat) {
  Bytes fmt = Fmt(0xFFFE);
  Put16(fmt, 22);  // extension size
  Put16(fmt, 16);  // valid bits
  Put32(fmt, 4);   // channel mask
  Put16(fmt, 1);   // sub-format GUID, PCM
  fmt.resize(40, 0);
  const auto wave = ReadWaveImage(Riff({Chunk("fmt ", fmt), Chunk("data", {0, 0})}));
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->format.format_tag, kWaveFormatPcm);
}

TEST(ClipWaveImage, OtherFormatsAreNoVoiceClips) {
  struct Case {
    const char* name;
    Bytes fmt;
  };
  const Case cases[] = {
      {"stereo", Fmt(1, 2)},
      {"8 bits", Fmt(1, 1, 11025, 8)},
      {"22050 Hz", Fmt(1, 1, 22050)},
      {"IEEE float", Fmt(3, 1, 11025, 32)},
  };
  for (const Case& c : cases) {
    const auto wave = ReadWaveImage(Riff({Chunk("fmt ", c.fmt), Chunk("data", Bytes(8, 0))}));
    ASSERT_TRUE(wave) << c.name;
    EXPECT_FALSE(IsVoiceClipFormat(wave->format)) << c.name;
  }
}

TEST(ClipWaveImage, RejectsBrokenImages) {
  const Bytes fmt = Chunk("fmt ", Fmt());
  const Bytes data = Chunk("data", {1, 2, 3, 4});
  const Bytes good = Riff({fmt, data});
  Bytes short_fmt = Fmt();
  short_fmt.resize(14);
  Bytes bad_align = Fmt();
  bad_align[12] = 4;
  Bytes no_channels = Fmt();
  no_channels[2] = 0;
  Bytes wave_id = good;
  wave_id[8] = 'X';

  struct Case {
    const char* name;
    Bytes bytes;
  };
  const Case cases[] = {
      {"empty", {}},
      {"only RIFF", {'R', 'I', 'F', 'F'}},
      {"not RIFF", Bytes(64, 'x')},
      {"not WAVE", wave_id},
      {"RIFF size past the end", Riff({fmt, data}, 10'000)},
      {"RIFF size below the form type", Riff({fmt, data}, 2)},
      {"cut in the middle of the samples", Bytes(good.begin(), good.end() - 2)},
      {"chunk size past the end", Riff({fmt, Chunk("data", {1, 2}, 0xFFFFFFFF)})},
      {"chunk size past the end, inner", Riff({Chunk("LIST", {1, 2}, 0x7FFFFFF0), fmt, data})},
      {"no format", Riff({data})},
      {"no samples", Riff({fmt})},
      {"format too short", Riff({Chunk("fmt ", short_fmt), data})},
      {"block align against the format", Riff({Chunk("fmt ", bad_align), data})},
      {"no channels", Riff({Chunk("fmt ", no_channels), data})},
      {"half a sample", Riff({fmt, Chunk("data", {1, 2, 3})})},
      {"extensible without its GUID", Riff({Chunk("fmt ", Fmt(0xFFFE)), data})},
  };
  ASSERT_TRUE(ReadWaveImage(good));
  for (const Case& c : cases) EXPECT_FALSE(ReadWaveImage(c.bytes)) << c.name;
}

// Every clip with its length in seconds; the digits have a range, since each must end within
// the 400 ms tick of the read-out.
struct ClipLength {
  const char* name;
  double seconds;  // 0: a digit
};
constexpr ClipLength kClips[] = {
    {"wav_0", 0},         {"wav_1", 0},        {"wav_2", 0},        {"wav_3", 0},
    {"wav_4", 0},         {"wav_5", 0},        {"wav_6", 0},        {"wav_7", 0},
    {"wav_8", 0},         {"wav_9", 0},        {"wav_00", 0.62},    {"wav_jia", 0.28},
    {"wav_jian", 0.33},   {"wav_chen", 0.41},  {"wav_chu", 0.38},   {"wav_dian", 0.21},
    {"wav_dengyu", 0.43}, {"wav_fu", 0.25},    {"wav_kf", 1.12},    {"wav_qingchu", 0.46},
    {"wav_quanbu", 0.85}, {"wav_tuige", 0.45}, {"wav_yuyin", 0.55},
};

QByteArray ResourceBytes(const char* name) {
  QFile file(QStringLiteral(":/clips/%1.wav").arg(QLatin1String(name)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::span<const std::uint8_t> AsSpan(const QByteArray& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
          static_cast<std::size_t>(bytes.size())};
}

TEST(ClipResources, TheResourcesHoldExactlyTheNamedClips) {
  QStringList expected;
  for (const std::string_view name : kClipNames)
    expected << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) + ".wav";
  expected.sort();
  EXPECT_EQ(QDir(":/clips").entryList(QDir::Files, QDir::Name), expected);
  ASSERT_EQ(std::size(kClips), kClipNames.size());
  for (std::size_t i = 0; i < kClipNames.size(); ++i) EXPECT_EQ(kClips[i].name, kClipNames[i]);
}

TEST(ClipResources, EveryClipIsAVoiceClipOfItsLength) {
  for (const ClipLength& clip : kClips) {
    const QByteArray bytes = ResourceBytes(clip.name);
    ASSERT_FALSE(bytes.isEmpty()) << clip.name;
    const auto wave = ReadWaveImage(AsSpan(bytes));
    ASSERT_TRUE(wave) << clip.name;
    EXPECT_TRUE(IsVoiceClipFormat(wave->format)) << clip.name;
    const double seconds = static_cast<double>(wave->data_size) / 2 / 11025;
    if (clip.seconds == 0) {
      EXPECT_GE(seconds, 0.25) << clip.name;
      EXPECT_LT(seconds, 0.38 + 0.005) << clip.name;
    } else {
      EXPECT_NEAR(seconds, clip.seconds, clip.seconds * 0.1) << clip.name;
    }
  }
}

// The player's tests never reach a sound server: a developer's desktop would hear them and
// the silent path is the one under test.
void StartAppWithoutSound() {
  static int argc = 1;
  static char arg0[] = "clip_player_test";
  static char* argv[] = {arg0, nullptr};
  if (QCoreApplication::instance() != nullptr) return;
  qputenv("PULSE_SERVER", "unix:/nonexistent/korvex-test");
  static QCoreApplication app(argc, argv);
}

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  });
  return s;
}

TEST(ClipPlayer, FindsEveryClipWithoutRegardToCase) {
  StartAppWithoutSound();
  QtClipPlayer player;
  for (const ClipLength& clip : kClips) {
    const std::string lower = clip.name;
    std::string mixed = Upper(lower);
    mixed[1] = lower[1];
    const QByteArray bytes = ResourceBytes(clip.name);
    const auto wave = ReadWaveImage(AsSpan(bytes));
    ASSERT_TRUE(wave) << lower;
    const QByteArray expected = bytes.mid(static_cast<qsizetype>(wave->data_offset),
                                          static_cast<qsizetype>(wave->data_size));
    for (const std::string& name : {lower, Upper(lower), mixed}) {
      const QByteArray* samples = player.ClipSamples(name);
      ASSERT_NE(samples, nullptr) << name;
      EXPECT_EQ(*samples, expected) << name;
    }
  }
}

TEST(ClipPlayer, UnknownOrUnsafeNamesFindNothing) {
  StartAppWithoutSound();
  QtClipPlayer player;
  for (const std::string name :
       {"", "wav_10", "wav_0.wav", "wav_0 ", "/clips/wav_0", "../clips/wav_0", "wav_\xC3\xA9"}) {
    EXPECT_EQ(player.ClipSamples(name), nullptr) << name;
  }
  EXPECT_EQ(player.ClipSamples(std::string("wav_0\0x", 7)), nullptr);
  EXPECT_EQ(player.ClipSamples(std::string(4096, 'a')), nullptr);
}

TEST(ClipPlayer, WithoutSoundEveryPlayIsSilentQuickAndWarnsOnce) {
  StartAppWithoutSound();
  // Qt reports the missing sound server itself when the player looks for an output; what counts
  // here is what the plays say.
  QtClipPlayer player;
  EXPECT_FALSE(player.IsAudioAvailable());
  static int warnings = 0;
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
        if (type == QtWarningMsg) ++warnings;
      });

  const auto start = std::chrono::steady_clock::now();
  constexpr int kRounds = 100;
  for (int round = 0; round < kRounds; ++round) {
    for (const ClipLength& clip : kClips) player.Play(clip.name);
    player.Play("WAV_JIA");
    player.Play("no_such_clip");
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  qInstallMessageHandler(previous);

  EXPECT_EQ(warnings, 1);
  // Silent plays do no work at all: thousands of them stay far below one key's worth of time.
  EXPECT_LT(elapsed, std::chrono::milliseconds(50));
}

}  // namespace
}  // namespace korvex
