#include "platform/text_encoding.h"

#include <iconv.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>
#include <utility>

namespace vudeve {
namespace {

// glibc's "CP932" table, not its "SHIFT_JIS": only the former knows the
// Windows extensions (NEC and IBM rows, "～" as U+FF5E) that Windows
// programs write.
constexpr const char* CodePage932 = "CP932";

// Far above any settings or record file (a record of 100000 moves is 36 MB);
// a bigger file is none of ours and is not read into memory.
constexpr std::uintmax_t LargestTextFile = 64u << 20;

std::optional<std::string> convert(const char* to, const char* from, const std::string& input, std::size_t maxGrowth) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string output(input.size() * maxGrowth + 8, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  bool ok = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) &&
            iconv(cd, nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok || inLeft != 0) return std::nullopt;
  output.resize(output.size() - outLeft);
  return output;
}

// The identity conversion refuses what is not well-formed UTF-8.
std::optional<std::string> checkedUtf8(const std::string& text) { return convert("UTF-8", "UTF-8", text, 1); }

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::optional<std::string> decode(std::string bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::CodePage932) return fromCodePage932(bytes);
  if (bytes.starts_with(ByteOrderMark)) bytes.erase(0, ByteOrderMark.size());
  return checkedUtf8(bytes);
}

std::optional<std::string> encode(const std::string& text, TextEncoding encoding) {
  return encoding == TextEncoding::CodePage932 ? toCodePage932(text) : checkedUtf8(text);
}

}  // namespace

// A code page 932 character takes one or two bytes and its UTF-8 form at
// least as many; the other way one byte (half-width katakana) can become
// three.
std::optional<std::string> toCodePage932(const std::string& utf8) { return convert(CodePage932, "UTF-8", utf8, 1); }

std::optional<std::string> fromCodePage932(const std::string& bytes) { return convert("UTF-8", CodePage932, bytes, 3); }

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

TextFileStatus readTextFile(const std::filesystem::path& path, std::vector<std::string>& lines, TextEncoding encoding) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return TextFileStatus::CannotOpen;
  std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > LargestTextFile) return TextFileStatus::CannotRead;
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return TextFileStatus::CannotOpen;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return TextFileStatus::CannotRead;
  std::optional<std::string> text = decode(std::move(bytes), encoding);
  if (!text) return encoding == TextEncoding::CodePage932 ? TextFileStatus::NotCodePage932 : TextFileStatus::NotUtf8;
  lines = splitLines(*text);
  return TextFileStatus::Ok;
}

TextFileStatus writeTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                             TextEncoding encoding) {
  std::string bytes;
  for (const std::string& line : lines) {
    std::optional<std::string> encoded = encode(line, encoding);
    if (!encoded) return TextFileStatus::CannotEncode;
    bytes += *encoded;
    bytes += "\r\n";
  }

  std::filesystem::path temporary = path;
  temporary += ".tmp";
  bool written = false;
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (file) {
      file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      file.close();
      written = !file.fail();
    }
  }
  std::error_code ec;
  if (written) {
    std::filesystem::rename(temporary, path, ec);
    if (!ec) return TextFileStatus::Ok;
  }
  std::filesystem::remove(temporary, ec);
  return TextFileStatus::CannotWrite;
}

}  // namespace vudeve
