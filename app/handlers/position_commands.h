// The 局面 menu: 戻, 進, 最初 and 反転 step through the stored positions
// and turn the board round; 局面コピー hands the position to other
// programs. A step copies a whole snapshot back; it never replays a move.
#pragma once

#include "rules/game.h"

namespace vudeve {

// The 局面 menu itself: closes the record-file panel.
void STOP_Click(Game& g);
void REPLAY_Click(Game& g);   // 戻
void AFTER_Click(Game& g);    // 進
void CANCEL_Click(Game& g);   // 最初
void REVERSE_Click(Game& g);  // 反転
// 局面コピー: the position shown, as a line of SFEN on the clipboard, for
// other shogi programs.
void COPY_Click(Game& g);
// 棋譜コピー: the game shown, as the KIF text the record panel writes, on
// the clipboard.
void KIFU_COPY_Click(Game& g);
// 棋譜貼り付け: the clipboard's text read as a record (KIF, KI2, CSA, an
// SFEN line or a USI position line) and shown as 読込 shows a file's. Text
// that cannot be read gets its message and leaves the game as it was.
void KIFU_PASTE_Click(Game& g);

}  // namespace vudeve
