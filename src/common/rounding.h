#pragma once

namespace korvex {

/// The double rounded to `places` decimals (0..15) as its shortest decimal text reads, ties to
/// even.
double RoundToPlaces(double value, int places);

/// The double rounded to a whole number, ties to even (2.5 gives 2, 3.5 gives 4).
double RoundToWhole(double value);

}  // namespace korvex
