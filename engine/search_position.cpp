#include "engine/search_position.h"

#include <algorithm>
#include <cstdlib>

namespace vudeve::search {

namespace {

struct Offset {
  int dx, dy;
};

// The eight king directions; steps and rays name them by index. dy is
// counted forward for the piece's owner (towards row 9 for COM).
constexpr Offset Directions[8] = {{0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}, {-1, -1}, {1, -1}};
constexpr int Forward = 0, ForwardLeft = 1, ForwardRight = 2, Left = 3, Right = 4, Back = 5, BackLeft = 6,
              BackRight = 7;

constexpr unsigned bit(int d) { return 1u << d; }
constexpr unsigned GoldSteps = bit(Forward) | bit(ForwardLeft) | bit(ForwardRight) | bit(Left) | bit(Right) | bit(Back);
constexpr unsigned SilverSteps = bit(Forward) | bit(ForwardLeft) | bit(ForwardRight) | bit(BackLeft) | bit(BackRight);
constexpr unsigned AllSteps = 0xff;
constexpr unsigned Orthogonal = bit(Forward) | bit(Left) | bit(Right) | bit(Back);
constexpr unsigned Diagonal = bit(ForwardLeft) | bit(ForwardRight) | bit(BackLeft) | bit(BackRight);

// One-square steps and ray directions of each kind.
constexpr unsigned StepsOf[KindCount] = {
    0,           bit(Forward), 0,         0,         SilverSteps, GoldSteps, 0,        0,
    AllSteps,    GoldSteps,    GoldSteps, GoldSteps, GoldSteps,   Orthogonal, Diagonal};
constexpr unsigned RaysOf[KindCount] = {0, 0, bit(Forward), 0, 0, 0, Diagonal, Orthogonal,
                                        0, 0, 0,            0, 0, Diagonal, Orthogonal};

constexpr int PromotedOf[KindCount] = {0, Tokin, PromLance, PromKnight, PromSilver, 0, Horse, Dragon,
                                       0, 0,     0,         0,          0,          0, 0};
constexpr int BaseOf[KindCount] = {0, Pawn, Lance, Knight, Silver, Gold, Bishop, Rook,
                                   King, Pawn, Lance, Knight, Silver, Bishop, Rook};
constexpr int CodeOf[KindCount] = {0, ComPawn, ComLance, ComKnight, ComSilver, ComGold, ComBishop, ComRook,
                                   ComKing, ComTokin, ComPromLance, ComPromKnight, ComPromSilver, ComHorse, ComDragon};

constexpr int forwardOf(int s) { return s == Com ? 1 : -1; }
constexpr int signOf(int s) { return s == Com ? 1 : -1; }
inline bool onBoard(int x, int y) { return x >= 1 && x <= BoardSize && y >= 1 && y <= BoardSize; }
inline int kindAt(std::int8_t code) { return code < 0 ? -code : code; }
inline bool ownedBy(std::int8_t code, int s) { return s == Com ? code > 0 : code < 0; }

// Rows where a side may promote, and where a pawn, lance or knight would
// have no further move.
inline bool inZone(int s, int y) { return s == Com ? y > 6 : y < 4; }
inline bool mustPromote(int s, int kind, int y) {
  const int depth = s == Com ? y : 10 - y;  // 9 on the far row
  if (kind == Pawn || kind == Lance) return depth == 9;
  if (kind == Knight) return depth >= 8;
  return false;
}

// Zobrist keys from a fixed seed, so that the search repeats itself.
struct Keys {
  std::uint64_t piece[2 * KindCount][Squares];
  std::uint64_t hand[2][8][20];
  std::uint64_t side;
  Keys() {
    std::uint64_t state = 0x9e3779b97f4a7c15ull;
    auto next = [&state] {
      std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
      z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
      z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
      return z ^ (z >> 31);
    };
    for (auto& row : piece)
      for (auto& k : row) k = next();
    for (auto& s : hand)
      for (auto& kind : s)
        for (auto& k : kind) k = next();
    side = next();
  }
};
const Keys keys;

inline std::uint64_t pieceKey(int signedKind, int sq) { return keys.piece[signedKind + KindCount][sq]; }

// Whether the piece on `from` moves to `to` under its movement rules on this
// board (the destination may hold anything but a piece of its own side).
bool reaches(const std::array<std::int8_t, Squares>& board, int from, int to) {
  const std::int8_t code = board[from];
  const int s = code > 0 ? Com : Man;
  if (from == to || ownedBy(board[to], s)) return false;
  const int kind = kindAt(code);
  const int f = forwardOf(s);
  const int dx = fileOf(to) - fileOf(from);
  const int dy = (rowOf(to) - rowOf(from)) * f;
  if (kind == Knight) return std::abs(dx) == 1 && dy == 2;
  if (std::abs(dx) <= 1 && std::abs(dy) <= 1) {
    for (int d = 0; d < 8; ++d)
      if (Directions[d].dx == dx && Directions[d].dy == dy && ((StepsOf[kind] | RaysOf[kind]) & bit(d))) return true;
    return false;
  }
  const unsigned rays = RaysOf[kind];
  for (int d = 0; d < 8; ++d) {
    if (!(rays & bit(d))) continue;
    const int sx = Directions[d].dx, sy = Directions[d].dy;
    // (dx, dy) must be a positive multiple of the direction.
    const int n = sx != 0 ? dx / sx : dy / sy;
    if (n <= 1 || dx != sx * n || dy != sy * n) continue;
    const int x0 = fileOf(from), y0 = rowOf(from);
    for (int i = 1; i < n; ++i)
      if (board[squareOf(x0 + sx * i, y0 + sy * i * f)] != 0) return false;
    return true;
  }
  return false;
}

// Whether a piece of bySide reaches sq, the square `ignored` counted empty.
bool attackedOn(const std::array<std::int8_t, Squares>& board, int sq, int bySide, int ignored) {
  const int x = fileOf(sq), y = rowOf(sq);
  const int f = forwardOf(bySide);
  // An attacker one step away in direction d from the target moves -d.
  for (int d = 0; d < 8; ++d) {
    const int ax = x - Directions[d].dx, ay = y - Directions[d].dy * f;
    if (!onBoard(ax, ay)) continue;
    const int a = squareOf(ax, ay);
    if (a == ignored) continue;
    const std::int8_t code = board[a];
    if (ownedBy(code, bySide) && ((StepsOf[kindAt(code)] | RaysOf[kindAt(code)]) & bit(d))) return true;
  }
  for (int side = -1; side <= 1; side += 2) {
    const int ax = x - side, ay = y - 2 * f;
    if (!onBoard(ax, ay)) continue;
    const std::int8_t code = board[squareOf(ax, ay)];
    if (ownedBy(code, bySide) && kindAt(code) == Knight) return true;
  }
  for (int d = 0; d < 8; ++d) {
    const int sx = Directions[d].dx, sy = Directions[d].dy * f;
    int ax = x - sx, ay = y - sy;
    // The adjacent square was seen above.
    if (!onBoard(ax, ay)) continue;
    if (squareOf(ax, ay) != ignored && board[squareOf(ax, ay)] != 0) continue;
    for (ax -= sx, ay -= sy; onBoard(ax, ay); ax -= sx, ay -= sy) {
      const int a = squareOf(ax, ay);
      if (a == ignored) continue;
      const std::int8_t code = board[a];
      if (code == 0) continue;
      if (ownedBy(code, bySide) && (RaysOf[kindAt(code)] & bit(d))) return true;
      break;
    }
  }
  return false;
}

}  // namespace

int gameCode(int signedKind) { return signedKind >= 0 ? CodeOf[signedKind] : -CodeOf[-signedKind]; }

int signedKindOf(int code) {
  const int magnitude = code < 0 ? -code : code;
  for (int k = 1; k < KindCount; ++k)
    if (CodeOf[k] == magnitude) return code < 0 ? -k : k;
  return 0;
}

Position Position::fromGame(const Game& g, int sideToMove) {
  Position p;
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      const int sk = signedKindOf(g.Board[x][y]);
      p.board[squareOf(x, y)] = static_cast<std::int8_t>(sk);
      if (sk == King) p.king[Com] = squareOf(x, y);
      if (sk == -King) p.king[Man] = squareOf(x, y);
    }
  }
  for (int k = 1; k <= 7; ++k) {
    p.hand[Com][k] = static_cast<std::uint8_t>(g.ComHand[k] > 0 ? g.ComHand[k] : 0);
    p.hand[Man][k] = static_cast<std::uint8_t>(g.ManHand[k] > 0 ? g.ManHand[k] : 0);
  }
  p.side = sideToMove;
  p.key = p.computeKey();
  return p;
}

