// The pictures of the window, by picture code, loaded from the embedded
// resources and kept scaled to the sizes the canvas asks for.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <map>
#include <utility>

namespace vudeve::window {

class Pictures {
 public:
  // Resource path of the picture of a code, or an empty string for a code
  // without a picture.
  static QString resourcePath(int pictureCode);
  // Natural size of the picture of a code, in twips.
  static QSizeF naturalTwips(int pictureCode);

  // The picture scaled to the given pixel size; a null image when the code
  // has no picture or the picture is not there.
  const QImage& scaled(int pictureCode, QSize pixels);
  // Forgets the scaled copies (after the canvas changed its scale).
  void dropScaled() { scaled_.clear(); }

 private:
  const QImage& original(int pictureCode);

  std::map<int, QImage> originals_;
  std::map<std::pair<int, std::pair<int, int>>, QImage> scaled_;
};

}  // namespace vudeve::window
