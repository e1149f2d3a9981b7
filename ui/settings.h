// The four preferences of the ｵﾌﾟｼｮﾝ menu and the settings file that keeps
// them between runs. While the game runs the menu check marks are the
// master copy; the file is rewritten from them after every change.
#pragma once

#include "rules/game.h"

namespace vudeve {

inline constexpr const char* SettingsFileName = "vudeve.ini";

// Applies "vudeve.ini" from g.SettingsFolder; a file that cannot be opened
// or read is replaced by the default file.
void 読込_環境設定ファイル(Game& g);
// Rewrites "vudeve.ini" from the menu check marks.
void 書込_環境設定ファイル(Game& g);
// Checks the background item of the code and unchecks the other four.
void チェック設定(Game& g, int backgroundCode);

void OPTION_Click(Game& g);
void MIDORI_Click(Game& g);
void TATAMI_Click(Game& g);
void TAKE_Click(Game& g);
void UCHU_Click(Game& g);
void RENGA_Click(Game& g);
void SIDOU_Click(Game& g);
void KEIKA_Click(Game& g);
void BGM_Click(Game& g);
void VER_Click(Game& g);

}  // namespace vudeve