std::uint64_t Position::computeKey() const {
  std::uint64_t k = side == Man ? keys.side : 0;
  for (int sq = 0; sq < Squares; ++sq)
    if (board[sq] != 0) k ^= pieceKey(board[sq], sq);
  for (int s = 0; s < 2; ++s)
    for (int kind = 1; kind <= 7; ++kind) k ^= keys.hand[s][kind][hand[s][kind] % 20];
  return k;
}

bool Position::attacked(int sq, int bySide) const { return attackedOn(board, sq, bySide, -1); }

bool Position::attackedWithout(int sq, int bySide, int ignored) const {
  return attackedOn(board, sq, bySide, ignored);
}

void Position::mapAttacks(AttackMap& map, const int* worth) const {
  for (auto& side : map.count) side.fill(0);
  for (auto& side : map.dearest) side.fill(NoKind);
  auto mark = [&](int s, int to, int kind) {
    ++map.count[s][to];
    std::int8_t& dearest = map.dearest[s][to];
    if (kind != King && worth[kind] > worth[dearest]) dearest = static_cast<std::int8_t>(kind);
  };
  for (int from = 0; from < Squares; ++from) {
    const std::int8_t code = board[from];
    if (code == 0) continue;
    const int s = code > 0 ? Com : Man;
    const int kind = kindAt(code);
    const int f = forwardOf(s);
    const int x = fileOf(from), y = rowOf(from);
    if (kind == Knight) {
      for (int dx = -1; dx <= 1; dx += 2)
        if (onBoard(x + dx, y + 2 * f)) mark(s, squareOf(x + dx, y + 2 * f), kind);
      continue;
    }
    for (int d = 0; d < 8; ++d) {
      const int sx = Directions[d].dx, sy = Directions[d].dy * f;
      if (RaysOf[kind] & bit(d)) {
        for (int tx = x + sx, ty = y + sy; onBoard(tx, ty); tx += sx, ty += sy) {
          mark(s, squareOf(tx, ty), kind);
          if (board[squareOf(tx, ty)] != 0) break;
        }
      } else if ((StepsOf[kind] & bit(d)) && onBoard(x + sx, y + sy)) {
        mark(s, squareOf(x + sx, y + sy), kind);
      }
    }
  }
}

