#include "record/snapshot_move.h"

#include <cstdlib>

#include "rules/move.h"

namespace vudeve {
namespace {

bool promotable(int code) {
  switch (std::abs(code)) {
    case ComPawn: case ComLance: case ComKnight: case ComSilver: case ComBishop: case ComRook: return true;
    default: return false;
  }
}

int promotedCode(int code) { return code + (code > 0 ? 1 : -1); }

// Rows 1..3 for MAN, 7..9 for COM.
bool inZone(int code, int y) { return code < 0 ? y <= 3 : y >= 7; }

HandArray& handOf(RecordEntry& e, int code) { return code < 0 ? e.manHand : e.comHand; }

struct Square {
  int x = 0, y = 0;
};

}  // namespace

std::optional<SnapshotMove> 調査_局面間の指し手(const RecordEntry& before, const RecordEntry& after) {
  Square changed[2];
  int count = 0;
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      if (before.board[x][y] == after.board[x][y]) continue;
      if (count == 2) return std::nullopt;
      changed[count++] = {x, y};
    }
  }

  // The hands the move should leave, to be compared with those of `after`.
  RecordEntry expected = before;
  SnapshotMove move;
  if (count == 1) {
    const auto [x, y] = changed[0];
    const int piece = after.board[x][y];
    const int index = capturedHandIndex(piece);
    if (before.board[x][y] != Empty || index == 0 || piece != (piece < 0 ? ManHandPiece : ComHandPiece)[index])
      return std::nullopt;
    move = {.handIndex = index, .toX = x, .toY = y, .piece = piece, .placed = piece};
    handOf(expected, piece)[index] -= 1;
  } else if (count == 2) {
    const bool firstLeft = after.board[changed[0].x][changed[0].y] == Empty;
    const Square from = firstLeft ? changed[0] : changed[1];
    const Square to = firstLeft ? changed[1] : changed[0];
    const int piece = before.board[from.x][from.y];
    const int placed = after.board[to.x][to.y];
    const int captured = before.board[to.x][to.y];
    if (piece == Empty || after.board[from.x][from.y] != Empty) return std::nullopt;
    if ((placed != piece && !(promotable(piece) && placed == promotedCode(piece)))) return std::nullopt;
    if (captured != Empty && (captured < 0) == (piece < 0)) return std::nullopt;
    move = {.fromX = from.x, .fromY = from.y, .toX = to.x, .toY = to.y, .piece = piece, .placed = placed,
            .captured = captured,
            .mayPromote = promotable(piece) && (inZone(piece, from.y) || inZone(piece, to.y))};
    if (const int index = capturedHandIndex(captured)) handOf(expected, piece)[index] += 1;
  } else {
    return std::nullopt;
  }
  if (expected.manHand != after.manHand || expected.comHand != after.comHand) return std::nullopt;
  return move;
}

}  // namespace vudeve
