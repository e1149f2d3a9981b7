#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "sound/binding/program_folders.h"
#include "sound/binding/sound_module.h"

namespace vudeve {
namespace {

template <typename Function>
bool lookUp(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

}  // namespace

LoadedSoundLibrary::LoadedSoundLibrary() {
  const std::filesystem::path folder = libraryFolder();
  std::error_code error;
  if (!folder.empty() && std::filesystem::exists(folder / SoundLibraryFileName, error) &&
      bind((folder / SoundLibraryFileName).string()))
    return;
  bind(SoundLibraryFileName);
}

LoadedSoundLibrary::LoadedSoundLibrary(const std::string& path) { bind(path); }

bool LoadedSoundLibrary::bind(const std::string& path) {
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return false;
  // All seven or none: a library missing one would be half silent, half broken.
  if (lookUp(library, "dsInitialize", initialize_) && lookUp(library, "dsCreateDSB", create_) &&
      lookUp(library, "dsPlay", play_) && lookUp(library, "dsPlayLooping", playLooping_) &&
      lookUp(library, "dsStop", stop_) && lookUp(library, "dsFree", free_) &&
      lookUp(library, "dsTerminate", terminate_)) {
    path_ = path;
    return true;
  }
  initialize_ = nullptr;
  create_ = nullptr;
  play_ = nullptr;
  playLooping_ = nullptr;
  stop_ = nullptr;
  free_ = nullptr;
  terminate_ = nullptr;
  dlclose(library);
  return false;
}

SoundHandle LoadedSoundLibrary::dsInitialize(std::uintptr_t windowHandle) {
  return loaded() ? initialize_(windowHandle) : 0;
}

SoundHandle LoadedSoundLibrary::dsCreateDSB(SoundHandle library, const unsigned char* image, std::size_t length,
                                            int flags) {
  return loaded() ? create_(library, image, length, flags) : 0;
}

void LoadedSoundLibrary::dsPlay(SoundHandle buffer) {
  if (loaded()) play_(buffer);
}

void LoadedSoundLibrary::dsPlayLooping(SoundHandle buffer) {
  if (loaded()) playLooping_(buffer);
}

void LoadedSoundLibrary::dsStop(SoundHandle buffer) {
  if (loaded()) stop_(buffer);
}

void LoadedSoundLibrary::dsFree(SoundHandle buffer) {
  if (loaded()) free_(buffer);
}

void LoadedSoundLibrary::dsTerminate(SoundHandle library) {
  if (loaded()) terminate_(library);
}

}  // namespace vudeve