void Position::generateAll(MoveList& list, bool capturesOnly) const {
  const int s = side;
  const int f = forwardOf(s);
  auto addBoardMove = [&](int from, int to, int kind) {
    if (capturesOnly && board[to] == 0) return;
    const bool may = PromotedOf[kind] != 0 &&
                     (inZone(s, rowOf(to)) || (kind >= Silver && inZone(s, rowOf(from))));
    if (!may) {
      list.moves[list.size++] = makeMove(from, to, false);
      return;
    }
    if (!mustPromote(s, kind, rowOf(to))) list.moves[list.size++] = makeMove(from, to, false);
    list.moves[list.size++] = makeMove(from, to, true);
  };
  unsigned pawnFiles = 0;
  for (int from = 0; from < Squares; ++from) {
    const std::int8_t code = board[from];
    if (!ownedBy(code, s)) continue;
    const int kind = kindAt(code);
    const int x = fileOf(from), y = rowOf(from);
    if (kind == Pawn) pawnFiles |= 1u << x;
    if (kind == Knight) {
      for (int dx = -1; dx <= 1; dx += 2) {
        if (!onBoard(x + dx, y + 2 * f)) continue;
        const int to = squareOf(x + dx, y + 2 * f);
        if (!ownedBy(board[to], s)) addBoardMove(from, to, kind);
      }
      continue;
    }
    const unsigned stepSet = StepsOf[kind];
    const unsigned raySet = RaysOf[kind];
    for (int d = 0; d < 8; ++d) {
      const int sx = Directions[d].dx, sy = Directions[d].dy * f;
      if (raySet & bit(d)) {
        for (int tx = x + sx, ty = y + sy; onBoard(tx, ty); tx += sx, ty += sy) {
          const int to = squareOf(tx, ty);
          if (ownedBy(board[to], s)) break;
          addBoardMove(from, to, kind);
          if (board[to] != 0) break;
        }
      } else if (stepSet & bit(d)) {
        if (!onBoard(x + sx, y + sy)) continue;
        const int to = squareOf(x + sx, y + sy);
        if (!ownedBy(board[to], s)) addBoardMove(from, to, kind);
      }
    }
  }
  for (int kind = 1; kind <= 7 && !capturesOnly; ++kind) {
    if (hand[s][kind] == 0) continue;
    for (int to = 0; to < Squares; ++to) {
      if (board[to] != 0) continue;
      const int y = rowOf(to);
      if (kind == Pawn && (pawnFiles & (1u << fileOf(to)))) continue;
      if ((kind == Pawn || kind == Lance || kind == Knight) && mustPromote(s, kind, y)) continue;
      list.moves[list.size++] = makeMove(DropFrom + kind, to, false);
    }
  }
}

