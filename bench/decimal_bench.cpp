// The decimal value's four operations against GCC's decimal floating point on the same operands,
// in the same run. Prints each pair's time per operation and how many times faster ours is.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <decimal/decimal>
#include <map>
#include <string>
#include <vector>

#include "common/decimal.h"

namespace {

using korvex::Decimal;
using std::decimal::decimal128;

struct Operands {
  const char* name;
  const char* a;
  const char* b;
};

// Short operands, two 28-digit operands, and a quotient that needs all 28 places.
const Operands kSets[] = {
    {"short", "12.5", "3"},
    {"28-digit", "1234567890.123456789012345678", "9876543210.987654321098765432"},
    {"1/3", "1", "3"},
};

Decimal Ours(const char* text) { return Decimal::Parse(text).value; }

// decimal128 has no text input; build it exactly from the digits and the scale.
decimal128 Peer(const char* text) {
  decimal128 value(0);
  int scale = -1;
  bool negative = false;
  for (const char* p = text; *p; ++p) {
    if (*p == '-')
      negative = true;
    else if (*p == '.')
      scale = 0;
    else {
      value = value * decimal128(10) + decimal128(*p - '0');
      if (scale >= 0) ++scale;
    }
  }
  for (int i = 0; i < scale; ++i) value /= decimal128(10);
  return negative ? -value : value;
}

template <int Op>
void BM_Ours(benchmark::State& state, const Operands& set) {
  Decimal a = Ours(set.a);
  Decimal b = Ours(set.b);
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
    korvex::DecimalResult r = Op == 0   ? Add(a, b)
                              : Op == 1 ? Subtract(a, b)
                              : Op == 2 ? Multiply(a, b)
                                        : Divide(a, b);
    benchmark::DoNotOptimize(r);
  }
}

template <int Op>
void BM_Peer(benchmark::State& state, const Operands& set) {
  decimal128 a = Peer(set.a);
  decimal128 b = Peer(set.b);
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
    decimal128 r = Op == 0 ? a + b : Op == 1 ? a - b : Op == 2 ? a * b : a / b;
    benchmark::DoNotOptimize(r);
  }
}

// Collects the runs so that the table of ratios can follow the usual report.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatios() const {
    static const char* kOps[] = {"add", "sub", "mul", "div"};
    std::printf("\n%-10s %-4s %12s %14s %8s\n", "operands", "op", "ours (ns)", "decimal128 (ns)",
                "ratio");
    for (const Operands& set : kSets)
      for (const char* op : kOps) {
        const std::string key = std::string(op) + "/" + set.name;
        const double ours = times_.at("ours/" + key);
        const double peer = times_.at("decimal128/" + key);
        std::printf("%-10s %-4s %12.1f %14.1f %7.1fx\n", set.name, op, ours, peer, peer / ours);
      }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  using Fn = void (*)(benchmark::State&, const Operands&);
  const std::pair<const char*, std::pair<Fn, Fn>> ops[] = {
      {"add", {BM_Ours<0>, BM_Peer<0>}},
      {"sub", {BM_Ours<1>, BM_Peer<1>}},
      {"mul", {BM_Ours<2>, BM_Peer<2>}},
      {"div", {BM_Ours<3>, BM_Peer<3>}},
  };
  for (const Operands& set : kSets)
    for (const auto& [op, fns] : ops) {
      const std::string key = std::string(op) + "/" + set.name;
      benchmark::RegisterBenchmark(("ours/" + key).c_str(), fns.first, set);
      benchmark::RegisterBenchmark(("decimal128/" + key).c_str(), fns.second, set);
    }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
