#include "PlotHelper.h"

#include "app/Project.h"
#include "plot/PlotScale.h"
#include "settings/Settings.h"
#include "settings/UnitChoices.h"
#include "settings/Units.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bextor {
namespace {

enum class TFilterStep { Multiply, AddDelay, None, OnlyF, OnlyG, Load };
enum class TValueRule { Db, Real, Phase, Abs, Load };
enum class TGate { None, Impedance, Excursion, Port };
enum class TScaling { None, Delay, Excursion, Velocity };

struct TPlotType {
  TPlotTypeInfo Info;
  TFilterStep Filter;
  TValueRule Value;
  TGate Gate;
  double TLimits::*Bottom;
  double TLimits::*Top;
  const char* Unit;
  TScaling Scaling;
};

using L = TLimits;
using F = TFilterStep;
using V = TValueRule;
using G = TGate;
using S = TScaling;

const TPlotType kPlotTypes[kPlotTypeCount] = {
    {{"Transfer function magnitude", skTransfer}, F::Multiply, V::Db, G::None, &L::GainStart, &L::GainEnd, "dB", S::None},
    {{"SPL", skSPL}, F::Multiply, V::Db, G::None, &L::SPLStart, &L::SPLEnd, "dB", S::None},
    {{"Group Delay", skGroupDelay}, F::AddDelay, V::Real, G::None, &L::DelayStart, &L::DelayEnd, "ms", S::Delay},
    {{"Transfer function phase", skTransfer}, F::Multiply, V::Phase, G::None, &L::GainPhaseStart, &L::GainPhaseEnd, "deg", S::None},
    {{"Cone excursion", skExcursion}, F::Multiply, V::Abs, G::Excursion, &L::ExcursionStart, &L::ExcursionEnd, "", S::Excursion},
    {{"Impedance", skImpedance}, F::None, V::Abs, G::Impedance, &L::ImpedanceStart, &L::ImpedanceEnd, "ohm", S::None},
    {{"Maximum Power", skMaxPower}, F::None, V::Real, G::Excursion, &L::MaxPowerStart, &L::MaxPowerEnd, "W", S::None},
    {{"Impedance phase", skImpedance}, F::None, V::Phase, G::Impedance, &L::ImpedancePhaseStart, &L::ImpedancePhaseEnd, "deg", S::None},
    {{"Rear port - Air velocity", skRearPortVelocity}, F::Multiply, V::Abs, G::Port, &L::VelocityStart, &L::VelocityEnd, "", S::Velocity},
    {{"Front port - Air velocity", skFrontPortVelocity}, F::Multiply, V::Abs, G::Port, &L::VelocityStart, &L::VelocityEnd, "", S::Velocity},
    {{"Rear port - Gain", skRearPortGain}, F::Multiply, V::Db, G::None, &L::GainStart, &L::GainEnd, "dB", S::None},
    {{"Front port - Gain", skFrontPortGain}, F::Multiply, V::Db, G::None, &L::GainStart, &L::GainEnd, "dB", S::None},
    {{"Transfer function magnitude (PR)", skTransferPR}, F::None, V::Db, G::None, &L::GainStart, &L::GainEnd, "dB", S::None},
    {{"Transfer function phase (PR)", skTransferPR}, F::None, V::Phase, G::None, &L::GainPhaseStart, &L::GainPhaseEnd, "deg", S::None},
    {{"Cone excursion (PR)", skExcursionPR}, F::Multiply, V::Abs, G::Excursion, &L::ExcursionStart, &L::ExcursionEnd, "", S::Excursion},
    {{"Maximum SPL", skMaxSPL}, F::None, V::Db, G::Excursion, &L::SPLStart, &L::SPLEnd, "dB", S::None},
    {{"Transfer function magnitude (EQ/Filter)", skTransfer}, F::OnlyF, V::Db, G::None, &L::FilterEQGainMin, &L::FilterEQGainMax, "dB", S::None},
    {{"Transfer function phase (EQ/Filter)", skTransfer}, F::OnlyF, V::Phase, G::None, &L::GainPhaseStart, &L::GainPhaseEnd, "deg", S::None},
    {{"Group Delay (EQ/Filter)", skGroupDelay}, F::OnlyG, V::Real, G::None, &L::DelayStart, &L::DelayEnd, "ms", S::Delay},
    {{"Amplifier apparent load power (VA)", skImpedance}, F::Load, V::Load, G::Impedance, &L::MaxPowerStart, &L::MaxPowerEnd, "VA", S::None},
    {{"Intrachamber Port - Air velocity", skIntraPortVelocity}, F::Multiply, V::Abs, G::Port, &L::VelocityStart, &L::VelocityEnd, "", S::Velocity},
};

bool ValidType(int type) { return type >= 1 && type <= kPlotTypeCount; }
const TPlotType& Type(int type) { return kPlotTypes[type - 1]; }
bool IsPhaseType(int type) { return type == 4 || type == 14 || type == 18; }

constexpr double kSqrt2 = 1.4142135623730951;
constexpr int kFontPixels = 11;

QColor ColorOf(std::int32_t color) { return QColor::fromRgb(QtRgbOf(color)); }

}  // namespace