bool Position::hasSafeCapture(int from) const {
  const int s = owner(from);
  if (s < 0) return false;
  std::array<std::int8_t, Squares> trial = board;
  const std::int8_t mover = board[from];
  const bool kingMoves = kindAt(mover) == King;
  for (int to = 0; to < Squares; ++to) {
    if (board[to] == 0 || ownedBy(board[to], s) || !reaches(board, from, to)) continue;
    const int kingSquare = kingMoves ? to : king[s];
    if (kingSquare < 0) return true;  // no king of its own to expose
    trial[from] = 0;
    trial[to] = mover;
    const bool exposed = attackedOn(trial, kingSquare, 1 - s, -1);
    trial[from] = mover;
    trial[to] = board[to];
    if (!exposed) return true;
  }
  return false;
}

bool Position::generate(MoveList& list) const {
  list.size = 0;
  generateAll(list, false);
  return keepCompulsoryCaptures(list);
}

bool Position::generateCaptures(MoveList& list) const {
  list.size = 0;
  generateAll(list, true);
  return keepCompulsoryCaptures(list);
}

bool Position::keepCompulsoryCaptures(MoveList& list) const {
  // -1 unknown, 0 no safe capture, 1 has one: each piece asked once.
  std::array<std::int8_t, Squares> safe;
  safe.fill(-1);
  bool bound = false;
  for (int i = 0; i < list.size && !bound; ++i) {
    const Move m = list.moves[i];
    if (!isCapture(m)) continue;
    std::int8_t& answer = safe[fromOf(m)];
    if (answer < 0) answer = hasSafeCapture(fromOf(m)) ? 1 : 0;
    bound = answer == 1;
  }
  if (!bound) return false;
  int kept = 0;
  for (int i = 0; i < list.size; ++i) {
    const Move m = list.moves[i];
    if (!isCapture(m)) continue;
    std::int8_t& answer = safe[fromOf(m)];
    if (answer < 0) answer = hasSafeCapture(fromOf(m)) ? 1 : 0;
    if (answer == 1) list.moves[kept++] = m;
  }
  list.size = kept;
  return true;
}

int Position::placedKind(Move m) const {
  if (isDrop(m)) return signOf(side) * dropKind(m);
  const std::int8_t code = board[fromOf(m)];
  if (!promotes(m)) return code;
  return code > 0 ? PromotedOf[code] : -PromotedOf[-code];
}

Undo Position::make(Move m) {
  const int s = side;
  const int to = toOf(m);
  Undo u{board[to], 0, key};
  const int placed = placedKind(m);
  if (isDrop(m)) {
    const int kind = dropKind(m);
    key ^= keys.hand[s][kind][hand[s][kind]];
    --hand[s][kind];
    key ^= keys.hand[s][kind][hand[s][kind]];
  } else {
    const int from = fromOf(m);
    u.moved = board[from];
    key ^= pieceKey(u.moved, from);
    board[from] = 0;
    if (u.captured != 0) {
      key ^= pieceKey(u.captured, to);
      const int base = BaseOf[kindAt(u.captured)];
      if (base == King) {
        king[1 - s] = -1;
      } else {
        key ^= keys.hand[s][base][hand[s][base] % 20];
        ++hand[s][base];
        key ^= keys.hand[s][base][hand[s][base] % 20];
      }
    }
    if (kindAt(u.moved) == King) king[s] = to;
  }
  board[to] = static_cast<std::int8_t>(placed);
  key ^= pieceKey(placed, to);
  side = 1 - s;
  key ^= keys.side;
  return u;
}

void Position::unmake(Move m, const Undo& u) {
  side = 1 - side;
  const int s = side;
  const int to = toOf(m);
  if (isDrop(m)) {
    ++hand[s][dropKind(m)];
    board[to] = 0;
  } else {
    const int from = fromOf(m);
    board[from] = u.moved;
    board[to] = u.captured;
    if (kindAt(u.moved) == King) king[s] = from;
    if (u.captured != 0) {
      const int base = BaseOf[kindAt(u.captured)];
      if (base == King)
        king[1 - s] = to;
      else
        --hand[s][base];
    }
  }
  key = u.key;
}

