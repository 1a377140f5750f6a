#include "app/wave_image.h"

#include <string_view>

namespace korvex {
namespace {

constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kPcmFormatSize = 16;
// WAVE_FORMAT_EXTENSIBLE keeps the real tag in the first two bytes of its sub-format GUID.
constexpr std::uint16_t kWaveFormatExtensible = 0xFFFE;
constexpr std::size_t kExtensibleFormatSize = 40;
constexpr std::size_t kSubFormatOffset = 24;

std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(Read16(bytes, at)) |
         (static_cast<std::uint32_t>(Read16(bytes, at + 2)) << 16);
}

bool IdIs(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view id) {
  for (std::size_t i = 0; i < 4; ++i) {
    if (bytes[at + i] != static_cast<std::uint8_t>(id[i])) return false;
  }
  return true;
}

std::optional<WaveFormat> ReadFormat(std::span<const std::uint8_t> body) {
  if (body.size() < kPcmFormatSize) return std::nullopt;
  WaveFormat format;
  format.format_tag = Read16(body, 0);
  format.channels = Read16(body, 2);
  format.sample_rate = Read32(body, 4);
  format.block_align = Read16(body, 12);
  format.bits_per_sample = Read16(body, 14);
  if (format.format_tag == kWaveFormatExtensible) {
    if (body.size() < kExtensibleFormatSize) return std::nullopt;
    format.format_tag = Read16(body, kSubFormatOffset);
  }
  // A block is one sample of every channel; a header that disagrees cannot be played right.
  if (format.channels == 0 || format.sample_rate == 0 || format.bits_per_sample == 0 ||
      format.block_align == 0)
    return std::nullopt;
  if (format.format_tag == kWaveFormatPcm &&
      format.block_align != format.channels * ((format.bits_per_sample + 7) / 8))
    return std::nullopt;
  return format;
}

}  // namespace

std::optional<WaveImage> ReadWaveImage(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 12 || !IdIs(bytes, 0, "RIFF") || !IdIs(bytes, 8, "WAVE")) return std::nullopt;
  // The RIFF size counts from the form type on; bytes past it are not part of the image.
  const std::size_t riff_end = std::size_t{8} + Read32(bytes, 4);
  if (riff_end > bytes.size() || riff_end < 12) return std::nullopt;

  std::optional<WaveFormat> format;
  std::optional<WaveImage> image;
  std::size_t at = 12;
  while (riff_end - at >= kChunkHeaderSize) {
    const std::size_t size = Read32(bytes, at + 4);
    const std::size_t body = at + kChunkHeaderSize;
    if (size > riff_end - body) return std::nullopt;
    if (!format && IdIs(bytes, at, "fmt ")) {
      format = ReadFormat(bytes.subspan(body, size));
      if (!format) return std::nullopt;
    } else if (!image && IdIs(bytes, at, "data")) {
      image = WaveImage{{}, body, size};
    }
    // Chunks start on even offsets: an odd-sized body is followed by a pad byte.
    at = body + size + (size & 1);
    if (at > riff_end) break;
  }
  if (!format || !image) return std::nullopt;
  if (image->data_size % format->block_align != 0) return std::nullopt;
  image->format = *format;
  return image;
}

bool IsVoiceClipFormat(const WaveFormat& format) {
  return format.format_tag == kWaveFormatPcm && format.channels == 1 &&
         format.bits_per_sample == 16 && format.sample_rate == 11025;
}

}  // namespace korvex
