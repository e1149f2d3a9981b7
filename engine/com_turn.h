// The computer's turn: a one-move-deep search over every legal move and drop.
#pragma once

#include "rules/game.h"

namespace vudeve {

// One candidate of the search. fromX -1 marks a drop; fromY is then the hand
// index 1..7.
struct ComCandidate {
  int fromX = 0, fromY = 0, toX = 0, toY = 0;
  int placed = 0;          // code put on the destination, after the promotion decision
  int candidatePiece = 0;  // code of the moving piece before promotion
  double score = 0;
};

// What the search asks besides the game state. In play the candidates are
// scored by 盤評価 and nobody listens; tools watch every scored candidate,
// and tests fix the scores to pin down the search's own decisions.
class ComSearchHooks {
 public:
  virtual ~ComSearchHooks() = default;
  // Scores the candidate now standing on the board (maps already surveyed).
  virtual double score(Game& g, int captured, int placed, int fromX, int fromY, int toX, int toY);
  // Every scored candidate, in search order.
  virtual void scored(const ComCandidate& candidate) {}
  // The move about to be played; not called when no candidate exists.
  virtual void chosen(const ComCandidate& candidate) {}
};

// The turn as the handlers run it: reported to the hooks of the latest
// ComTurnWatch on g that still lives, if any. From LEVEL4 up the move comes
// from the deep search (engine/search_turn.h), which reports only the move
// chosen, with its searched score.
void com_ban(Game& g);
void com_ban(Game& g, ComSearchHooks& hooks);

// Tools watch the computer's turns that the handlers start on a game: while
// a watch lives, those turns report to its hooks. In play there is none.
class ComTurnWatch {
 public:
  ComTurnWatch(const Game& g, ComSearchHooks& hooks);
  ~ComTurnWatch();
  ComTurnWatch(const ComTurnWatch&) = delete;
  ComTurnWatch& operator=(const ComTurnWatch&) = delete;

 private:
  friend void com_ban(Game& g);
  const Game& game_;
  ComSearchHooks& hooks_;
  ComTurnWatch* outer_;
};

// The search alone, for a host that picks the move itself from a tool game:
// every candidate is scored and reported through hooks.scored as com_ban
// would, but nothing is played and chosen is not called; the position is
// as before, the maps those of the last candidate tried. Without compulsory
// capture every board move and drop is tried, as when the computer has no
// capture to make.
void searchComMoves(Game& g, ComSearchHooks& hooks, bool compulsoryCapture);

// The steps every computer turn shares, whichever level chose the move.
// The turn's clock starts and the thinking label shows.
void beginComTurn(Game& g);
// The chosen move played as the game plays it: record, notation, sound,
// the computer's clock (the thinking counted), the announcements decided
// on the position after the move, and the turn handed back.
void playComMove(Game& g, const ComCandidate& move);
// No legal move and no drop: the turn ends with nothing played, the maps
// describing the real position again.
void passComTurn(Game& g);

}  // namespace vudeve