void Position::flipSide() {
  side = 1 - side;
  key ^= keys.side;
}

bool Position::comMated() const {
  const int k = king[Com];
  if (k < 0 || !attacked(k, Man)) return false;

  // The checking pieces (9) and the squares between a checking line and the
  // king (1); a knight marks the king's own square as well. The person's
  // king, when it is the one attacking, marks nothing.
  std::array<std::int8_t, Squares> checks{};
  const int kx = fileOf(k), ky = rowOf(k);
  for (int sq = 0; sq < Squares; ++sq) {
    if (!ownedBy(board[sq], Man)) continue;
    const int kind = kindAt(board[sq]);
    if (kind == King || !reaches(board, sq, k)) continue;
    checks[sq] = 9;
    if (kind == Knight) {
      checks[k] = 9;
      continue;
    }
    const int dx = kx - fileOf(sq), dy = ky - rowOf(sq);
    const int n = std::max(std::abs(dx), std::abs(dy));
    for (int i = 1; i < n; ++i) checks[squareOf(fileOf(sq) + dx / n * i, rowOf(sq) + dy / n * i)] = 1;
  }

  int total = 0;
  for (int kind = 1; kind <= 7; ++kind) total += hand[Com][kind];
  if (total > 0) {
    // A drop defends only when every blocking square blocks every check; a
    // pawn stands for whatever the hand holds, and with pawns alone a square
    // where no pawn may go stays empty.
    const bool onlyPawns = total == hand[Com][Pawn];
    unsigned pawnFiles = 0;
    for (int sq = 0; sq < Squares; ++sq)
      if (board[sq] == Pawn) pawnFiles |= 1u << fileOf(sq);
    bool defends = true;
    std::array<std::int8_t, Squares> trial = board;
    for (int sq = 0; sq < Squares && defends; ++sq) {
      if (checks[sq] == 9 && std::abs(fileOf(sq) - kx) < 2 && std::abs(rowOf(sq) - ky) < 2) defends = false;
      if (!defends || checks[sq] != 1) continue;
      const bool pawnMayGo = !(pawnFiles & (1u << fileOf(sq))) && rowOf(sq) != 9;
      if (!onlyPawns || pawnMayGo) trial[sq] = Pawn;
      for (int c = 0; c < Squares && defends; ++c)
        if (checks[c] == 9 && reaches(trial, c, k)) defends = false;
      trial[sq] = board[sq];
    }
    if (defends) return false;
  }

  // A king step to a square no piece of the person reaches (his lines seen
  // through the king).
  for (int d = 0; d < 8; ++d) {
    const int x = kx + Directions[d].dx, y = ky + Directions[d].dy;
    if (!onBoard(x, y) || ownedBy(board[squareOf(x, y)], Com)) continue;
    if (!attackedWithout(squareOf(x, y), Man, k)) return false;
  }

  // Another piece captures a checker or steps onto a checking line, without
  // promoting.
  std::array<std::int8_t, Squares> trial = board;
  for (int from = 0; from < Squares; ++from) {
    if (!ownedBy(board[from], Com) || kindAt(board[from]) == King) continue;
    for (int t = 0; t < Squares; ++t) {
      if (checks[t] == 0 || !reaches(board, from, t)) continue;
      trial[t] = board[from];
      trial[from] = 0;
      const bool stillAttacked = attackedOn(trial, k, Man, -1);
      trial[t] = board[t];
      trial[from] = board[from];
      if (!stillAttacked) return false;
    }
  }
  return true;
}

GameMove toGameMove(const Position& p, Move m) {
  GameMove gm{};
  gm.toX = fileOf(toOf(m));
  gm.toY = rowOf(toOf(m));
  gm.placed = gameCode(p.placedKind(m));
  if (isDrop(m)) {
    gm.fromX = p.side == Com ? -1 : 11;
    gm.fromY = dropKind(m);
    gm.moving = gm.placed;
  } else {
    gm.fromX = fileOf(fromOf(m));
    gm.fromY = rowOf(fromOf(m));
    gm.moving = gameCode(p.board[fromOf(m)]);
  }
  return gm;
}

}  // namespace vudeve::search
