#include "rules/perft.h"

#include "rules/legality.h"
#include "rules/move.h"

namespace vudeve {

namespace {


bool isKing(int code) { return code == ManKing || code == ComKing; }

void addBoardMoves(Game& g, int fromX, int fromY, int piece, MoveList& list) {
  for (int toX = 1; toX <= BoardSize; ++toX) {
    for (int toY = 1; toY <= BoardSize; ++toY) {
      if (移動チェック(g, fromX, fromY, toX, toY, piece) != TrueValue) continue;
      if (調査_駒成(g, fromX, fromY, toX, toY, piece) == TrueValue) {
        if (移動後チェック(toY, piece) == TrueValue) list.moves[list.size++] = {fromX, fromY, toX, toY, piece};
        list.moves[list.size++] = {fromX, fromY, toX, toY, g.PromotedCode};
      } else {
        list.moves[list.size++] = {fromX, fromY, toX, toY, piece};
      }
    }
  }
}

// Saves what perft rewrites as scratch and puts it back afterwards.
class ScratchGuard {
 public:
  explicit ScratchGuard(Game& g)
      : g_(g), promoted_(g.PromotedCode), manFiles_(g.ManPawnFiles), comFiles_(g.ComPawnFiles) {}
  ~ScratchGuard() {
    g_.PromotedCode = promoted_;
    g_.ManPawnFiles = manFiles_;
    g_.ComPawnFiles = comFiles_;
  }
  ScratchGuard(const ScratchGuard&) = delete;
  ScratchGuard& operator=(const ScratchGuard&) = delete;

 private:
  Game& g_;
  int promoted_;
  std::array<int, 10> manFiles_, comFiles_;
};

}  // namespace

void generateMoves(Game& g, bool man, MoveList& list) {
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      const int piece = g.Board[x][y];
      if (man ? piece <= -10 : piece >= 10) addBoardMoves(g, x, y, piece, list);
    }
  }
  const HandArray& hand = man ? g.ManHand : g.ComHand;
  const int column = handColumn(man);
  調査_2歩フラグ設定(g);
  for (int index = 1; index <= 7; ++index) {
    if (hand[index] <= 0) continue;
    const int piece = man ? ManHandPiece[index] : ComHandPiece[index];
    const int fromY = handRow(man, index);
    for (int toX = 1; toX <= BoardSize; ++toX)
      for (int toY = 1; toY <= BoardSize; ++toY)
        if (移動チェック(g, column, fromY, toX, toY, piece) == TrueValue)
          list.moves[list.size++] = {column, fromY, toX, toY, piece};
  }
}

std::optional<Move> generatedMove(Game& g, bool man, int fromX, int fromY, int toX, int toY, bool promote) {
  auto onBoard = [](int x, int y) { return x >= 1 && x <= BoardSize && y >= 1 && y <= BoardSize; };
  if (!onBoard(toX, toY)) return std::nullopt;
  const int handColumn = man ? ManHandColumn : ComHandColumn;
  if (fromX == handColumn) {
    const int index = man ? fromY - 2 : fromY;
    const HandArray& hand = man ? g.ManHand : g.ComHand;
    if (promote || index < 1 || index > 7 || hand[index] <= 0) return std::nullopt;
    const int piece = man ? ManHandPiece[index] : ComHandPiece[index];
    調査_2歩フラグ設定(g);
    if (移動チェック(g, handColumn, fromY, toX, toY, piece) != TrueValue) return std::nullopt;
    return Move{handColumn, fromY, toX, toY, piece};
  }
  if (!onBoard(fromX, fromY)) return std::nullopt;
  const int piece = g.Board[fromX][fromY];
  if (!(man ? piece <= -10 : piece >= 10) || 移動チェック(g, fromX, fromY, toX, toY, piece) != TrueValue)
    return std::nullopt;
  // As addBoardMoves: unpromoted only where the piece keeps a move, promoted
  // only where it may promote.
  const bool mayPromote = 調査_駒成(g, fromX, fromY, toX, toY, piece) == TrueValue;
  if (promote) return mayPromote ? std::optional<Move>(Move{fromX, fromY, toX, toY, g.PromotedCode}) : std::nullopt;
  if (mayPromote && 移動後チェック(toY, piece) != TrueValue) return std::nullopt;
  return Move{fromX, fromY, toX, toY, piece};
}

bool isCapture(const Game& g, const Move& m) { return g.Board[m.toX][m.toY] != Empty; }

