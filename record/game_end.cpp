#include "record/game_end.h"

#include <algorithm>

namespace vudeve {
namespace {

enum class Outcome { Nobody, MoverWins, MoverLoses };

struct Ending {
  std::string_view word;
  std::string_view csa;  // "" when CSA has none of its own
  Outcome outcome;
};

// KIF's end words as Kifu for Windows and the programs after it write
// them. 反則勝ち is CSA's %±ILLEGAL_ACTION with the sign of the side that
// erred, the side not to move, so it is looked after by hand.
constexpr Ending Endings[] = {
    {"投了", "%TORYO", Outcome::MoverLoses},         {"中断", "%CHUDAN", Outcome::Nobody},
    {"千日手", "%SENNICHITE", Outcome::Nobody},      {"持将棋", "%JISHOGI", Outcome::Nobody},
    {"切れ負け", "%TIME_UP", Outcome::MoverLoses},   {"時間切れ", "%TIME_UP", Outcome::MoverLoses},
    {"反則負け", "%ILLEGAL_MOVE", Outcome::MoverLoses}, {"反則勝ち", "", Outcome::MoverWins},
    {"入玉勝ち", "%KACHI", Outcome::MoverWins},      {"詰み", "%TSUMI", Outcome::MoverLoses},
    {"不詰", "%FUZUMI", Outcome::Nobody},            {"引き分け", "%HIKIWAKE", Outcome::Nobody},
    {"待った", "%MATTA", Outcome::Nobody},           {"エラー", "%ERROR", Outcome::Nobody},
    {"封じ手", "", Outcome::Nobody},                 {"不戦勝", "", Outcome::MoverWins},
    {"不戦敗", "", Outcome::MoverLoses},
};
constexpr std::string_view IllegalAction = "ILLEGAL_ACTION";

const Ending* endingOf(std::string_view word) {
  for (const Ending& e : Endings)
    if (e.word == word) return &e;
  return nullptr;
}

// The side a role word of the summary stands for: 先手 and 下手 sit at
// the bottom.
int sideOfRole(std::string_view role) {
  return role == kif::EvenRoles.bottom || role == kif::HandicapRoles.bottom ? kif::Bottom : kif::Top;
}

// The winner the summary names: "…先手の勝ち", "…上手の反則負け"; 0 when
// it names none.
int winnerInSummary(std::string_view summary) {
  for (std::size_t at = 0; at < summary.size(); ++at) {
    for (std::string_view role : {kif::EvenRoles.bottom, kif::EvenRoles.top, kif::HandicapRoles.bottom,
                                  kif::HandicapRoles.top}) {
      const std::string_view rest = summary.substr(at);
      if (!rest.starts_with(std::string(role) + "の")) continue;
      const int side = sideOfRole(role);
      if (rest.find("負け") != std::string_view::npos) return -side;
      if (rest.find("勝ち") != std::string_view::npos) return side;
    }
  }
  return 0;
}

// The end word the summary names, the first in it; 投了 for a summary that
// only names a winner.
std::string_view endWordInSummary(std::string_view summary) {
  std::size_t first = std::string_view::npos;
  std::string_view word;
  for (const Ending& e : Endings) {
    const std::size_t at = summary.find(e.word);
    if (at < first) {
      first = at;
      word = e.word;
    }
  }
  if (word.empty() && winnerInSummary(summary) != 0) return "投了";
  return word;
}

}  // namespace

std::string_view endWordAt(std::string_view text) {
  for (const Ending& e : Endings)
    if (text.starts_with(e.word)) return e.word;
  return {};
}

int winnerByEndWord(std::string_view word, int sideToMove) {
  const Ending* e = endingOf(word);
  if (!e || e->outcome == Outcome::Nobody) return 0;
  return e->outcome == Outcome::MoverWins ? sideToMove : -sideToMove;
}

void takeEnding(KifHeader& header, std::string_view endWord, std::string_view summary, int sideToMove) {
  header.endWord = endWord.empty() ? endWordInSummary(summary) : endWord;
  header.winner = winnerInSummary(summary);
  if (header.winner == 0) header.winner = winnerByEndWord(header.endWord, sideToMove);
}

std::string summaryLine(const KifHeader& header, std::size_t moves, const kif::Roles& roles) {
  const std::string start = "まで" + std::to_string(moves) + "手で";
  const std::string_view word = header.endWord;
  if (header.winner == 0) return start + std::string(word.empty() ? "中断" : word);
  const std::string winner(roles.of(header.winner)), loser(roles.of(-header.winner));
  if (word == "切れ負け" || word == "時間切れ") return start + "時間切れにより" + winner + "の勝ち";
  if (word == "反則勝ち" || word == "入玉勝ち") return start + winner + "の" + std::string(word);
  if (word == "反則負け") return start + loser + "の反則負け";
  return start + winner + "の勝ち";
}

std::string csaEnding(std::string_view word, int sideToMove) {
  if (word == "反則勝ち") return std::string("%") + (sideToMove == kif::Bottom ? "-" : "+") + std::string(IllegalAction);
  const Ending* e = endingOf(word);
  return e && !e->csa.empty() ? std::string(e->csa) : "%CHUDAN";
}

std::string_view endWordOfCsa(std::string_view ending, int sideToMove) {
  // %+ILLEGAL_ACTION: the bottom player (+) erred and loses.
  for (const int erring : {kif::Bottom, kif::Top}) {
    if (ending == std::string("%") + (erring == kif::Bottom ? "+" : "-") + std::string(IllegalAction))
      return erring == sideToMove ? "反則負け" : "反則勝ち";
  }
  for (const Ending& e : Endings)
    if (!e.csa.empty() && e.csa == ending) return e.word;
  return {};
}

}  // namespace vudeve
