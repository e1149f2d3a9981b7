// vudeve: the window with the game in it.
#include <QApplication>

#include "app/main_window.h"
#include "rules/game.h"
#include "rules/setup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vudeve::Game game;
  vudeve::window::MainWindow window;
  window.attach(game);

  game.BackgroundCode = vudeve::MidoriCode;
  game.Menus->setChecked(vudeve::MenuItem::MIDORI, true);
  game.Menus->setChecked(vudeve::MenuItem::LEVEL3, true);
  vudeve::初期設定(game);

  window.showAtStartSize();
  return app.exec();
}