unsigned int QtRgbOf(std::int32_t color) {
  const auto bits = static_cast<std::uint32_t>(color);
  return qRgb(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF), static_cast<int>((bits >> 16) & 0xFF));
}

const TPlotTypeInfo& PlotTypeInfo(int plot_type) { return Type(std::clamp(plot_type, 1, kPlotTypeCount)).Info; }

TPlotHelper::TPlotHelper(const TSettings& settings) : FSettings(settings) { SetPlotType(1); }

TPlotHelper::~TPlotHelper() = default;

void TPlotHelper::SetPlotType(int plot_type) {
  FPlotType = plot_type;
  SetupPlotType();
}

void TPlotHelper::SetupPlotType() {
  FRelative = false;
  const TLimits& limits = FSettings.Plot.Limits;
  FXMin = limits.FreqStart();
  FXMax = limits.FreqEnd;
  FLogXMin = std::log10(FXMin);
  FLogXMax = std::log10(FXMax);
  if (!ValidType(FPlotType)) return;
  const TPlotType& type = Type(FPlotType);
  FScale = 1.0;
  FYMin = limits.*type.Bottom;
  FYMax = limits.*type.Top;
  FUnitCaption = type.Unit;
  double m = 1.0;
  if (type.Scaling == S::Delay) {
    FScale = 1000.0;  // seconds shown as milliseconds; the limits are in ms already
    FYMin *= 0.001;
    FYMax *= 0.001;
    m = 1000.0;
  } else if (type.Scaling == S::Excursion || type.Scaling == S::Velocity) {
    const bool excursion = type.Scaling == S::Excursion;
    const char* control = excursion ? "edExcursionEnd" : "edVelocityEnd";
    const int kind = excursion ? qkLength : qkVelocity;
    const int index = TUnitChoices(FSettings.UnitChoiceFileName()).GetUnitIndex(control);
    const int scaling = excursion ? FSettings.ExcursionScaling : FSettings.VelocityScaling;
    const double u = ToDisplay(kind, index, 1.0);
    FScale = u * AmplitudeScaleFactor(scaling);
    FUnitCaption = std::string(GetUnitInfo(kind, index).Name) + " " + std::string(GetAmplitudeScale(scaling).Name);
    m = u;
  }
  FYMax *= m;
  FYMin *= m;
}

bool TPlotHelper::RangeIsValid() const {
  return std::isfinite(FXMin) && std::isfinite(FXMax) && FXMin > 0.0 && FXMax > FXMin && std::isfinite(FYMin) &&
         std::isfinite(FYMax) && FYMax > FYMin;
}

