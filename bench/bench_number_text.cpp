// How fast values turn into text and back: every value field of a window does this on
// each refresh, and the settings and project files on every save and load.

#include "common/NumberFormat.h"
#include "persistence/IniValues.h"
#include "settings/NumberText.h"
#include "settings/Units.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Val2Str(benchmark::State& state) {
  double value = 0.0123456;
  for (auto _ : state) {
    benchmark::DoNotOptimize(bextor::Val2Str(bextor::qkVolume, 1, value));
    value += 1e-9;
  }
}
BENCHMARK(BM_Val2Str);

void BM_Str2Val(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(bextor::Str2Val("12,3456", bextor::qkVolume, 1));
}
BENCHMARK(BM_Str2Val);

void BM_FormatGeneral(benchmark::State& state) {
  double value = 293.15;
  for (auto _ : state) {
    benchmark::DoNotOptimize(bextor::FormatGeneral(value, ','));
    value += 1e-7;
  }
}
BENCHMARK(BM_FormatGeneral);

void BM_StrToFloatAny(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(bextor::StrToFloatAny("0,000123456789012345"));
}
BENCHMARK(BM_StrToFloatAny);

}  // namespace
