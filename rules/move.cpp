#include "rules/move.h"

namespace vudeve {

namespace {


constexpr bool onBoard(int v) { return v >= 1 && v <= BoardSize; }
constexpr bool isHandIndex(int i) { return i >= 1 && i <= 7; }

// Magnitude of a captured code (promoted or not) and the hand index it
// lands on. Gold and king have no promoted form.
struct HandSlot {
  int magnitude, promotedMagnitude, index;
};
constexpr HandSlot HandSlots[] = {
    {ComPawn, ComTokin, 1},  {ComLance, ComPromLance, 2}, {ComKnight, ComPromKnight, 3},
    {ComSilver, ComPromSilver, 4}, {ComGold, ComGold, 5}, {ComBishop, ComHorse, 6},
    {ComRook, ComDragon, 7},
};

// Unlike the board, a move's squares come from callers we trust only so far:
// a move that would index outside the board or the hands is not applied.
bool inBounds(int fromX, int fromY, int toX, int toY) {
  if (!onBoard(toX) || !onBoard(toY)) return false;
  if (fromX == ManHandColumn) return isHandIndex(handIndexOfCell(fromX, fromY));
  if (fromX == ComHandColumn) return isHandIndex(fromY);
  return onBoard(fromX) && onBoard(fromY);
}

}  // namespace

int capturedHandIndex(int captured) {
  const int magnitude = captured < 0 ? -captured : captured;
  for (const HandSlot& slot : HandSlots)
    if (magnitude == slot.magnitude || magnitude == slot.promotedMagnitude) return slot.index;
  return 0;
}

void 駒移動(Game& g, int fromX, int fromY, int toX, int toY, int piece) {
  if (!inBounds(fromX, fromY, toX, toY)) return;

  const int captured = g.Board[toX][toY];
  if (captured <= -10) {
    g.ComHandTotal += 1;
    駒取得(g, captured);
    g.View->drawComHand(g);
  } else if (captured >= 10) {
    g.ManHandTotal += 1;
    駒取得(g, captured);
    g.View->drawManHand(g);
  }

  // The hand cell of a COM drop is drawn at row 8 - index.
  const int cellX = fromX;
  const int cellY = fromX == ComHandColumn ? 8 - fromY : fromY;
  g.View->drawSquare(g, Empty, cellX, cellY);

  g.Board[toX][toY] = piece;

  if (piece == ManKing) {
    g.ManKingX = toX;
    g.ManKingY = toY;
  }

  if (fromX == ComHandColumn) {
    g.ComHandTotal -= 1;
    g.ComHand[fromY] -= 1;
    g.View->drawComHand(g);
  } else if (fromX == ManHandColumn) {
    g.ManHandTotal -= 1;
    g.ManHand[handIndexOfCell(fromX, fromY)] -= 1;
    g.View->drawManHand(g);
  } else {
    g.Board[fromX][fromY] = Empty;
  }

  g.View->drawSquare(g, piece, toX, toY);
}

void 駒取得(Game& g, int captured) {
  if (captured == ComKing) {
    g.Winner = g.ManSide;
    return;
  }
  if (captured == ManKing) {
    g.Winner = g.ComSide;
    return;
  }
  const int index = capturedHandIndex(captured);
  if (index == 0) return;
  if (captured > 0)
    g.ManHand[index] += 1;
  else
    g.ComHand[index] += 1;
}

bool standsOnBoard(const Game& g, int code) {
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y)
      if (g.Board[x][y] == code) return true;
  return false;
}

int 調査_駒成(Game& g, int fromX, int fromY, int toX, int toY, int piece) {
  if (isHandColumn(fromX)) return FalseValue;
  bool may = false;
  switch (piece) {
    case ManPawn:
    case ManLance:
    case ManKnight: may = toY < 4; break;
    case ManSilver:
    case ManBishop:
    case ManRook: may = toY < 4 || fromY < 4; break;
    case ComPawn:
    case ComLance:
    case ComKnight: may = toY > 6; break;
    case ComSilver:
    case ComBishop:
    case ComRook: may = toY > 6 || fromY > 6; break;
    default: break;
  }
  if (!may) return FalseValue;
  g.PromotedCode = piece < 0 ? piece - 1 : piece + 1;
  return TrueValue;
}

}  // namespace vudeve
