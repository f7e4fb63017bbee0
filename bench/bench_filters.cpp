// Per-frequency cost of a project's filter chain: the plot multiplies the responses of the
// enabled filters at every pixel column while the user drags a value.

#include "filters/filter.h"
#include "filters/filter_crossover.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<bextor::TFilterBase>> FiveFilterChain() {
  std::vector<std::unique_ptr<bextor::TFilterBase>> chain;
  for (int type : {bextor::ftLowpass, bextor::ftHighpass, bextor::ftParametricEQ, bextor::ftAllpass,
                   bextor::ftRaisedCosine}) {
    chain.push_back(bextor::CreateFilter(type));
    chain.back()->Calculate();
  }
  auto& lowpass = static_cast<bextor::TFilter_Crossover&>(*chain[0]);
  lowpass.FOrder = 4.0;
  lowpass.Calculate();
  return chain;
}

void BM_ChainResponse(benchmark::State& state) {
  const auto chain = FiveFilterChain();
  double f = 10.0;
  for (auto _ : state) {
    bextor::TComplex h(1.0, 0.0);
    for (const auto& filter : chain) h *= filter->GetResponse(f);
    benchmark::DoNotOptimize(h);
    f = f < 20000.0 ? f * 1.001 : 10.0;
  }
}
BENCHMARK(BM_ChainResponse);

void BM_ChainGroupDelay(benchmark::State& state) {
  const auto chain = FiveFilterChain();
  double f = 10.0;
  for (auto _ : state) {
    double delay = 0.0;
    for (const auto& filter : chain) delay += filter->GetGroupDelay(f);
    benchmark::DoNotOptimize(delay);
    f = f < 20000.0 ? f * 1.001 : 10.0;
  }
}
BENCHMARK(BM_ChainGroupDelay);

}  // namespace
