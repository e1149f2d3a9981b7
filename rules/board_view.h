// How the rules show what they change: 駒移動 redraws the squares and the
// hand stands a move touches, 初期設定 the whole window. The drawing of the
// window (ui/draw.h, boardDrawing) is the view of a game on screen; a game
// nobody looks at keeps the view below, which draws nothing.
#pragma once

namespace vudeve {

struct Game;

class BoardView {
 public:
  virtual ~BoardView() = default;
  // The picture of the code on a cell, with its outline.
  virtual void drawSquare(Game& g, int pictureCode, int cellX, int cellY) = 0;
  virtual void drawManHand(Game& g) = 0;
  virtual void drawComHand(Game& g) = 0;
  virtual void redrawWindow(Game& g) = 0;
};

class NoBoardView final : public BoardView {
 public:
  void drawSquare(Game&, int, int, int) override {}
  void drawManHand(Game&) override {}
  void drawComHand(Game&) override {}
  void redrawWindow(Game&) override {}

  static NoBoardView& instance() {
    static NoBoardView view;
    return view;
  }
};

}  // namespace vudeve
