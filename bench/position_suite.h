// The positions of bench/positions.txt, shared by the benchmarks of the
// computer's turn.
#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace vudeve {

// One position per line, "BOARD HANDS SIDE  # comment"; '#' lines are notes.
inline std::vector<std::string> readSuite() {
  std::vector<std::string> positions;
  std::ifstream file(VUDEVE_BENCH_DATA "/positions.txt");
  std::string line;
  while (std::getline(file, line)) {
    const std::string position = line.substr(0, line.find('#'));
    if (position.find_first_not_of(" \t\r") != std::string::npos) positions.push_back(position);
  }
  return positions;
}

}  // namespace vudeve
