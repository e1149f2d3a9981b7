// The drawing surface of the main window. The game draws in twips onto a
// persistent canvas; what it draws stays until drawn over, and the widget
// shows the canvas scaled to its size with the aspect ratio kept.
//
// Every drawing goes onto two images: a master at three times the pixel
// density of a 96 dpi screen (the density the pictures are made at), and
// the image shown, at the widget's device pixels. Drawing straight at device
// pixels keeps the board crisp at any size and on HiDPI screens; after a
// resize the shown image is rebuilt from the master until the game draws
// over it again. Where the widget's shape differs from the canvas's, the
// margins beside it carry on the tiling of the background picture.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "app/pictures.h"
#include "platform/ports.h"
#include "ui/draw.h"

namespace vudeve::window {

// The QBColor palette, by index 0..15 (out-of-range indices give black).
QColor qbColor(int index);

class Canvas final : public QWidget, public Surface {
  Q_OBJECT

 public:
  // The client area of the 9500 x 8000 twips window, in twips.
  static constexpr double WidthTwips = ScreenWidth;
  static constexpr double HeightTwips = 7200;
  static constexpr double TwipsPerPixel = 15;

  explicit Canvas(QWidget* parent = nullptr);

  // A press of a mouse button: button (1 left, 2 right, 4 middle), shift
  // state (1 Shift, 2 Ctrl, 4 Alt) and the position in twips.
  std::function<void(int button, int shift, double x, double y)> onMousePress;

  // Where a point of the widget lies on the canvas, in twips.
  QPointF toTwips(QPointF widgetPoint) const;
  // Where a point of the canvas lies in the widget, in logical pixels.
  QPointF toWidget(QPointF twips) const;

  void drawPicture(int pictureCode, double twipX, double twipY) override;
  void drawBox(int qbColor, double x1, double y1, double x2, double y2) override;
  void setFontSize(double points) override;
  void setFontBold(bool bold) override;
  void setForeColor(int qbColor) override;
  void setTextPosition(double twipX, double twipY) override;
  void print(const std::string& text) override;
  double textWidth(const std::string& text) const override;
  // Like a new window background colour, this clears the canvas.
  void setBackColor(int qbColor) override;
  void refresh() override;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // An image with the mapping from twips to its pixels.
  struct Target {
    QImage image;
    double scale = 0;  // pixels per twip
    QPointF offset;    // pixel position of twip (0, 0)
    int px(double twipX) const;
    int py(double twipY) const;
    QRect pixels(const QRectF& twips) const;
  };

  template <class Draw>
  void drawOnBoth(Draw draw);
  void fitShownImage();
  void paintMargins();
  QFont fontFor(const Target& target) const;

  Target master_;
  Target shown_;
  Pictures pictures_;
  QColor background_;
  // The background picture the game tiled last; the margins continue it.
  std::optional<int> marginPicture_;
  int foreColor_ = 0;
  double fontPoints_ = 9;
  bool fontBold_ = false;
  QPointF textPosition_;
};

}  // namespace vudeve::window
