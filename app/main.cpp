// vudeve: the window with the game in it. `vudeve FILE` starts with the
// record file read, as 読込 would leave it; `vudeve --check` starts, says
// where it found its files and quits (app/start_check.h); `vudeve --silent`
// plays without sound and without the warning that there is none.
#include <QApplication>
#include <QIcon>

#include "app/game_binding.h"
#include "app/main_window.h"
#include "app/start_check.h"
#include "rules/game.h"
#include "sound/binding/sound_module.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QIcon icon;
  for (const char* size : {"48", "256"}) icon.addFile(QStringLiteral(":/icons/vudeve-%1.png").arg(QLatin1String(size)));
  QApplication::setWindowIcon(icon);
  QApplication::setDesktopFileName(QStringLiteral("vudeve"));
  vudeve::Game game;
  vudeve::window::MainWindow window;
  vudeve::LoadedSoundLibrary sound;
  vudeve::SilentSoundLibrary silence(1);
  const bool silent = app.arguments().contains(QStringLiteral("--silent"));
  vudeve::window::GameBinding binding(game, window, silent ? static_cast<vudeve::SoundLibrary&>(silence) : sound);
  if (app.arguments().contains(QStringLiteral("--check")))
    return vudeve::window::runStartCheck(game, window, binding, sound);
  binding.start();
  for (const QString& argument : app.arguments().mid(1))
    if (!argument.startsWith(QLatin1Char('-'))) {
      binding.openRecord(argument);
      break;
    }
  return app.exec();
}
