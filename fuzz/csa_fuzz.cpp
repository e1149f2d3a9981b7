// The CSA reader over arbitrary bytes (as a ".csa" file), written back as CSA: see readWriteAndPlay.
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vudeve::fuzzing::readWriteAndPlay("in.csa", "out.csa", data, size);
  return 0;
}
