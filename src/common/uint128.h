#pragma once

namespace korvex {

/// The compiler's 128-bit unsigned integer (an extension that -Wpedantic would otherwise flag).
__extension__ typedef unsigned __int128 uint128;

}  // namespace korvex
