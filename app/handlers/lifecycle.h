// Start-up and the three ways to quit.
#pragma once

#include "rules/game.h"

namespace vudeve {

// Whether start-up takes the preferences from "vudeve.ini". A front end
// without preferences ignores the file: it is neither read nor written.
enum class SettingsFile { Use, Ignore };

void Form_Load(Game& g, SettingsFile settings = SettingsFile::Use);
void 終了処理(Game& g);
void OWARI_Click(Game& g);
// Escape (27) quits; every other key is ignored.
void Form_KeyPress(Game& g, int KeyAscii);
void Form_Unload(Game& g);

inline constexpr int EscapeKey = 27;

}  // namespace vudeve
