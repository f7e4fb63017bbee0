// One full paint of the plot: layout, grid, labels and the recomputed curves of ten visible
// projects of mixed box types on a 1600×600 image, as while the user drags a value.

#include "app/Project.h"
#include "filters/filter_parametriceq.h"
#include "plot/PlotHelper.h"
#include "settings/Settings.h"
#include "support/DriverFixtures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_Paint(benchmark::State& state) {
  const int plot_type = static_cast<int>(state.range(0));
  const bool antialiased = state.range(1) != 0;
  QTemporaryDir folder;
  const bextor::TSettings settings(folder.path().toStdString(), folder.path().toStdString());
  std::vector<std::unique_ptr<bextor::TProject>> owned;
  std::vector<bextor::TProject*> projects;
  for (int i = 0; i < 10; ++i) {
    owned.push_back(bextor::test::Design(i % 6));
    bextor::PrepareForShowing(*owned.back());
    owned.back()->Box.Vr *= 1.0 + 0.1 * i;
    owned.back()->Color = 0x203040 * (i + 1);
    if (i % 3 == 0) {
      owned.back()->Filters.push_back(std::make_unique<bextor::TFilter_ParametricEQ>());
      owned.back()->Filters.back()->Calculate();
    }
    projects.push_back(owned.back().get());
  }
  bextor::TPlotHelper plot(settings);
  plot.SetPlotType(plot_type);
  QImage image(1600, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    plot.Render(painter, image.size(), projects, projects.back(), antialiased);
  }
}
BENCHMARK(BM_Paint)->ArgNames({"type", "aa"})->ArgsProduct({{1, 2, 6}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