void TPlotHelper::SetProject(TProject* project, const TSimInfoEvent& info) {
  FProject = project;
  FInfoHandler = info;
  FSimulation = nullptr;
  if (!project) return;
  const int box_type = project->Box.BType;
  if (box_type >= btClosed && box_type <= btABC) {
    auto& routine = FRoutines[box_type];
    if (!routine) routine = BoxMath_GetFunc(box_type);
    FSimulation = routine.get();
  }
  PrepareSimulation();
  // The gates after preparing, so that they describe this project's driver as prepared now.
  const TDriverSimulation& sim = project->Driver.Sim;
  FHasImpedance = sim.CanShowImpedance;
  FHasExcursion = sim.CanShowExcursion;
  FHasPortData = sim.CanShowVelocity;
  if (FPlotType == 5) FXmaxLine = project->Driver.Data.Xmax / kSqrt2 * FScale;
  if (FPlotType == 15) FXmaxLine = project->Box.PassiveRadiator.Xmax / kSqrt2 * FScale;
}

void TPlotHelper::PrepareSimulation() {
  if (!FSimulation || !ValidType(FPlotType)) return;
  try {
    (*FSimulation)(Type(FPlotType).Info.Kind, *FProject, FInfoHandler);
  } catch (...) {
    // A failing preparation leaves the routine unprepared; the curve is swept anyway.
  }
}

double TPlotHelper::FreqAtColumn(int x) const {
  return std::pow(10.0, FLogXMin + (x - FPlotRect.Left) * (FLogXMax - FLogXMin) / (FPlotRect.Right - FPlotRect.Left - 1));
}

int TPlotHelper::ColumnOfFreq(double f) const {
  const double column = (std::log10(f) - FLogXMin) / (FLogXMax - FLogXMin) * (FPlotRect.Right - FPlotRect.Left - 1);
  return FPlotRect.Left + static_cast<int>(std::clamp(std::nearbyint(column), -1e6, 1e6));
}

TComplex TPlotHelper::GetComplex(double f) {
  if (!FProject || !ValidType(FPlotType)) return {};
  FProject->Signal.Freq = f;
  TComplex Fc(1.0, 0.0);
  double Gd = 0.0;
  const TComplex R = FSimulation ? (*FSimulation)(skEvaluate, *FProject, FInfoHandler) : TComplex();
  const TFilterStep step = Type(FPlotType).Filter;
  const bool needs_response = step == F::Multiply || step == F::OnlyF;
  const bool needs_delay = step == F::AddDelay || step == F::OnlyG;
  for (const auto& filter : FProject->Filters) {
    if (!filter->FEnabled) continue;
    if (needs_response) Fc *= filter->GetResponse(f);
    if (needs_delay) Gd += filter->GetGroupDelay(f);
  }
  switch (step) {
    case F::Multiply: return R * Fc;
    case F::AddDelay: return R + Gd;
    case F::OnlyF: return Fc;
    case F::OnlyG: return Gd;
    case F::None:
    case F::Load: return R;
  }
  return R;
}

double TPlotHelper::GetValue(double f) {
  if (!ValidType(FPlotType)) return 0.0;
  const TPlotType& type = Type(FPlotType);
  const TComplex C = GetComplex(f);
  // The filter-only types test the filter chain, not the box (which may not simulate).
  if (type.Filter != F::OnlyG && !(Magnitude(C) > 0.0)) return 0.0;
  const bool gate_open = type.Gate == G::None || (type.Gate == G::Impedance && FHasImpedance) ||
                         (type.Gate == G::Excursion && FHasExcursion) || (type.Gate == G::Port && FHasPortData);
  if (!gate_open) return 0.0;
  double value = 0.0;
  switch (type.Value) {
    case V::Db: value = 20.0 * std::log10(Magnitude(C)); break;
    case V::Real: value = C.real(); break;
    case V::Phase: value = std::arg(C) * 180.0 / std::numbers::pi; break;
    case V::Abs: value = Magnitude(C); break;
    case V::Load: {
      // |F|²·P·Re over the impedance the amplifier sees: Rg is part of R already when it
      // sits at the driver.
      TComplex Fc(1.0, 0.0);
      for (const auto& filter : FProject->Filters)
        if (filter->FEnabled) Fc *= filter->GetResponse(f);
      const TComplex load = FProject->Options.RgIsAtDriver ? C : C + FProject->Signal.Rg;
      value = std::norm(Fc) * FProject->Signal.P * FProject->Driver.Data.Re / Magnitude(load);
      break;
    }
  }
  return std::isfinite(value) ? value * FScale : 0.0;
}

