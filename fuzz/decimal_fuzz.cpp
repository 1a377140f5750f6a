// Feeds any two texts (split at the first line feed) to the decimal value: reading, the four
// operations and rounding. Beyond "no crash, no sanitizer report" it checks laws every correctly
// rounded result keeps.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/decimal.h"

namespace {

using korvex::Decimal;
using korvex::DecimalResult;

void Require(bool condition) {
  if (!condition) std::abort();
}

// A result's text reads back as the same value.
void RequireRoundTrip(const DecimalResult& r) {
  if (!r.ok()) return;
  const DecimalResult again = Decimal::Parse(r.value.ToString());
  Require(again.ok() && again.value == r.value);
}

bool Same(const DecimalResult& x, const DecimalResult& y) {
  return x.error == y.error && (!x.ok() || x.value == y.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = text.find('\n');
  const DecimalResult a = Decimal::Parse(text.substr(0, cut));
  const DecimalResult b = Decimal::Parse(cut == std::string_view::npos ? "" : text.substr(cut + 1));
  RequireRoundTrip(a);
  RequireRoundTrip(b);
  if (!a.ok() || !b.ok()) return 0;
  const Decimal& x = a.value;
  const Decimal& y = b.value;

  const DecimalResult sum = Add(x, y);
  const DecimalResult product = Multiply(x, y);
  RequireRoundTrip(sum);
  RequireRoundTrip(product);
  RequireRoundTrip(Subtract(x, y));
  RequireRoundTrip(Divide(x, y));
  Require(Same(sum, Add(y, x)));
  Require(Same(product, Multiply(y, x)));
  const DecimalResult zero = Subtract(x, x);
  Require(zero.ok() && zero.value.IsZero());
  Require(Same(Divide(x, Decimal::Parse("1").value), a));
  Require(Divide(x, Decimal{}).error == korvex::DecimalError::DivideByZero);
  Require((x < y) == (y > x) && (x == y) == (y == x));
  for (int places = 0; places <= Decimal::kMaxScale; places += 7) {
    const Decimal rounded = x.RoundToPlaces(places);
    Require(rounded.scale() <= places);
    RequireRoundTrip({rounded, korvex::DecimalError::None});
  }
  return 0;
}
