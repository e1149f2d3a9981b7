#include "sound/binding/program_folders.h"

#include <system_error>

namespace vudeve {
namespace {

std::filesystem::path besideProgram(const char* relative) {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return (program.parent_path() / relative).lexically_normal();
}

}  // namespace

std::filesystem::path libraryFolder() { return besideProgram(VUDEVE_LIBRARY_FROM_BIN); }

std::filesystem::path dataFolder() { return besideProgram(VUDEVE_DATA_FROM_BIN); }

}  // namespace vudeve