std::vector<std::vector<QPointF>> TPlotHelper::CurveRuns() {
  std::vector<std::vector<QPointF>> runs;
  if (!FProject || !FSimulation || !ValidType(FPlotType)) return runs;
  PrepareSimulation();
  const int top = FPlotRect.Top, bottom = FPlotRect.Bottom, h = bottom - top;
  const bool phase = IsPhaseType(FPlotType);
  runs.emplace_back();
  const auto move_to = [&](double x, double y) {
    if (runs.back().size() > 1) runs.emplace_back();
    runs.back().assign(1, QPointF(x, y));
  };
  double prev = 0.0;
  for (int x = FPlotRect.Left; x <= FPlotRect.Right; ++x) {
    const double v = GetValue(FreqAtColumn(x));
    const double exact = top + std::nearbyint((FYMax - v) / (FYMax - FYMin) * h);
    const int y = static_cast<int>(std::clamp(exact, top - 1.0, bottom + 1.0));
    if (y > bottom) {
      move_to(x, bottom - 1);
    } else if (y < top) {
      move_to(x, top);
    } else {
      if (phase && std::abs(prev - v) >= 90.0) {
        move_to(x, y);
      } else {
        runs.back().emplace_back(x, y);
      }
      prev = v;
    }
  }
  if (runs.back().size() < 2) runs.pop_back();
  return runs;
}

TPlotHelper::TReadout TPlotHelper::CursorReadout(QImage& bitmap, int x) {
  const int left = FPlotRect.Left, top = FPlotRect.Top, right = FPlotRect.Right, bottom = FPlotRect.Bottom;
  x = std::max(x, left);
  TReadout readout;
  readout.AbsoluteFrequency = FreqAtColumn(x);
  readout.Frequency = readout.AbsoluteFrequency;
  readout.Value = GetValue(readout.Frequency);
  const double row = std::nearbyint((FYMax - readout.Value) / (FYMax - FYMin) * (bottom - top));
  const int y = top + static_cast<int>(std::clamp(std::isfinite(row) ? row : -1.0, -1.0, bottom - top + 1.0));
  if (FRelative) {
    readout.Frequency -= FRefFreq;
    readout.Value -= FRefValue;
  }
  if (bitmap.isNull()) return readout;  // nothing painted yet: no cross-hair to move
  QPainter painter(&bitmap);
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QPen(Qt::white, 1));
  const auto draw_cross = [&](int cx, int cy) {
    if (top < cy && cy < bottom) painter.drawLine(left, cy, right - 1, cy);
    if (left < cx && cx < right) painter.drawLine(cx, top, cx, bottom - 1);
  };
  if (FCursorDrawn) draw_cross(FCursorX, FCursorY);
  draw_cross(x, y);
  FCursorX = x;
  FCursorY = y;
  FCursorDrawn = true;
  return readout;
}

void TPlotHelper::ToggleRelative() {
  if (FRelative) {
    FRelative = false;
    return;
  }
  FRefFreq = FreqAtColumn(FCursorX);
  FRefValue = GetValue(FRefFreq);
  FRelative = true;
}

void TPlotHelper::DrawCurve(QPainter& painter) {
  QPen pen(ColorOf(FLineColor));
  pen.setWidth(FLineWidth);
  painter.setPen(pen);
  for (const auto& run : CurveRuns()) painter.drawPolyline(run.data(), static_cast<int>(run.size()));
}

