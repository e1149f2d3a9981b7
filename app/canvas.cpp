#include "app/canvas.h"

#include "rules/game.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <array>
#include <cmath>

namespace vudeve::window {
namespace {

constexpr std::array<QRgb, 16> QbPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

// The master image has the pictures' own density: 3 pixels per 96 dpi pixel.
constexpr double MasterScale = 3 / Canvas::TwipsPerPixel;
constexpr double TwipsPerPoint = 20;
// Images are given 96 dpi so that point sizes map to pixels predictably.
constexpr int DotsPerMeter96 = 3780;
constexpr QRectF WholeCanvas(0, 0, Canvas::WidthTwips, Canvas::HeightTwips);

constexpr const char* WindowFontFamily = "ＭＳ Ｐ明朝";
// Debian's Mincho faces stand in for the window font where it is missing;
// they carry the half-width katakana and full-width digits the game prints.
constexpr std::array<const char*, 4> WindowFontSubstitutes = {"IPAPMincho", "IPA P明朝", "IPAMincho", "IPA明朝"};

void substituteWindowFont() {
  static const bool done = [] {
    QStringList substitutes;
    for (const char* family : WindowFontSubstitutes) substitutes << QString::fromUtf8(family);
    QFont::insertSubstitutions(QString::fromUtf8(WindowFontFamily), substitutes);
    return true;
  }();
  (void)done;
}

QImage blankImage(QSize size, const QColor& color) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.setDotsPerMeterX(DotsPerMeter96);
  image.setDotsPerMeterY(DotsPerMeter96);
  image.fill(color);
  return image;
}

}  // namespace

QColor qbColor(int index) {
  if (index < 0 || index >= static_cast<int>(QbPalette.size())) return QColor(Qt::black);
  return QColor(QbPalette[index]);
}

int Canvas::Target::px(double twipX) const { return static_cast<int>(std::lround(offset.x() + twipX * scale)); }
int Canvas::Target::py(double twipY) const { return static_cast<int>(std::lround(offset.y() + twipY * scale)); }

// Corners are rounded to whole pixels, so neighbouring rectangles meet
// without seams.
QRect Canvas::Target::pixels(const QRectF& twips) const {
  return QRect(QPoint(px(twips.left()), py(twips.top())), QPoint(px(twips.right()) - 1, py(twips.bottom()) - 1));
}

Canvas::Canvas(QWidget* parent) : QWidget(parent), background_(qbColor(BackColorIndex)) {
  substituteWindowFont();
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(160, 120);
  master_.scale = MasterScale;
  master_.image = blankImage(QSize(static_cast<int>(WidthTwips * MasterScale), static_cast<int>(HeightTwips * MasterScale)),
                             background_);
}

QSize Canvas::sizeHint() const {
  return QSize(static_cast<int>(WidthTwips / TwipsPerPixel), static_cast<int>(HeightTwips / TwipsPerPixel));
}

template <class Draw>
void Canvas::drawOnBoth(Draw draw) {
  fitShownImage();
  for (Target* target : {&master_, &shown_}) {
    if (target->image.isNull()) continue;
    QPainter painter(&target->image);
    draw(painter, *target);
  }
  update();
}

void Canvas::drawPicture(int pictureCode, double twipX, double twipY) {
  const QRectF twips(QPointF(twipX, twipY), Pictures::naturalTwips(pictureCode));
  drawOnBoth([&](QPainter& painter, const Target& t) {
    const QRect rect = t.pixels(twips);
    const QImage& picture = pictures_.scaled(pictureCode, rect.size());
    if (!picture.isNull()) painter.drawImage(rect.topLeft(), picture);
  });
  if (pictureCode >= MidoriCode && pictureCode <= RengaCode && marginPicture_ != pictureCode) {
    marginPicture_ = pictureCode;
    paintMargins();
  }
}

void Canvas::drawBox(int color, double x1, double y1, double x2, double y2) {
  const QColor pen = qbColor(color);
  drawOnBoth([&](QPainter& painter, const Target& t) {
    // A one-pixel line of the 96 dpi screen, covering the pixels of both
    // corners so that a box closes at every scale.
    const int width = std::max(1, static_cast<int>(std::lround(TwipsPerPixel * t.scale)));
    const int left = std::min(t.px(x1), t.px(x2)), right = std::max(t.px(x1), t.px(x2));
    const int top = std::min(t.py(y1), t.py(y2)), bottom = std::max(t.py(y1), t.py(y2));
    painter.fillRect(left, top, right - left + width, width, pen);
    painter.fillRect(left, bottom, right - left + width, width, pen);
    painter.fillRect(left, top, width, bottom - top + width, pen);
    painter.fillRect(right, top, width, bottom - top + width, pen);
  });
}

void Canvas::setFontSize(double points) { fontPoints_ = points; }
void Canvas::setFontBold(bool bold) { fontBold_ = bold; }
void Canvas::setForeColor(int color) { foreColor_ = color; }
void Canvas::setTextPosition(double twipX, double twipY) { textPosition_ = QPointF(twipX, twipY); }

