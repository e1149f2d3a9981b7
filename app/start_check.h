// `vudeve --check`: the game starts as it always does (sound library, the
// four sounds, settings file, even position, window), says on standard
// output where it found each of its files, and quits through 終わり. It
// waits for nobody: a message box shown meanwhile is written to standard
// error and closed. For installers and bug reports.
#pragma once

#include "app/game_binding.h"
#include "app/main_window.h"
#include "rules/game.h"
#include "sound/binding/sound_module.h"

namespace vudeve::window {

// Runs the check inside the application's event loop; the exit status is
// 1 when the sound library or one of the sounds was not found.
int runStartCheck(Game& g, MainWindow& window, GameBinding& binding, const LoadedSoundLibrary& sound);

}  // namespace vudeve::window
