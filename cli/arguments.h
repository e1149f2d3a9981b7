// Reading numbers from command-line arguments: whole text or nothing.
#pragma once

#include <charconv>
#include <optional>
#include <string>

namespace vudeve::cli {

// The integer the whole text spells, when it lies in [low, high].
inline std::optional<long long> parseInteger(const std::string& text, long long low, long long high) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace vudeve::cli