QFont Canvas::fontFor(const Target& target) const {
  QFont font(QString::fromUtf8(WindowFontFamily));
  font.setBold(fontBold_);
  // Point size in the image's 96 dpi, so that one point is 20 twips.
  const double pixels = fontPoints_ * TwipsPerPoint * target.scale;
  font.setPointSizeF(std::max(1.0, pixels * 72.0 / 96.0));
  return font;
}

void Canvas::print(const std::string& text) {
  const QString line = QString::fromStdString(text);
  const QColor color = qbColor(foreColor_);
  drawOnBoth([&](QPainter& painter, const Target& t) {
    const QFont font = fontFor(t);
    painter.setFont(font);
    painter.setPen(color);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The text position is the top-left corner of the text.
    const QFontMetricsF metrics(font, &t.image);
    painter.drawText(QPointF(t.offset.x() + textPosition_.x() * t.scale,
                             t.offset.y() + textPosition_.y() * t.scale + metrics.ascent()),
                     line);
  });
}

// Measured on the master image, whose density the shown image follows.
double Canvas::textWidth(const std::string& text) const {
  const QFontMetricsF metrics(fontFor(master_), &master_.image);
  return metrics.horizontalAdvance(QString::fromStdString(text)) / master_.scale;
}

void Canvas::setBackColor(int color) {
  background_ = qbColor(color);
  master_.image.fill(background_);
  shown_.image = QImage();
  marginPicture_.reset();
  update();
}

void Canvas::refresh() { repaint(); }

void Canvas::fitShownImage() {
  const double ratio = devicePixelRatioF();
  const QSize pixels(std::max(1, static_cast<int>(std::lround(width() * ratio))),
                     std::max(1, static_cast<int>(std::lround(height() * ratio))));
  if (!shown_.image.isNull() && shown_.image.size() == pixels) return;

  shown_.scale = std::min(pixels.width() / WidthTwips, pixels.height() / HeightTwips);
  shown_.offset = QPointF((pixels.width() - WidthTwips * shown_.scale) / 2,
                          (pixels.height() - HeightTwips * shown_.scale) / 2);
  shown_.image = blankImage(pixels, background_);
  pictures_.dropScaled();

  const QRect area = shown_.pixels(WholeCanvas);
  if (area.isEmpty()) return;
  {
    QPainter painter(&shown_.image);
    painter.drawImage(area.topLeft(), master_.image.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  paintMargins();
}

// Where the widget's shape differs from the canvas's, the strips beside the
// canvas carry on the game's tiling of the background: the same picture on
// the same grid of cells.
void Canvas::paintMargins() {
  if (!marginPicture_ || shown_.image.isNull()) return;
  const QRegion margins = QRegion(shown_.image.rect()).subtracted(shown_.pixels(WholeCanvas));
  if (margins.isEmpty()) return;
  const QRectF widget(-shown_.offset / shown_.scale, QSizeF(shown_.image.size()) / shown_.scale);
  const auto column = [](double twipX) { return static_cast<int>(std::floor((twipX - BoardLeft) / CellWidth)); };
  const auto row = [](double twipY) { return static_cast<int>(std::floor((twipY - BoardTop) / CellHeight)); };
  QPainter painter(&shown_.image);
  painter.setClipRegion(margins);
  for (int x = column(widget.left()); x <= column(widget.right()); ++x)
    for (int y = row(widget.top()); y <= row(widget.bottom()); ++y) {
      const QRect rect = shown_.pixels(QRectF(BoardLeft + x * CellWidth, BoardTop + y * CellHeight, CellWidth, CellHeight));
      if (!margins.intersects(rect)) continue;
      const QImage& picture = pictures_.scaled(*marginPicture_, rect.size());
      if (!picture.isNull()) painter.drawImage(rect.topLeft(), picture);
    }
  update();
}

void Canvas::paintEvent(QPaintEvent*) {
  fitShownImage();
  QPainter painter(this);
  painter.drawImage(QRectF(rect()), shown_.image, QRectF(shown_.image.rect()));
}

void Canvas::resizeEvent(QResizeEvent*) { fitShownImage(); }

QPointF Canvas::toTwips(QPointF widgetPoint) const {
  const double ratio = devicePixelRatioF();
  const double scale = shown_.scale > 0 ? shown_.scale : 1 / TwipsPerPixel;
  return (widgetPoint * ratio - shown_.offset) / scale;
}

QPointF Canvas::toWidget(QPointF twips) const {
  const double ratio = devicePixelRatioF();
  const double scale = shown_.scale > 0 ? shown_.scale : 1 / TwipsPerPixel;
  return (shown_.offset + twips * scale) / ratio;
}

void Canvas::mousePressEvent(QMouseEvent* event) {
  if (!onMousePress) return;
  int button = 0;
  switch (event->button()) {
    case Qt::LeftButton: button = 1; break;
    case Qt::RightButton: button = 2; break;
    case Qt::MiddleButton: button = 4; break;
    default: return;
  }
  const Qt::KeyboardModifiers mods = event->modifiers();
  const int shift = (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
                    (mods & Qt::AltModifier ? 4 : 0);
  const QPointF twips = toTwips(event->position());
  onMousePress(button, shift, twips.x(), twips.y());
}

}  // namespace vudeve::window
