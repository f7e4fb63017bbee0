#pragma once
// The plot's paint box: keeps the picture in an off-screen image, redraws it only when told
// to (or resized) and otherwise copies it to the screen, so a cross-hair drawn into the
// image stays until the next redraw. Mouse input is handed to the owner.

#include <QImage>
#include <QWidget>

#include <functional>

namespace bextor {

class TPlotPaintBox : public QWidget {
  Q_OBJECT
public:
  explicit TPlotPaintBox(QWidget* parent = nullptr);

  // Draws the whole picture into the image (sized like the box).
  std::function<void(QImage&)> OnRender;
  std::function<void(QMouseEvent*)> OnMouseDown, OnMouseMove, OnDoubleClick;

  // Redraws the picture and shows it at once.
  void Invalidate();
  // The picture as last drawn (plus what was drawn into it since).
  QImage& Bitmap() { return FBitmap; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
  QImage FBitmap;
  bool FStale = true;
};

}  // namespace bextor
