// The game's side of the sound: our sound library loaded at run time, and
// the start-up and shut-down of the four sounds. Nothing here can stop the
// game: without the library, a device or a wave file the game is silent.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "rules/game.h"
#include "sound/library/vudeve_sound.h"

namespace vudeve {

inline constexpr const char* SoundLibraryFileName = "libvudeve.so";

// Our library opened with dlopen. Until it is loaded (or when it cannot be)
// every operation does nothing and dsInitialize answers 0.
class LoadedSoundLibrary final : public SoundLibrary {
 public:
  // Looks in the game's library folder first, then on the default path.
  LoadedSoundLibrary();
  // Loads exactly this file.
  explicit LoadedSoundLibrary(const std::string& path);
  // The library stays mapped: the audio thread it started may still be
  // running code from it.
  ~LoadedSoundLibrary() override = default;
  LoadedSoundLibrary(const LoadedSoundLibrary&) = delete;
  LoadedSoundLibrary& operator=(const LoadedSoundLibrary&) = delete;

  bool loaded() const { return terminate_ != nullptr; }
  // The file loaded, as it was asked for; empty when none.
  const std::string& path() const { return path_; }

  SoundHandle dsInitialize(std::uintptr_t windowHandle) override;
  SoundHandle dsCreateDSB(SoundHandle library, const unsigned char* image, std::size_t length, int flags) override;
  void dsPlay(SoundHandle buffer) override;
  void dsPlayLooping(SoundHandle buffer) override;
  void dsStop(SoundHandle buffer) override;
  void dsFree(SoundHandle buffer) override;
  void dsTerminate(SoundHandle library) override;

 private:
  bool bind(const std::string& path);

  decltype(&::dsInitialize) initialize_ = nullptr;
  decltype(&::dsCreateDSB) create_ = nullptr;
  decltype(&::dsPlay) play_ = nullptr;
  decltype(&::dsPlayLooping) playLooping_ = nullptr;
  decltype(&::dsStop) stop_ = nullptr;
  decltype(&::dsFree) free_ = nullptr;
  decltype(&::dsTerminate) terminate_ = nullptr;
  std::string path_;
};

// Module operations over g.Sound and g.SoundLibraryHandle.
// Opens the library for the main window; warns when it gives no handle.
void startSoundLibrary(Game& g);
// The four wave files, in the order they are loaded.
inline constexpr std::array<const char*, 4> WaveFileNames = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};

// Where a wave file is found by bare name: in the current folder, else among
// the sounds that come with the game; empty when in neither.
std::filesystem::path findWave(const std::string& name);
// Buffer of the wave file findWave finds; 0 without a library or a file.
SoundHandle loadWave(Game& g, const std::string& name, int flags);
void stopSoundLibrary(Game& g);
void soundWarning(Game& g, const std::string& text);

// The start-up step: the library, then the three effects and the tune.
void loadSounds(Game& g);
// The shut-down step: the four buffers, then the library.
void releaseSounds(Game& g);

}  // namespace vudeve
