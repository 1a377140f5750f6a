#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace korvex {

/// The number of voice clips compiled into the program.
inline constexpr std::size_t kClipCount = 23;

/// The names of the voice clips compiled into the program, in lower case.
extern const std::array<std::string_view, kClipCount> kClipNames;

/// The resource folder of the clips: the clip NAME is the resource ":/clips/NAME.wav".
inline constexpr std::string_view kClipFolder = ":/clips/";

}  // namespace korvex
