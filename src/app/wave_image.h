#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace korvex {

/// The sample format of a WAVE image, from its "fmt " chunk.
struct WaveFormat {
  std::uint16_t format_tag = 0;
  std::uint16_t channels = 0;
  std::uint32_t sample_rate = 0;
  std::uint16_t block_align = 0;
  std::uint16_t bits_per_sample = 0;
};

/// A WAVE image's format and where its samples (the "data" chunk's body) lie in the image.
struct WaveImage {
  WaveFormat format;
  std::size_t data_offset = 0;
  std::size_t data_size = 0;
};

/// The tag of uncompressed integer samples.
inline constexpr std::uint16_t kWaveFormatPcm = 1;

/// Reads a RIFF WAVE image by walking its chunks; nothing when it is malformed or truncated.
std::optional<WaveImage> ReadWaveImage(std::span<const std::uint8_t> bytes);

/// True for the voice clips' format: PCM, mono, 16 bits, 11025 samples per second.
bool IsVoiceClipFormat(const WaveFormat& format);

}  // namespace korvex