void TPlotHelper::DrawGrid(QPainter& painter, int font_height) {
  const TColors& colors = FSettings.Plot.Colors;
  const int left = FPlotRect.Left, top = FPlotRect.Top, right = FPlotRect.Right, bottom = FPlotRect.Bottom;
  painter.setPen(QPen(ColorOf(colors.LineOther), 1));
  for (double f : FrequencyGridLines(FXMin, FXMax)) {
    const int x = ColumnOfFreq(f);
    painter.drawLine(x, top, x, bottom - 1);
  }
  const double g = (FYMax - FYMin) / (bottom - top);
  const double step = ValueGridStep(g, font_height);
  const std::vector<double> values = ValueGridLines(FYMin, FYMax, step);
  const auto row = [&](double level) { return top + static_cast<int>(std::clamp(std::nearbyint((FYMax - level) / g), -1e6, 1e6)); };
  for (double t : values) painter.drawLine(left, row(t), right - 1, row(t));

  const auto marker = [&](double level, std::int32_t color, Qt::PenStyle style) {
    if (!(FYMin < level && level < FYMax)) return;
    painter.setPen(QPen(ColorOf(color), 1, style));
    painter.drawLine(left, row(level), right - 1, row(level));
  };
  if (FPlotType == 1 || FPlotType == 4 || FPlotType == 17 || FPlotType == 18) marker(0.0, colors.Line0dB, Qt::DotLine);
  if (FPlotType == 1 || FPlotType == 17) marker(-3.0, colors.Line3dB, Qt::DotLine);
  if (FPlotType == 5 || FPlotType == 15) marker(FXmaxLine, colors.LineXmax, Qt::SolidLine);

  painter.setPen(ColorOf(colors.Labels));
  const QFontMetrics metrics(painter.font());
  for (const auto& label : FrequencyLabels(FXMin, FXMax)) {
    const QString text = QString::fromStdString(label.Text);
    const int width = metrics.horizontalAdvance(text);
    int x = ColumnOfFreq(label.Frequency) - width / 2;
    x = std::min(x, right - font_height / 2 - width);
    x = std::max(x, left + font_height / 2);
    painter.drawText(x, bottom + metrics.ascent(), text);
  }
  for (double t : values) {
    const int y = row(t);
    if (top + font_height < y && y < bottom - font_height)
      painter.drawText(2, y - (font_height / 2 + 2) + metrics.ascent(), QString::fromStdString(ValueLabelText(t)));
  }
  painter.setPen(QPen(ColorOf(colors.LineOther), 1));
  painter.drawRect(left, top, right - left - 1, bottom - top - 1);
}

void TPlotHelper::Render(QPainter& painter, QSize size, const std::vector<TProject*>& projects,
                         const TProject* active, bool antialiased) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(kFontPixels);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const int font_height = kFontPixels;
  FPlotRect = {metrics.horizontalAdvance(QStringLiteral("-180")) + 5, 0, size.width(), size.height() - (font_height + 2)};
  FCursorDrawn = false;  // a fresh picture has no cross-hair

  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(QPoint(0, 0), size), ColorOf(FSettings.Plot.Colors.Background));
  if (FPlotRect.Right - FPlotRect.Left < 2 || FPlotRect.Bottom - FPlotRect.Top < 2) return;
  if (!RangeIsValid()) {
    painter.setPen(ColorOf(FSettings.Plot.Colors.Labels));
    painter.drawText(FPlotRect.Left + 4, FPlotRect.Top + 4 + metrics.ascent(),
                     QStringLiteral("The plot range is not valid: check the frequency and value limits in the options."));
    return;
  }
  // The active project is bound first: the Xmax line shows its limit.
  if (active) SetProject(const_cast<TProject*>(active));
  DrawGrid(painter, font_height);
  painter.setRenderHint(QPainter::Antialiasing, antialiased);
  for (TProject* project : projects) {
    SetProject(project);
    FLineColor = project->Color;
    FLineWidth = project == active ? 2 : 1;
    DrawCurve(painter);
  }
  SetProject(nullptr);
}

}  // namespace bextor
