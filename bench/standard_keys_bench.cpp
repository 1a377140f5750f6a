// A million mixed key presses through the standard calculator's logic, as the keyboard hands them
// over (typed characters and key releases), with the services doing nothing. Prints the time per
// key.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "standard/standard_calculator.h"

namespace {

using korvex::standard::StandardCalculator;

class SilentClips : public korvex::ClipPlayer {
 public:
  void Play(const std::string&) override {}
};

class SilentClipboard : public korvex::Clipboard {
 public:
  std::string Text() const override { return {}; }
  void SetText(const std::string&) override {}
};

class NoFocus : public korvex::standard::WindowFocus {
 public:
  void FocusWindow() override {}
};

struct Key {
  bool release;
  int code;
  int modifiers;
};

// Mostly digits and operators, as a day at the desk looks; now and then a clear, a percent, a
// root, the memory keys and the grand total on release.
std::vector<Key> MixedKeys(std::size_t count) {
  static constexpr char kTyped[] = "0123456789012345678901234567890123456789..+-*/==\b";
  static constexpr Key kReleased[] = {{true, 66, 0}, {true, 70, 0}, {true, 71, 0}, {true, 46, 0},
                                      {true, 65, 2}, {true, 74, 2}, {true, 82, 2}, {true, 67, 2}};
  std::mt19937 random(12345);
  std::vector<Key> keys;
  keys.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (random() % 20 == 0)
      keys.push_back(kReleased[random() % std::size(kReleased)]);
    else
      keys.push_back({false, kTyped[random() % (sizeof kTyped - 1)], 0});
  }
  return keys;
}

void BM_MixedKeys(benchmark::State& state) {
  const std::vector<Key> keys = MixedKeys(1'000'000);
  korvex::Module1 module;
  SilentClips clips;
  SilentClipboard clipboard;
  NoFocus focus;
  StandardCalculator calc(module, clips, clipboard, focus);
  calc.Load();
  for (auto _ : state) {
    for (const Key& key : keys) {
      if (key.release)
        benchmark::DoNotOptimize(calc.ReleaseKey(key.code, key.modifiers));
      else
        benchmark::DoNotOptimize(calc.TypeCharacter(key.code));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
  // Seconds per key, printed with its unit prefix (for example "150n" for 150 ns).
  state.counters["time_per_key"] = benchmark::Counter(
      static_cast<double>(keys.size()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MixedKeys)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
