// An evaluation sweep allocates nothing: every operator new in this program is counted.

#include "simulation/BoxMath.h"
#include "support/DriverFixtures.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace bextor {
namespace {

TEST(SweepAllocations, EvaluatingEveryKindOfEveryBoxAllocatesNothing) {
  for (int type = btClosed; type <= btABC; ++type) {
    for (bool options : {false, true}) {
      auto project = test::Design(type);
      project->Options.TLPorts = project->Options.SPLisXmaxLimited = project->Options.VCInd = options;
      project->Box.theta = options ? 0.3 : 0.0;
      auto routine = BoxMath_GetFunc(type);
      for (int kind = 0; kind < skEvaluate; ++kind) {
        (*routine)(kind, *project);
        const long before = allocations;
        for (double f = 10.0; f < 20000.0; f *= 1.01) {
          project->Signal.Freq = f;
          (*routine)(skEvaluate, *project);
        }
        EXPECT_EQ(allocations - before, 0) << "type " << type << " kind " << kind;
      }
    }
  }
}

}  // namespace
}  // namespace bextor
