// What the fuzz targets share: a scratch folder of their own for the files
// the readers want to open, and a way to stop loudly on a broken promise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace vudeve::fuzzing {

// A folder made once per process and removed at its end.
const std::filesystem::path& scratchFolder();

// Writes the bytes as the whole file.
void writeFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size);

// Prints what was expected and aborts, so that the fuzzer keeps the input.
[[noreturn]] void fail(const std::string& what);

}  // namespace vudeve::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
