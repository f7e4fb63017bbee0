// The program's own windows: start-up to the painted main window (sample database and
// 10,000 drivers), and the plot's work per mouse step while dragging with 10 projects open.
// Runs offscreen unless a display is named (QT_QPA_PLATFORM=xcb under Xvfb).

#include "app/Project.h"
#include "app/UserDialogs.h"
#include "app/VersionInfo.h"
#include "app/form_main.h"
#include "drivers/DBHandler.h"
#include "persistence/ProjectFile.h"
#include "plot/PlotPaintBox.h"
#include "plot/frame_plot.h"
#include "settings/Settings.h"
#include "support/DriverFixtures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace bextor;

// Answers nothing: a benchmark never shows a box.
class TSilentDialogs : public TUserDialogs {
public:
  QMessageBox::StandardButton Ask(QWidget*, const QString&, const QString&, QMessageBox::StandardButtons) override {
    return QMessageBox::Cancel;
  }
  void Inform(QWidget*, const QString&) override {}
};

// A shared folder like the installed one: version.ini and the sample drivers.
std::string SharedFolder(const QTemporaryDir& dir) {
  const std::string shared = dir.path().toStdString() + "/shared/";
  QDir().mkpath(QString::fromStdString(shared + "drivers"));
  QFile::copy(QStringLiteral(BEXTOR_DATA_DIR "/version.ini"), QString::fromStdString(shared + "version.ini"));
  const QDir samples(QStringLiteral(BEXTOR_DATA_DIR "/drivers"));
  for (const QString& name : samples.entryList({QStringLiteral("*.bdr")}, QDir::Files))
    QFile::copy(samples.filePath(name), QString::fromStdString(shared + "drivers/") + name);
  return shared;
}

// From the global objects to the main window shown with its plot painted.
void BM_StartupToPaintedWindow(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string shared = SharedFolder(dir);
  const std::string documents = dir.path().toStdString() + "/documents/";
  if (state.range(0) > 0) {
    QDir().mkpath(QString::fromStdString(documents + "Bextor/drivers"));
    test::WriteDriverFiles(documents + "Bextor/drivers/", static_cast<int>(state.range(0)));
  }
  TSilentDialogs dialogs;
  for (auto _ : state) {
    bool sound_confirmed = false;
    TSettings settings(documents, shared);
    TProjectManager manager(settings);
    TDBHandler database(settings.Environment);
    TVersionInfo version;
    TfrmMain window({sound_confirmed, manager, settings, database, version}, dialogs, {});
    window.show();
    TPlotPaintBox* box = window.PlotFrame()->PaintBox();
    while (box->Bitmap().isNull()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    state.counters["drivers"] = static_cast<double>(database.Drivers().size());
  }
}
BENCHMARK(BM_StartupToPaintedWindow)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Ten projects of every box type in a plot window of 1000 × 600 pixels.
class TDragFixture {
public:
  TDragFixture() {
    frame.resize(1000, 600);
    for (int i = 0; i < 10; ++i) manager.AddProject()->Assign(*test::Design(i % (btABC + 1)));
    frame.show();
    while (frame.PaintBox()->Bitmap().isNull()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  void MoveTo(int x) {
    const QPointF position(x, 100);
    QMouseEvent event(QEvent::MouseMove, position, position, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame.PaintBox(), &event);
  }

  QTemporaryDir dir;
  TSettings settings{dir.path().toStdString() + "/documents/", dir.path().toStdString() + "/shared/"};
  TProjectManager manager{settings};
  TSilentDialogs dialogs;
  TframePlotWindow frame{settings, manager, dialogs};
};

// One drag step: read-out at the new column, cross-hair moved, the picture shown.
void BM_DragStep(benchmark::State& state) {
  TDragFixture fixture;
  int x = 100;
  for (auto _ : state) {
    fixture.MoveTo(x);
    fixture.frame.PaintBox()->repaint();
    x = x < 900 ? x + 7 : 100;
  }
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A model change while dragging a value: every curve recomputed and drawn.
void BM_FullRepaint(benchmark::State& state) {
  TDragFixture fixture;
  for (auto _ : state) fixture.frame.RepaintPlot();
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("ALSOFT_DRIVERS", "no-such-backend");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
