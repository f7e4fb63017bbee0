// The plot window's mouse: the cross-hair read-out of the active curve, relative read-out
// and the tone frequency while dragging.

#include "plot/frame_plot.h"

#include "app/Project.h"
#include "common/NumberFormat.h"
#include "plot/PlotPaintBox.h"
#include "settings/Settings.h"
#include "support/DriverFixtures.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace bextor {
namespace {

QString Fixed(double value, int decimals) { return QString::fromStdString(FixedText(value, decimals)); }

class PlotWindow : public ::testing::Test {
protected:
  PlotWindow() {
    frame_.OnReadout = [this](const QString& frequency, const QString& value) {
      frequency_label_ = frequency;
      value_label_ = value;
      ++readouts_;
    };
    frame_.OnCursorFrequency = [this](double frequency) { tone_ = frequency; };
    frame_.resize(640, 420);
    frame_.show();
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  void OpenVentedBox() {
    manager_.AddProject()->Assign(*test::Design(btVented));
    frame_.RepaintPlot();
  }
  void Mouse(QEvent::Type type, int x, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const QPointF position(x, 50);
    QMouseEvent event(type, position, frame_.PaintBox()->mapToGlobal(position), button, buttons, modifiers);
    QCoreApplication::sendEvent(frame_.PaintBox(), &event);
  }
  void Click(int x, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Mouse(QEvent::MouseButtonPress, x, Qt::LeftButton, modifiers);
  }
  double ValueAt(double f) {
    helper_.SetProject(manager_.ActiveProject());
    return helper_.GetValue(f);
  }

  test::TTempFolder documents_, shared_;
  test::TDecimalSeparatorScope separator_{'.'};
  TSettings settings_{documents_.Path(), shared_.Path()};
  TProjectManager manager_{settings_};
  test::TScriptedDialogs dialogs_;
  TframePlotWindow frame_{settings_, manager_, dialogs_};
  TPlotHelper& helper_ = frame_.PlotHelper();
  QString frequency_label_, value_label_;
  int readouts_ = 0;
  double tone_ = 0.0;
};

TEST_F(PlotWindow, WithoutAnActiveProjectTheMouseDoesNothing) {
  Click(200);
  Mouse(QEvent::MouseMove, 250, Qt::LeftButton);
  Mouse(QEvent::MouseButtonDblClick, 250, Qt::LeftButton);
  EXPECT_EQ(readouts_, 0);
  EXPECT_EQ(tone_, 0.0);
  EXPECT_FALSE(helper_.CursorDrawn());
  EXPECT_FALSE(helper_.Relative());
}

TEST_F(PlotWindow, OnlyAPlainLeftClickReadsTheActiveCurve) {
  OpenVentedBox();
  Click(300);
  EXPECT_EQ(helper_.CursorX(), 300);
  const double f = helper_.FreqAtColumn(300);
  EXPECT_EQ(frequency_label_, Fixed(f, 2) + " Hz");
  EXPECT_EQ(value_label_, Fixed(ValueAt(f), 3) + " dB");
  EXPECT_EQ(tone_, 0.0);  // a click does not tune the tone

  Click(400, Qt::ControlModifier);
  Click(400, Qt::ShiftModifier);
  Mouse(QEvent::MouseButtonPress, 400, Qt::LeftButton | Qt::RightButton);
  EXPECT_EQ(helper_.CursorX(), 300);
  EXPECT_EQ(readouts_, 1);

  Click(1);  // left of the plot area: its first column
  EXPECT_EQ(helper_.CursorX(), helper_.PlotRect().Left);
  EXPECT_EQ(frequency_label_, "10.00 Hz");
}

TEST_F(PlotWindow, TheCrossHairIsInvertedOnThePictureAndErasedByTheNextOne) {
  OpenVentedBox();
  const QImage fresh = frame_.PaintBox()->Bitmap().copy();
  const auto column_differs = [&](int x, int skip_row) {
    const QImage& now = frame_.PaintBox()->Bitmap();
    for (int y = helper_.PlotRect().Top + 1; y < helper_.PlotRect().Bottom - 1; ++y)
      if (y != skip_row && now.pixel(x, y) != fresh.pixel(x, y)) return true;
    return false;
  };
  Click(250);
  EXPECT_TRUE(column_differs(250, -1));
  Click(350);
  EXPECT_FALSE(column_differs(250, helper_.CursorY()));
  EXPECT_TRUE(column_differs(350, -1));
  frame_.RepaintPlot();  // a new picture has no cross-hair
  EXPECT_FALSE(helper_.CursorDrawn());
}

TEST_F(PlotWindow, RelativeReadoutShowsDifferencesButTheToneFollowsTheCursor) {
  OpenVentedBox();
  const int x100 = helper_.ColumnOfFreq(100.0), x200 = helper_.ColumnOfFreq(200.0);
  Click(x100);
  Mouse(QEvent::MouseButtonDblClick, x100, Qt::LeftButton);
  EXPECT_TRUE(helper_.Relative());
  Mouse(QEvent::MouseMove, x200, Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier);  // other keys may be held
  const double f100 = helper_.FreqAtColumn(x100), f200 = helper_.FreqAtColumn(x200);
  EXPECT_EQ(frequency_label_, Fixed(f200 - f100, 2) + " rel Hz");
  EXPECT_EQ(value_label_, Fixed(ValueAt(f200) - ValueAt(f100), 3) + " rel dB");
  EXPECT_EQ(tone_, f200);

  Mouse(QEvent::MouseMove, 5000, Qt::NoButton);  // no button held: nothing
  EXPECT_EQ(helper_.CursorX(), x200);
  Mouse(QEvent::MouseMove, 5000, Qt::LeftButton);  // clamped to the last column
  EXPECT_EQ(helper_.CursorX(), frame_.PaintBox()->width() - 1);

  frame_.SetPlotType(6);
  EXPECT_FALSE(helper_.Relative());
  Click(x200);
  EXPECT_TRUE(value_label_.endsWith(" ohm")) << value_label_.toStdString();
}

}  // namespace
}  // namespace bextor
