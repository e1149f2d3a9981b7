#include "app/start_check.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <string>

#include "ui/settings.h"

namespace vudeve::window {
namespace {

bool report(const char* what, const std::filesystem::path& found) {
  const std::string where = found.empty() ? "missing" : std::filesystem::absolute(found).lexically_normal().string();
  std::printf("%s: %s\n", what, where.c_str());
  return !found.empty();
}

// Every line is written, whatever is missing.
bool reportFiles(const Game& g, const LoadedSoundLibrary& sound) {
  bool found = report("sound library", sound.path());
  for (const char* wave : WaveFileNames) found = report(wave, findWave(wave)) && found;
  report(SettingsFileName, std::filesystem::path(g.SettingsFolder) / SettingsFileName);
  return found;
}

}  // namespace

int runStartCheck(Game& g, MainWindow& window, GameBinding& binding, const LoadedSoundLibrary& sound) {
  window.messages().beforeExec = [](QMessageBox& box) {
    std::fprintf(stderr, "%s: %s\n", box.windowTitle().toUtf8().constData(), box.text().toUtf8().constData());
    QTimer::singleShot(0, &box, &QMessageBox::reject);
  };
  int status = 0;
  binding.start();
  QTimer::singleShot(0, &window, [&] {
    status = reportFiles(g, sound) ? 0 : 1;
    std::fflush(stdout);
    window.runCommand(QStringLiteral("OWARI"));
  });
  QApplication::exec();
  return status;
}

}  // namespace vudeve::window