MoveUndo makeMove(Game& g, const Move& m) {
  const int captured = g.Board[m.toX][m.toY];
  int moved = Empty;
  if (captured <= -10) {
    g.ComHandTotal += 1;
    g.ComHand[capturedHandIndex(captured)] += 1;
  } else if (captured >= 10) {
    g.ManHandTotal += 1;
    g.ManHand[capturedHandIndex(captured)] += 1;
  }
  g.Board[m.toX][m.toY] = m.piece;
  if (m.fromX == ComHandColumn) {
    g.ComHandTotal -= 1;
    g.ComHand[m.fromY] -= 1;
  } else if (m.fromX == ManHandColumn) {
    g.ManHandTotal -= 1;
    g.ManHand[handIndexOfCell(m.fromX, m.fromY)] -= 1;
  } else {
    moved = g.Board[m.fromX][m.fromY];
    g.Board[m.fromX][m.fromY] = Empty;
  }
  return {captured, moved};
}

void unmakeMove(Game& g, const Move& m, const MoveUndo& undo) {
  const int captured = undo.captured;
  if (m.fromX == ComHandColumn) {
    g.ComHandTotal += 1;
    g.ComHand[m.fromY] += 1;
  } else if (m.fromX == ManHandColumn) {
    g.ManHandTotal += 1;
    g.ManHand[handIndexOfCell(m.fromX, m.fromY)] += 1;
  } else {
    g.Board[m.fromX][m.fromY] = undo.moved;
  }
  g.Board[m.toX][m.toY] = captured;
  if (captured <= -10) {
    g.ComHandTotal -= 1;
    g.ComHand[capturedHandIndex(captured)] -= 1;
  } else if (captured >= 10) {
    g.ManHandTotal -= 1;
    g.ManHand[capturedHandIndex(captured)] -= 1;
  }
}

std::uint64_t Perft::count(int depth) {
  if (depth <= 0) return 1;
  if (!bothKingsPresent()) return 0;
  ScratchGuard guard(g_);
  reserve(depth);
  return countFrom(depth, manToMove(), 0);
}

std::vector<DivideLine> Perft::divide(int depth) {
  std::vector<DivideLine> lines;
  if (depth <= 0 || !bothKingsPresent()) return lines;
  ScratchGuard guard(g_);
  reserve(depth);
  const bool man = manToMove();
  MoveList& list = lists_[0];
  generate(man, list);
  for (int i = 0; i < list.size; ++i) {
    const Move& m = list.moves[i];
    std::uint64_t n = 1;
    if (depth > 1) {
      const MoveUndo undo = makeMove(g_, m);
      n = isKing(undo.captured) ? 0 : countFrom(depth - 1, !man, 1);
      unmakeMove(g_, m, undo);
    }
    lines.push_back({m, n});
  }
  return lines;
}

std::uint64_t Perft::countFrom(int depth, bool man, int ply) {
  MoveList& list = lists_[ply];
  generate(man, list);
  if (depth == 1) return static_cast<std::uint64_t>(list.size);
  std::uint64_t total = 0;
  for (int i = 0; i < list.size; ++i) {
    const Move& m = list.moves[i];
    const MoveUndo undo = makeMove(g_, m);
    // Taking a king ends the game: nothing follows it.
    if (!isKing(undo.captured)) total += countFrom(depth - 1, !man, ply + 1);
    unmakeMove(g_, m, undo);
  }
  return total;
}

void Perft::generate(bool man, MoveList& list) {
  list.size = 0;
  generateMoves(g_, man, list);
  if (filter_) filter_(g_, man, list);
}

bool Perft::bothKingsPresent() const {
  bool manKing = false, comKing = false;
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      manKing = manKing || g_.Board[x][y] == ManKing;
      comKing = comKing || g_.Board[x][y] == ComKing;
    }
  }
  return manKing && comKing;
}

bool Perft::manToMove() const { return !(g_.Turn != NoSide && g_.Turn == g_.ComSide); }

void Perft::reserve(int depth) {
  if (static_cast<int>(lists_.size()) < depth) lists_.resize(depth);
}

void printPerft(std::ostream& out, Game& g, int depth, bool divide, MoveFilter filter) {
  Perft perft(g, filter);
  if (!divide) {
    out << perft.count(depth) << "\n";
    return;
  }
  // Depth 0 has no first moves but still one sequence, the empty one.
  std::uint64_t total = depth <= 0 ? 1 : 0;
  for (const DivideLine& line : perft.divide(depth)) {
    const Move& m = line.move;
    const int fromY = handIndexOfCell(m.fromX, m.fromY);
    out << m.fromX << ' ' << fromY << ' ' << m.toX << ' ' << m.toY << ' ' << m.piece << ' ' << line.count << "\n";
    total += line.count;
  }
  out << "total " << total << "\n";
}

}  // namespace vudeve
