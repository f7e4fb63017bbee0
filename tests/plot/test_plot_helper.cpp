#include "plot/PlotHelper.h"

#include "app/Project.h"
#include "filters/filter_parametriceq.h"
#include "settings/Settings.h"
#include "settings/UnitChoices.h"
#include "settings/Units.h"
#include "support/DriverFixtures.h"
#include "support/TestSupport.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace bextor {
namespace {

class Plot : public ::testing::Test {
protected:
  std::unique_ptr<TProject> Project(int box_type, bool with_filter = false) {
    auto project = test::Design(box_type);
    PrepareForShowing(*project);
    if (with_filter) {
      auto eq = std::make_unique<TFilter_ParametricEQ>();
      eq->FCenter = 50.0;
      eq->Calculate();
      project->Filters.push_back(std::move(eq));
    }
    return project;
  }
  double Value(TProject& project, int type, double f) {
    plot_.SetPlotType(type);
    plot_.SetProject(&project);
    return plot_.GetValue(f);
  }
  test::TTempFolder folder_;
  TSettings settings_{folder_.Path(), folder_.Path()};
  TPlotHelper plot_{settings_};
};

TEST_F(Plot, FilterOnlyTypesWithoutFilters) {
  auto project = Project(btClosed);
  for (double f : {20.0, 100.0}) {
    EXPECT_EQ(Value(*project, 17, f), 0.0);
    EXPECT_EQ(Value(*project, 18, f), 0.0);
    EXPECT_EQ(Value(*project, 19, f), 0.0);
  }
  project->Driver.Reset(project->Environment());  // a box that cannot simulate still shows its filters
  project->Filters.push_back(std::make_unique<TFilter_ParametricEQ>());
  project->Filters.back()->Calculate();
  EXPECT_NEAR(Value(*project, 17, 30.0), 6.0, 1e-9);
}

TEST_F(Plot, WhichTypesAFilterChanges) {
  const struct {
    int type, box;
  } types[] = {{1, btVented}, {2, btVented},  {3, btVented}, {4, btVented}, {5, btVented}, {9, btVented},
               {10, btBandpass6}, {11, btVented}, {12, btBandpass6}, {15, btPassiveRadiator}, {17, btVented},
               {18, btVented}, {19, btVented}, {21, btABC}, {6, btVented}, {7, btVented}, {8, btVented},
               {13, btPassiveRadiator}, {14, btPassiveRadiator}, {16, btVented}, {20, btVented}};
  const std::set<int> changed = {1, 2, 3, 4, 5, 9, 10, 11, 12, 15, 17, 18, 19, 21};
  for (const auto& t : types) {
    auto plain = Project(t.box), filtered = Project(t.box, true);
    const double a = Value(*plain, t.type, 45.0), b = Value(*filtered, t.type, 45.0);
    if (t.type == 20) {
      const TComplex F = filtered->Filters[0]->GetResponse(45.0);
      EXPECT_NEAR(b, a * std::norm(F), 1e-9 * b);
    } else if (changed.count(t.type)) {
      EXPECT_NE(a, b) << "type " << t.type;
    } else {
      EXPECT_EQ(a, b) << "type " << t.type;
      EXPECT_NE(a, 0.0) << "type " << t.type;
    }
  }
}

TEST_F(Plot, ExcursionScalesAndUnits) {
  auto project = Project(btVented);
  settings_.ExcursionScaling = 1;  // peak
  const double peak = Value(*project, 5, 20.0);
  const double peak_line = plot_.XmaxLine();
  EXPECT_NEAR(peak_line, 0.008, 1e-13);  // the limit sits at Xmax in peak (12-digit √2)
  settings_.ExcursionScaling = 0;  // rms
  EXPECT_NEAR(Value(*project, 5, 20.0), peak / 1.41421356237, 1e-15);
  EXPECT_NEAR(plot_.XmaxLine(), peak_line / 1.41421356237, 1e-15);
  EXPECT_EQ(plot_.UnitCaption(), "m rms");

  TUnitChoices(settings_.UnitChoiceFileName()).SetUnitIndex("edExcursionEnd", 1, qkLength);
  settings_.ExcursionScaling = 1;
  settings_.Plot.Limits.ExcursionEnd = 0.02;
  plot_.SetPlotType(5);
  EXPECT_NEAR(plot_.YMax(), 20.0, 1e-12);
  EXPECT_EQ(plot_.UnitCaption(), "mm peak");
  plot_.SetPlotType(3);
  EXPECT_NEAR(plot_.YMax(), 40.0, 1e-12);  // group delay in ms
  EXPECT_EQ(plot_.Scale(), 1000.0);
}

TEST_F(Plot, ApparentLoadCountsTheSeriesResistanceOnce) {
  auto project = Project(btClosed);
  project->Signal.Rg = 1.0;
  const double outside = Value(*project, 20, 40.0);
  const double z = Magnitude(plot_.GetComplex(40.0));
  EXPECT_NEAR(outside, 1.0 * 6.0 / std::abs(plot_.GetComplex(40.0) + 1.0), 1e-12);
  project->Options.RgIsAtDriver = true;  // the impedance includes Rg now
  const double at_driver = Value(*project, 20, 40.0);
  EXPECT_NEAR(at_driver, 1.0 * 6.0 / Magnitude(plot_.GetComplex(40.0)), 1e-12);
  EXPECT_NEAR(at_driver, outside, 1e-9 * outside);
  EXPECT_GT(z, 0.0);
}

TEST_F(Plot, CurvesBreakAtEdgesAndPhaseWraps) {
  auto project = Project(btVented);
  plot_.SetPlotRect({30, 0, 430, 300});
  plot_.SetPlotType(4);
  plot_.SetProject(project.get());
  const auto runs = plot_.CurveRuns();
  ASSERT_GE(runs.size(), 2u);  // the vented phase wraps once between 10 and 500 Hz
  for (std::size_t i = 1; i < runs.size(); ++i) {
    const QPointF end = runs[i - 1].back(), start = runs[i].front();
    EXPECT_EQ(start.x(), end.x() + 1);                // neighbouring columns
    EXPECT_GT(std::abs(start.y() - end.y()), 100.0);  // not joined across the wrap
  }
  // A range that cuts a bandpass peak: the curve leaves at the top and comes back from
  // the top edge.
  auto bandpass = Project(btBandpass4);
  settings_.Plot.Limits.GainEnd = -8.0;
  plot_.SetPlotType(1);
  plot_.SetProject(bandpass.get());
  const auto cut = plot_.CurveRuns();
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_EQ(cut[1].front().y(), 0.0);
  EXPECT_GT(cut[1].front().x(), cut[0].back().x() + 1);
  settings_.Plot.Limits.GainStart = -20.0;
  settings_.Plot.Limits.GainEnd = -12.0;
  plot_.SetPlotType(1);
  for (const auto& run : plot_.CurveRuns())
    for (const QPointF& p : run) {
      EXPECT_GE(p.y(), 0.0);
      EXPECT_LE(p.y(), 299.0);
    }
}

TEST_F(Plot, RenderingMarkersGridAndInvalidRanges) {
  auto project = Project(btClosed);
  settings_.Plot.Colors.Line0dB = 0x0000FF;  // red
  settings_.Plot.Colors.Line3dB = 0x00FF00;  // green
  QImage image(600, 313, QImage::Format_RGB32);  // 300 rows above the 13 for the labels
  const auto render = [&](int type) {
    plot_.SetPlotType(type);
    QPainter painter(&image);
    plot_.Render(painter, image.size(), {project.get()}, project.get());
  };
  const auto row_has = [&](int y, QRgb color) {
    for (int x = plot_.PlotRect().Left; x < plot_.PlotRect().Right; ++x)
      if (image.pixel(x, y) == color) return true;
    return false;
  };
  render(1);
  // −30..6 dB over 300 rows: 0 dB at row 50, −3 dB at row 75.
  EXPECT_EQ(plot_.PlotRect().Bottom, 300);
  EXPECT_TRUE(row_has(50, qRgb(255, 0, 0)));
  EXPECT_TRUE(row_has(75, qRgb(0, 255, 0)));
  settings_.Plot.Limits.GainEnd = -5.0;  // 0 dB outside the range: no 0 dB line
  render(1);
  bool red_anywhere = false;
  for (int y = 0; y < 300; ++y) red_anywhere = red_anywhere || row_has(y, qRgb(255, 0, 0));
  EXPECT_FALSE(red_anywhere);

  settings_.Plot.Limits.FreqEnd = 5.0;  // below the start: an empty plot with a notice
  test::TRecordingSink sink;
  render(1);
  EXPECT_FALSE(plot_.RangeIsValid());
  EXPECT_TRUE(sink.Messages.empty());
}

TEST_F(Plot, ABoxWithoutRoutineDrawsNothingAndSaysNothing) {
  auto project = Project(btClosed);
  project->Box.BType = 9;
  test::TRecordingSink sink;
  EXPECT_EQ(Value(*project, 1, 50.0), 0.0);
  EXPECT_TRUE(plot_.CurveRuns().empty());
  EXPECT_TRUE(sink.Messages.empty());
}

}  // namespace
}  // namespace bextor

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
