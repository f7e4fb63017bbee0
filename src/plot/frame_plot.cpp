#include "frame_plot.h"
#include "ui_frame_plot.h"

#include "app/Project.h"
#include "app/UserDialogs.h"
#include "common/NumberFormat.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <exception>

namespace bextor {

namespace {
QString FixedQText(double value, int decimals) { return QString::fromStdString(FixedText(value, decimals)); }
}  // namespace

TframePlotWindow::TframePlotWindow(const TSettings& settings, TProjectManager& projects, TUserDialogs& dialogs,
                                   QWidget* parent)
    : QWidget(parent), FUi(std::make_unique<Ui::TframePlotWindow>()), FProjects(projects), FDialogs(dialogs),
      FPlotHelper(settings) {
  FUi->setupUi(this);
  TPlotPaintBox* box = FUi->pboxPlot;
  box->OnRender = [this](QImage& bitmap) { Render(bitmap); };
  box->OnMouseDown = [this](QMouseEvent* event) { RunGuarded(FDialogs, this, [&] { MouseDown(event); }); };
  box->OnMouseMove = [this](QMouseEvent* event) { RunGuarded(FDialogs, this, [&] { MouseMove(event); }); };
  box->OnDoubleClick = [this](QMouseEvent*) { RunGuarded(FDialogs, this, [&] { DoubleClick(); }); };
}

TframePlotWindow::~TframePlotWindow() = default;

TPlotPaintBox* TframePlotWindow::PaintBox() const { return FUi->pboxPlot; }

void TframePlotWindow::RepaintPlot() { FUi->pboxPlot->Invalidate(); }

void TframePlotWindow::SetPlotType(int plot_type) { FPlotHelper.SetPlotType(plot_type); }

void TframePlotWindow::Render(QImage& bitmap) {
  try {
    std::vector<TProject*> visible;
    for (int i = 0; i < FProjects.Count(); ++i)
      if (FProjects.Projects(i)->Visible) visible.push_back(FProjects.Projects(i));
    QPainter painter(&bitmap);
    FPlotHelper.Render(painter, bitmap.size(), visible, FProjects.ActiveProject());
  } catch (const std::exception& error) {
    // Never a message box inside painting: it is shown once the paint is over.
    QTimer::singleShot(0, this, [this, text = QString::fromStdString(error.what())] { FDialogs.Inform(this, text); });
  }
}

TPlotHelper::TReadout TframePlotWindow::Readout(int x, bool mark_relative) {
  FPlotHelper.SetProject(FProjects.ActiveProject());
  const TPlotHelper::TReadout readout = FPlotHelper.CursorReadout(FUi->pboxPlot->Bitmap(), x);
  FUi->pboxPlot->update();
  const QString rel = mark_relative ? QStringLiteral(" rel") : QString();
  if (OnReadout)
    OnReadout(FixedQText(readout.Frequency, 2) + rel + QStringLiteral(" Hz"),
              FixedQText(readout.Value, 3) + rel + QLatin1Char(' ') + QString::fromStdString(FPlotHelper.UnitCaption()));
  return readout;
}

void TframePlotWindow::MouseDown(QMouseEvent* event) {
  const int x = static_cast<int>(event->position().x());
  const bool only_left = event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton &&
                         event->modifiers() == Qt::NoModifier;
  if (!only_left || x < 0 || x > FUi->pboxPlot->width() || !FProjects.ActiveProject()) return;
  Readout(x, false);  // a click shows the plain formats, also in relative mode
}

void TframePlotWindow::MouseMove(QMouseEvent* event) {
  if (!FProjects.ActiveProject() || !(event->buttons() & Qt::LeftButton)) return;
  const int x = std::clamp(static_cast<int>(event->position().x()), 0, FUi->pboxPlot->width() - 1);
  const TPlotHelper::TReadout readout = Readout(x, FPlotHelper.Relative());
  if (OnCursorFrequency) OnCursorFrequency(readout.AbsoluteFrequency);
}

void TframePlotWindow::DoubleClick() {
  if (!FProjects.ActiveProject()) return;
  FPlotHelper.SetProject(FProjects.ActiveProject());
  FPlotHelper.ToggleRelative();
}

}  // namespace bextor
