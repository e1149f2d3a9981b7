// vudeve: the window with the game in it.
#include <QApplication>

#include "app/game_binding.h"
#include "app/main_window.h"
#include "rules/game.h"
#include "sound/binding/sound_module.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vudeve::Game game;
  vudeve::window::MainWindow window;
  vudeve::LoadedSoundLibrary sound;
  vudeve::window::GameBinding binding(game, window, sound);
  binding.start();
  return app.exec();
}
