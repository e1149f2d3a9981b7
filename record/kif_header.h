// The headers of a KIF record, shared by its reader and its writer.
#pragma once

#include <string>

#include "platform/ports.h"

namespace vudeve {

struct KifHeader {
  CalendarTime start;  // 開始日時, left out when not known
  std::string title;   // 棋戦, left out when empty
  // The players by where they sit in the record: bottom (MAN) and top (COM).
  std::string bottomName, topName;
  // kif::Bottom or kif::Top when that player won, 0 otherwise; a game whose
  // last move takes a king is won by its mover without saying so.
  int winner = 0;
  // The word that ended the game (投了, 千日手, …), "" when none is known.
  std::string endWord;
};

}  // namespace vudeve
