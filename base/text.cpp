#include "base/text.h"

namespace orvo {

void AppendMessage(std::string& errors, std::string_view message) {
  if (!errors.empty()) errors += kNewLine;
  errors += message;
}

void ToLowerAsciiInPlace(std::string& text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
}

std::string ToLowerAscii(std::string_view text) {
  std::string result(text);
  ToLowerAsciiInPlace(result);
  return result;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t at; (at = text.find(separator)) != std::string_view::npos;) {
    parts.push_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  parts.push_back(text);
  return parts;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty() || text.find(from) == std::string::npos) return;
  std::string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  for (std::size_t hit; (hit = text.find(from, pos)) != std::string::npos;
       pos = hit + from.size()) {
    result.append(text, pos, hit - pos);
    result += to;
  }
  result.append(text, pos, std::string::npos);
  text = std::move(result);
}

std::string_view CutAtErrorTrailer(std::string_view errors) {
  std::size_t cut = errors.find("\r\n/Error");
  return cut == std::string_view::npos ? errors : errors.substr(0, cut);
}

std::size_t CharacterLength(std::string_view text, std::size_t pos) {
  auto byte = static_cast<unsigned char>(text[pos]);
  std::size_t length = byte < 0xC0 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : byte < 0xF8 ? 4 : 1;
  if (pos + length > text.size()) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

std::size_t CountCharacters(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += CharacterLength(text, pos)) ++count;
  return count;
}

std::string CapEcho(std::string_view text) {
  std::size_t pos = 0;
  for (std::size_t count = 0; pos < text.size() && count < kMaxEchoCharacters; ++count) {
    pos += CharacterLength(text, pos);
  }
  if (pos >= text.size()) return std::string(text);
  return std::string(text.substr(0, pos)) + "...";
}

}  // namespace orvo
