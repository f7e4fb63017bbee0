#include "PlotPaintBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace bextor {

TPlotPaintBox::TPlotPaintBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(60, 40);
}

void TPlotPaintBox::Invalidate() {
  FStale = true;
  repaint();
}

void TPlotPaintBox::paintEvent(QPaintEvent*) {
  if (FStale || FBitmap.size() != size()) {
    FBitmap = QImage(size(), QImage::Format_RGB32);
    if (OnRender) OnRender(FBitmap);
    FStale = false;
  }
  QPainter(this).drawImage(0, 0, FBitmap);
}

void TPlotPaintBox::resizeEvent(QResizeEvent*) { FStale = true; }

void TPlotPaintBox::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(event);
}

void TPlotPaintBox::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(event);
}

void TPlotPaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (OnDoubleClick) OnDoubleClick(event);
}

}  // namespace bextor
