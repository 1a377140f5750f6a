// Feeds any bytes, cut into the input texts of both tabs and a date, to the mortgage calculations:
// every outcome must be a complete message or result texts that are numbers.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "mortgage/fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!korvex::mortgage::FuzzMortgageTexts(
          std::string_view(reinterpret_cast<const char*>(data), size)))
    std::abort();
  return 0;
}
