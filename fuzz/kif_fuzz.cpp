// The KIF reader over arbitrary bytes (as a ".kifu" file), written back as KIF: see readWriteAndPlay.
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vudeve::fuzzing::readWriteAndPlay("in.kifu", "out.kif", data, size);
  return 0;
}
