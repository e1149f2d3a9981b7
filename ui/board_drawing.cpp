// The view of a game on screen: what the rules redraw, drawn as the window
// draws it.
#include "ui/draw.h"

namespace vudeve {
namespace {

class BoardDrawing final : public BoardView {
 public:
  void drawSquare(Game& g, int pictureCode, int cellX, int cellY) override {
    描画_絵(g, pictureCode, cellX, cellY);
    描画_桝輪郭(g, BackColorIndex, cellX, cellY);
  }
  void drawManHand(Game& g) override { 描画_自持盤(g); }
  void drawComHand(Game& g) override { 描画_敵持盤(g); }
  void redrawWindow(Game& g) override { 画面_再描画(g); }
};

}  // namespace

BoardView& boardDrawing() {
  static BoardDrawing drawing;
  return drawing;
}

}  // namespace vudeve
