// Scanning a driver database of 10,000 files (warm file cache): what start-up and the
// wizard's refresh cost with a large collection.

#include "drivers/DBHandler.h"
#include "settings/Settings.h"
#include "support/DriverFixtures.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_ScanFolder(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  QTemporaryDir folder;
  const std::string path = folder.path().toStdString() + "/";
  bextor::test::WriteDriverFiles(path, count);
  const bextor::TEnvironment environment;
  for (auto _ : state) {
    bextor::TDBHandler database(environment);
    int reports = 0;
    database.FOnProgress = [&reports](int) { ++reports; };
    database.SetPath(path);
    database.EnsureLoaded();
    benchmark::DoNotOptimize(database.Drivers().size());
    if (reports != 100) state.SkipWithError("a percentage was missed");
  }
}
BENCHMARK(BM_ScanFolder)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
