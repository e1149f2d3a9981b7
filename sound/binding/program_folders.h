// The folders of the game's own files, found from the running program, so
// that an installed game and the build tree work alike: the programs in
// <prefix>/bin, our sound library in <prefix>/lib, the pictures and sounds
// in <prefix>/share/vudeve. The build tree repeats that layout.
#pragma once

#include <filesystem>

namespace vudeve {

// Where our sound library lies; empty when the running program is unknown.
std::filesystem::path libraryFolder();
// Where the pictures and sounds lie; empty when the running program is unknown.
std::filesystem::path dataFolder();

}  // namespace vudeve
