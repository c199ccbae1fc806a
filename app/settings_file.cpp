#include "app/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "base/number_text.h"
#include "base/text.h"

namespace orvo::app {
namespace {

// The whole file, when it is a regular file of sane size. The open does not block even on a
// FIFO, and the type is checked on the opened descriptor, so a file swapped between a check and
// the open cannot slip through.
std::optional<std::string> ReadSmallRegularFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  std::optional<std::string> content;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
      static_cast<std::size_t>(info.st_size) <= kMaxSettingsBytes) {
    std::string data;
    char buffer[4096];
    bool failed = false;
    // One byte more than the limit may arrive if the file grows while it is read.
    while (data.size() <= kMaxSettingsBytes) {
      ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) failed = true;
      if (n <= 0) break;
      data.append(buffer, static_cast<std::size_t>(n));
    }
    if (!failed && data.size() <= kMaxSettingsBytes) content = std::move(data);
  }
  ::close(fd);
  return content;
}

Rgb ColourOf(const std::vector<std::string>& lines, std::size_t first) {
  auto channel = [&](std::size_t i) {
    std::int32_t value = i < lines.size() ? ParseInt(lines[i]) : 0;
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
  };
  return Rgb{channel(first), channel(first + 1), channel(first + 2)};
}

}  // namespace

std::optional<std::vector<std::string>> ReadSettingsLines(const std::string& path) {
  std::optional<std::string> content = ReadSmallRegularFile(path);
  if (!content) return std::nullopt;
  std::string_view text = *content;
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (StartsWith(text, kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

  std::vector<std::string> lines;
  while (!text.empty() && lines.size() < kSettingsLines) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (EndsWith(line, "\r")) line.remove_suffix(1);
    lines.emplace_back(line);
  }
  return lines;
}

ConsoleLook ApplySettingsLines(const ConsoleLook& previous, const std::vector<std::string>& lines) {
  ConsoleLook look;
  look.sizeTenths = lines.empty() ? 0 : ParseInt(lines[0]);
  look.fontName = lines.size() > 1 ? lines[1] : std::string();
  look.text = ColourOf(lines, 2);
  look.background = ColourOf(lines, 5);

  if (look.sizeTenths < ConsoleLook::kMinSizeTenths ||
      look.sizeTenths > ConsoleLook::kMaxSizeTenths) {
    look.sizeTenths = previous.sizeTenths;
  }
  if (look.fontName.empty()) look.fontName = previous.fontName;
  // Text the colour of its background would be invisible; a file of only a size and a name
  // (all colours 0) lands here too and keeps the colours.
  if (look.text == look.background) {
    look.text = previous.text;
    look.background = previous.background;
  }
  return look;
}

ConsoleLook LoadSettingsFile(const ConsoleLook& previous, const std::string& path) {
  std::optional<std::vector<std::string>> lines = ReadSettingsLines(path);
  return lines ? ApplySettingsLines(previous, *lines) : previous;
}

}  // namespace orvo::app
