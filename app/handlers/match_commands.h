// The 対局 menu and the handicap buttons: starting or resuming games between
// two people or against the computer, the computer's level, handicap grades.
#pragma once

#include "rules/game.h"

namespace vudeve {

void TAIKYOKU_Click(Game& g);
void MATCH_MAN_Click(Game& g);
void START_Click(Game& g);
void SENTE_Click(Game& g);
void GOTE_Click(Game& g);
void LEVEL1_Click(Game& g);
void LEVEL2_Click(Game& g);
void LEVEL3_Click(Game& g);
void LEVEL4_Click(Game& g);
void LEVEL5_Click(Game& g);
void レベル_設定(Game& g, int level);
void LBEL_UP_Click(Game& g);
void LEBEL_DOWN_Click(Game& g);

// While the computer thinks in the background, a press or a command that
// would change the game is refused with the forbidden sound, and nothing
// waits for the answer to run later. True when refused.
bool refusedWhileComThinks(Game& g);

// Hides the record-file panel, as every menu command does.
void 描画_棋譜パネル消去(Game& g);

}  // namespace vudeve
