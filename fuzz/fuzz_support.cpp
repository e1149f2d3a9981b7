#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace vudeve::fuzzing {
namespace {

struct ScratchFolder {
  std::filesystem::path path;
  ScratchFolder() {
    // Memory-backed when the machine has it: the readers open a file per run.
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                          : std::filesystem::temp_directory_path();
    path = base / ("vudeve-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

}  // namespace

const std::filesystem::path& scratchFolder() {
  static ScratchFolder folder;
  return folder.path;
}

void writeFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!file) fail("cannot write the scratch file " + path.string());
}

void fail(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::abort();
}

}  // namespace vudeve::fuzzing
