#pragma once
// The plot window: paints every visible project's curve through its TPlotHelper and turns
// the mouse into a cross-hair read-out of the active project's curve.

#include "plot/PlotHelper.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QMouseEvent;

namespace Ui {
class TframePlotWindow;
}

namespace bextor {

class TPlotPaintBox;
class TProjectManager;
class TSettings;
class TUserDialogs;

class TframePlotWindow : public QWidget {
  Q_OBJECT
public:
  TframePlotWindow(const TSettings& settings, TProjectManager& projects, TUserDialogs& dialogs,
                   QWidget* parent = nullptr);
  ~TframePlotWindow() override;

  // The read-out texts for the main window's frequency and value labels.
  std::function<void(const QString& frequency, const QString& value)> OnReadout;
  // The cursor's frequency while dragging, for the test tone (never a relative value).
  std::function<void(double frequency)> OnCursorFrequency;

  // Recomputes every curve and shows the new picture at once.
  void RepaintPlot();
  // Hands the plot type (1..21) to the plot helper; relative read-out ends.
  void SetPlotType(int plot_type);
  TPlotHelper& PlotHelper() { return FPlotHelper; }
  TPlotPaintBox* PaintBox() const;

private:
  void Render(QImage& bitmap);
  void MouseDown(QMouseEvent* event);
  void MouseMove(QMouseEvent* event);
  void DoubleClick();
  // Binds the active project, moves the cross-hair to column x and shows the read-out
  // (marked "rel" when asked).
  TPlotHelper::TReadout Readout(int x, bool mark_relative);

  std::unique_ptr<Ui::TframePlotWindow> FUi;
  TProjectManager& FProjects;
  TUserDialogs& FDialogs;
  TPlotHelper FPlotHelper;
};

}  // namespace bextor
