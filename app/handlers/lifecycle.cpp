#include "app/handlers/lifecycle.h"

#include "engine/search_turn.h"
#include "rules/setup.h"
#include "sound/binding/sound_module.h"
#include "ui/settings.h"

namespace vudeve {

namespace {
// A window whose top edge is here has been placed by the user already.
constexpr double PlacedTop = -60;
constexpr double WindowWidth = 9500;
constexpr double WindowHeight = 8000;
}  // namespace

void Form_Load(Game& g, SettingsFile settings) {
  loadSounds(g);

  g.RecordMode = FalseValue;
  g.GuidanceOn = FalseValue;
  g.LastMoveNumber = 0;
  g.Level = 3;
  g.Menus->setChecked(MenuItem::LEVEL3, true);
  g.GuideColor = 2;
  g.ComSide = SenteSide;
  g.ManSide = GoteSide;
  g.Screen->setBackColor(BackColorIndex);

  if (settings == SettingsFile::Use) 読込_環境設定ファイル(g);
  初期設定(g);

  if (g.Window->topTwips() != PlacedTop) g.Window->placeTwips(0, 0, WindowWidth, WindowHeight);
}

// A search still thinking is abandoned: quitting does not wait for it.
void 終了処理(Game& g) {
  abandonComThinking(g);
  releaseSounds(g);
}

void OWARI_Click(Game& g) {
  終了処理(g);
  g.Window->quit();
}

void Form_KeyPress(Game& g, int KeyAscii) {
  if (KeyAscii != EscapeKey) return;
  終了処理(g);
  g.Window->quit();
}

void Form_Unload(Game& g) { 終了処理(g); }

}  // namespace vudeve
