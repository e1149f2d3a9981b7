#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "sound/binding/program_folders.h"
#include "sound/binding/sound_module.h"

namespace vudeve {
namespace {

constexpr int EffectFlags = 3;
constexpr int TuneFlags = 1;

// The whole file, or the text of the error that stopped the reading.
bool readWhole(const std::filesystem::path& path, std::vector<unsigned char>& image, std::string& errorText) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    errorText = std::strerror(errno);
    return false;
  }
  unsigned char block[65536];
  std::size_t got = 0;
  while ((got = std::fread(block, 1, sizeof block, file)) > 0) image.insert(image.end(), block, block + got);
  const bool failed = std::ferror(file) != 0;
  if (failed) errorText = std::strerror(errno);
  std::fclose(file);
  return !failed;
}

}  // namespace

// The current folder first, so a player can put his own sounds beside the
// game; then the sounds that come with it.
std::filesystem::path findWave(const std::string& name) {
  std::error_code error;
  const std::filesystem::path here = std::filesystem::path(name);
  if (std::filesystem::exists(here, error)) return here;
  const std::filesystem::path data = dataFolder();
  if (data.empty()) return {};
  const std::filesystem::path comesWithGame = data / "sounds" / here;
  if (std::filesystem::exists(comesWithGame, error)) return comesWithGame;
  return {};
}

void soundWarning(Game& g, const std::string& text) {
  g.Messages->show(text, "vudeve.dll", MessageButtons::Ok, MessageIcon::Exclamation);
}

void startSoundLibrary(Game& g) {
  g.SoundLibraryHandle = g.Sound->dsInitialize(g.Window->handle());
  if (g.SoundLibraryHandle == 0) soundWarning(g, "Direct Soundインターフェースが作成できません。");
}

SoundHandle loadWave(Game& g, const std::string& name, int flags) {
  if (g.SoundLibraryHandle == 0) return 0;
  const std::filesystem::path path = findWave(name);
  if (path.empty()) return 0;
  std::vector<unsigned char> image;
  std::string errorText;
  if (!readWhole(path, image, errorText)) {
    soundWarning(g, errorText);
    return 0;
  }
  return g.Sound->dsCreateDSB(g.SoundLibraryHandle, image.data(), image.size(), flags);
}

void stopSoundLibrary(Game& g) {
  if (g.SoundLibraryHandle != 0) g.Sound->dsTerminate(g.SoundLibraryHandle);
  g.SoundLibraryHandle = 0;
}

void loadSounds(Game& g) {
  startSoundLibrary(g);
  g.OtherSound = loadWave(g, WaveFileNames[0], EffectFlags);
  g.ForbiddenSound = loadWave(g, WaveFileNames[1], EffectFlags);
  g.PieceSound = loadWave(g, WaveFileNames[2], EffectFlags);
  g.BgmSound = loadWave(g, WaveFileNames[3], TuneFlags);
}

void releaseSounds(Game& g) {
  g.Sound->dsFree(g.OtherSound);
  g.Sound->dsFree(g.ForbiddenSound);
  g.Sound->dsFree(g.PieceSound);
  g.Sound->dsFree(g.BgmSound);
  g.OtherSound = 0;
  g.ForbiddenSound = 0;
  g.PieceSound = 0;
  g.BgmSound = 0;
  stopSoundLibrary(g);
}

}  // namespace vudeve
