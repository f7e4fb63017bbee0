// Scanning a driver database of 10,000 files (warm file cache): what start-up and the
// wizard's refresh cost with a large collection.

#include "drivers/DBHandler.h"
#include "persistence/DriverFile.h"
#include "persistence/IniFile.h"
#include "settings/Settings.h"
#include "support/DriverFixtures.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_ScanFolder(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  QTemporaryDir folder;
  const std::string path = folder.path().toStdString() + "/";
  bextor::TDriverObject driver = bextor::test::ConsistentDriver();
  for (int i = 0; i < count; ++i) {
    driver.Data.Brand = "Brand " + std::to_string(i % 97);
    driver.Data.Model = "Model " + std::to_string(i);
    driver.Data.Fs = 20.0 + i % 50;
    bextor::TIniFile ini(path + "driver" + std::to_string(i) + ".bdr");
    bextor::WriteDriverIni(ini, driver);
    ini.UpdateFile();
  }
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
