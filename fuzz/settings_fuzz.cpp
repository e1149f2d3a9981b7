// The settings-file reader over arbitrary bytes. Whatever the file holds,
// at most one background is checked afterwards (none only when the file
// named none), and the file the game writes from the menu reads back to the
// same menu.
#include <string>

#include "fuzz/fuzz_support.h"
#include "rules/game.h"
#include "ui/settings.h"

namespace {

using namespace vudeve;

constexpr MenuItem Items[] = {MenuItem::MIDORI, MenuItem::TATAMI, MenuItem::TAKE, MenuItem::UCHU,
                              MenuItem::RENGA,  MenuItem::SIDOU,  MenuItem::KEIKA, MenuItem::BGM};

std::string menuOf(const Game& g) {
  std::string marks;
  for (MenuItem item : Items) marks += g.Menus->isChecked(item) ? '1' : '0';
  return marks + " " + std::to_string(g.BackgroundCode) + " " + std::to_string(g.GuidanceOn) + " " +
         std::to_string(g.GuideColor);
}

int backgroundsChecked(const Game& g) {
  int n = 0;
  for (int i = 0; i < 5; ++i) n += g.Menus->isChecked(Items[i]) ? 1 : 0;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::writeFile(fuzzing::scratchFolder() / SettingsFileName, data, size);
  Game g;
  g.SettingsFolder = fuzzing::scratchFolder().string();
  読込_環境設定ファイル(g);
  if (backgroundsChecked(g) > 1) fuzzing::fail("more than one background checked");
  if (g.GuidanceOn != g.Menus->isChecked(MenuItem::SIDOU)) fuzzing::fail("guidance and its check mark disagree");

  書込_環境設定ファイル(g);
  Game again;
  again.SettingsFolder = g.SettingsFolder;
  again.BackgroundCode = g.BackgroundCode;
  again.GuidanceOn = g.GuidanceOn;
  again.GuideColor = g.GuideColor;
  読込_環境設定ファイル(again);
  if (menuOf(again) != menuOf(g)) fuzzing::fail("menu " + menuOf(g) + " reads back as " + menuOf(again));
  return 0;
}
