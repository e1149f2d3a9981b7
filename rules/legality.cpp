#include "rules/legality.h"

namespace vudeve {

namespace {


constexpr bool onBoard(int v) { return v >= 1 && v <= BoardSize; }
// Sliding walks visit only the squares strictly between the two ends; with
// both ends inside -1..10 those squares lie inside the 0..9 array.
constexpr bool inFrame(int v) { return v >= -1 && v <= BoardSize + 1; }
constexpr int absolute(int v) { return v < 0 ? -v : v; }

// Every square (x, fromY + step .. toY - step) must be empty.
int columnClear(const Game& g, int x, int fromY, int toY) {
  const int step = toY > fromY ? 1 : -1;
  for (int y = fromY + step; y != toY; y += step)
    if (g.Board[x][y] != Empty) return FalseValue;
  return TrueValue;
}

int dropCheck(const Game& g, int toX, int toY, int piece) {
  if (g.Board[toX][toY] != Empty) return FalseValue;
  if (piece == ManPawn && g.ManPawnFiles[toX] == 1) return FalseValue;
  if (piece == ComPawn && g.ComPawnFiles[toX] == 1) return FalseValue;
  switch (piece) {
    case ComPawn:
    case ComLance: return toY == 9 ? FalseValue : TrueValue;
    case ManPawn:
    case ManLance: return toY == 1 ? FalseValue : TrueValue;
    case ComKnight: return toY > 7 ? FalseValue : TrueValue;
    case ManKnight: return toY < 3 ? FalseValue : TrueValue;
    default: return TrueValue;
  }
}

int boardMoveCheck(const Game& g, int fromX, int fromY, int toX, int toY, int piece) {
  const int dx = toX - fromX;
  const int dy = toY - fromY;
  const int adx = absolute(dx);
  const int ady = absolute(dy);
  switch (piece) {
    case ComPawn: return dx == 0 && dy == 1 ? TrueValue : FalseValue;
    case ManPawn: return dx == 0 && dy == -1 ? TrueValue : FalseValue;
    case ComLance:
      if (dx != 0 || dy <= 0 || !inFrame(fromY)) return FalseValue;
      return columnClear(g, toX, fromY, toY);
    case ManLance:
      if (dx != 0 || dy >= 0 || !inFrame(fromY)) return FalseValue;
      return columnClear(g, toX, fromY, toY);
    case ComKnight: return adx == 1 && dy == 2 ? TrueValue : FalseValue;
    case ManKnight: return adx == 1 && dy == -2 ? TrueValue : FalseValue;
    case ComSilver: return adx <= 1 && (dy == 1 || (dy == -1 && dx != 0)) ? TrueValue : FalseValue;
    case ManSilver: return adx <= 1 && (dy == -1 || (dy == 1 && dx != 0)) ? TrueValue : FalseValue;
    case ComGold:
    case ComTokin:
    case ComPromLance:
    case ComPromKnight:
    case ComPromSilver:
      return (adx <= 1 && (dy == 1 || dy == 0)) || (dx == 0 && dy == -1) ? TrueValue : FalseValue;
    case ManGold:
    case ManTokin:
    case ManPromLance:
    case ManPromKnight:
    case ManPromSilver:
      return (adx <= 1 && (dy == -1 || dy == 0)) || (dx == 0 && dy == 1) ? TrueValue : FalseValue;
    case ComBishop:
    case ManBishop: return 移動チェック角(g, fromX, fromY, toX, toY);
    case ComHorse:
    case ManHorse:
      if (adx <= 1 && ady <= 1) return TrueValue;
      return 移動チェック角(g, fromX, fromY, toX, toY);
    case ComRook:
    case ManRook: return 移動チェック飛車(g, fromX, fromY, toX, toY);
    case ComDragon:
    case ManDragon:
      if (adx <= 1 && ady <= 1) return TrueValue;
      return 移動チェック飛車(g, fromX, fromY, toX, toY);
    case ComKing:
    case ManKing: return adx <= 1 && ady <= 1 ? TrueValue : FalseValue;
    default: return FalseValue;
  }
}

}  // namespace

int 移動チェック(const Game& g, int fromX, int fromY, int toX, int toY, int piece) {
  if (!onBoard(toX) || !onBoard(toY)) return FalseValue;
  if (fromX == toX && fromY == toY) return FalseValue;
  const int target = g.Board[toX][toY];
  if (piece >= 10 && target >= 10) return FalseValue;
  if (piece <= -10 && target <= -10) return FalseValue;
  // The from-square of a drop is a hand cell, never read from the board.
  if (isHandColumn(fromX)) return dropCheck(g, toX, toY, piece);
  return boardMoveCheck(g, fromX, fromY, toX, toY, piece);
}

int 移動チェック飛車(const Game& g, int fromX, int fromY, int toX, int toY) {
  if (fromX != toX && fromY != toY) return FalseValue;
  if (!inFrame(fromX) || !inFrame(fromY) || !inFrame(toX) || !inFrame(toY)) return FalseValue;
  if (fromY != toY && columnClear(g, toX, fromY, toY) == FalseValue) return FalseValue;
  if (fromX != toX) {
    const int step = toX > fromX ? 1 : -1;
    for (int x = fromX + step; x != toX; x += step)
      if (g.Board[x][toY] != Empty) return FalseValue;
  }
  return TrueValue;
}

int 移動チェック角(const Game& g, int fromX, int fromY, int toX, int toY) {
  const bool rising = toX - fromX == fromY - toY;
  const bool falling = toX - fromX == toY - fromY;
  if (!rising && !falling) return FalseValue;
  if (!inFrame(fromX) || !inFrame(fromY) || !inFrame(toX) || !inFrame(toY)) return FalseValue;
  const bool up = fromY > toY;
  if (rising) {
    if (up) {
      for (int i = 1; fromX + i < toX; ++i)
        if (g.Board[fromX + i][fromY - i] != Empty) return FalseValue;
    } else {
      for (int i = 1; fromX - i > toX; ++i)
        if (g.Board[fromX - i][fromY + i] != Empty) return FalseValue;
    }
  } else {
    if (up) {
      for (int i = 1; fromX - i > toX; ++i)
        if (g.Board[fromX - i][fromY - i] != Empty) return FalseValue;
    } else {
      for (int i = 1; fromX + i < toX; ++i)
        if (g.Board[fromX + i][fromY + i] != Empty) return FalseValue;
    }
  }
  return TrueValue;
}

int 移動後チェック(int toY, int piece) {
  switch (piece) {
    case ComPawn:
    case ComLance: return toY == 9 ? FalseValue : TrueValue;
    case ComKnight: return toY > 7 ? FalseValue : TrueValue;
    case ManPawn:
    case ManLance: return toY == 1 ? FalseValue : TrueValue;
    case ManKnight: return toY < 3 ? FalseValue : TrueValue;
    default: return TrueValue;
  }
}

void 調査_2歩フラグ設定(Game& g) {
  for (int x = 1; x <= BoardSize; ++x) {
    g.ManPawnFiles[x] = 0;
    g.ComPawnFiles[x] = 0;
    for (int y = 1; y <= BoardSize; ++y) {
      if (g.Board[x][y] == ManPawn) g.ManPawnFiles[x] = 1;
      if (g.Board[x][y] == ComPawn) g.ComPawnFiles[x] = 1;
    }
  }
}

}  // namespace vudeve
