#pragma once
// The plot: 21 plot types over a logarithmic frequency axis, one curve per visible project,
// computed per pixel column while painting, drawn with QPainter (Qt Gui only, so the
// program's plot window and bextor-cli draw the same picture).

#include "filters/Rational.h"
#include "enclosure/Box.h"
#include "simulation/BoxMath.h"

#include <QPointF>
#include <QSize>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

class QImage;
class QPainter;

namespace bextor {

class TProject;
class TSettings;

constexpr int kPlotTypeCount = 21;

// A pixel rectangle as the plot uses it: Right and Bottom are one past the last column
// and row.
struct TPixelRect {
  int Left = 0, Top = 0, Right = 1, Bottom = 1;
};

struct TPlotTypeInfo {
  const char* Caption;  // the plot-type menu's caption
  int Kind;             // the TSimKind the routine is prepared for
};
// The caption and result kind of plot type 1..21.
const TPlotTypeInfo& PlotTypeInfo(int plot_type);

class TPlotHelper {
public:
  explicit TPlotHelper(const TSettings& settings);
  ~TPlotHelper();

  // Stores the type and sets up its ranges, scale and unit caption.
  void SetPlotType(int plot_type);
  // Reloads the frequency range and the type's Y range, scale and unit from the settings
  // (and the unit chosen for the options dialog's excursion and velocity limits).
  void SetupPlotType();
  // Binds a project and prepares its simulation (errors while preparing are ignored). A
  // box type without a routine binds nothing to evaluate: its values are 0 and it draws no
  // curve.
  void SetProject(TProject* project, const TSimInfoEvent& info = {});

  double FreqAtColumn(int x) const;
  int ColumnOfFreq(double f) const;
  // The plotted value at f for the bound project, in display units.
  double GetValue(double f);
  // What the value is computed from at f: the simulation result after the filter step, or
  // the filter product for the filter-only types (its phase is the curve's phase).
  TComplex GetComplex(double f);

  // Paints the whole plot into `size` pixels: background, grid, marker lines, labels,
  // frame and the curves of `projects` (the active one drawn 2 pixels wide). An invalid
  // range (frequencies or values not increasing, not positive or not finite) paints an
  // empty plot with a one-line notice.
  void Render(QPainter& painter, QSize size, const std::vector<TProject*>& projects, const TProject* active,
              bool antialiased = false);

  // What the cross-hair reads off the bound project's curve. In relative mode Frequency
  // and Value are differences to the reference point; AbsoluteFrequency never is.
  struct TReadout {
    double Frequency = 0.0;
    double Value = 0.0;
    double AbsoluteFrequency = 0.0;
  };
  // Reads the bound project's curve at column x (at least the plot area's left edge) and
  // moves the cross-hair there: the old one is erased and the new one drawn on `bitmap`
  // (the picture Render painted) with an inverting pen.
  TReadout CursorReadout(QImage& bitmap, int x);
  // Switches relative read-out off, or on with the cross-hair's column and the bound
  // project's value there as the reference point.
  void ToggleRelative();
  bool Relative() const { return FRelative; }
  bool CursorDrawn() const { return FCursorDrawn; }
  int CursorX() const { return FCursorX; }
  int CursorY() const { return FCursorY; }

  // Whether the current ranges can be drawn.
  bool RangeIsValid() const;

  int PlotType() const { return FPlotType; }
  double Scale() const { return FScale; }
  const std::string& UnitCaption() const { return FUnitCaption; }
  double YMin() const { return FYMin; }
  double YMax() const { return FYMax; }
  double XMin() const { return FXMin; }
  double XMax() const { return FXMax; }
  double XmaxLine() const { return FXmaxLine; }
  const TPixelRect& PlotRect() const { return FPlotRect; }
  void SetPlotRect(const TPixelRect& rect) { FPlotRect = rect; }

  // Pen of the next DrawCurve: colour 0x00BBGGRR and width in pixels.
  std::int32_t FLineColor = 0xFFFFFF;
  int FLineWidth = 1;
  // Draws the bound project's curve into the plot area.
  void DrawCurve(QPainter& painter);
  // The curve as DrawCurve draws it: unbroken runs of points, each drawn as one polyline
  // (a run of one point draws nothing). Values outside the Y range break the curve at the
  // edge; phase steps of 90° or more are not joined.
  std::vector<std::vector<QPointF>> CurveRuns();

private:
  void PrepareSimulation();
  void DrawGrid(QPainter& painter, int font_height);

  const TSettings& FSettings;
  int FPlotType = 1;
  double FScale = 1.0;
  std::string FUnitCaption;
  double FYMin = 0.0, FYMax = 1.0, FXMin = 10.0, FXMax = 500.0;
  double FLogXMin = 1.0, FLogXMax = std::log10(500.0);  // of the frequency range
  double FXmaxLine = 0.0;
  TProject* FProject = nullptr;
  TBoxSimFunc* FSimulation = nullptr;                  // the bound project's routine
  std::unique_ptr<TBoxSimFunc> FRoutines[btABC + 1];  // one per box type, made once
  TSimInfoEvent FInfoHandler;
  bool FHasImpedance = false, FHasExcursion = false, FHasPortData = false;
  TPixelRect FPlotRect;
  bool FCursorDrawn = false;
  int FCursorX = 0, FCursorY = 0;
  bool FRelative = false;
  double FRefFreq = 0.0, FRefValue = 0.0;
};

// 0x00BBGGRR as Qt's colour.
unsigned int QtRgbOf(std::int32_t color);

}  // namespace bextor
