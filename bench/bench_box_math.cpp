// Cost of one evaluation of every box routine: the plot evaluates one per pixel column and
// visible project while a value is dragged.

#include "simulation/BoxMath.h"
#include "support/DriverFixtures.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Evaluate(benchmark::State& state) {
  const int type = static_cast<int>(state.range(0));
  const int kind = static_cast<int>(state.range(1));
  auto project = bextor::test::Design(type);
  project->Options.SPLisXmaxLimited = kind == bextor::skSPL;
  auto routine = bextor::BoxMath_GetFunc(type);
  (*routine)(kind, *project);
  double f = 10.0;
  for (auto _ : state) {
    project->Signal.Freq = f;
    benchmark::DoNotOptimize((*routine)(bextor::skEvaluate, *project));
    f = f < 20000.0 ? f * 1.001 : 10.0;
  }
}

BENCHMARK(BM_Evaluate)
    ->ArgNames({"box", "kind"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {bextor::skTransfer, bextor::skSPL, bextor::skImpedance, bextor::skGroupDelay}});

}  // namespace
