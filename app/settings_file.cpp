#include "app/settings_file.h"

#include <string_view>

#include "base/number_text.h"
#include "base/safe_file.h"
#include "base/text.h"

namespace orvo::app {
namespace {

Rgb ColourOf(const std::vector<std::string>& lines, std::size_t first) {
  auto channel = [&](std::size_t i) {
    std::int32_t value = i < lines.size() ? ParseInt(lines[i]) : 0;
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
  };
  return Rgb{channel(first), channel(first + 1), channel(first + 2)};
}

}  // namespace

std::optional<std::vector<std::string>> ReadSettingsLines(const std::string& path) {
  ReadResult content = ReadFileSafely(path, {kMaxSettingsBytes, true});
  if (!content.ok()) return std::nullopt;
  std::string_view text = content.bytes;

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

std::string SettingsFileText(const ConsoleLook& look) {
  auto line = [](int value, const char* comment) {
    return std::to_string(value) + "\t// " + comment + "\n";
  };
  return line(look.sizeTenths, "size, tenths of a point") + look.fontName + "\n" +
         line(look.text.red, "text: red") + line(look.text.green, "green") +
         line(look.text.blue, "blue") + line(look.background.red, "background: red") +
         line(look.background.green, "green") + line(look.background.blue, "blue");
}

ConsoleLook LoadSettingsFile(const ConsoleLook& previous, const std::string& path) {
  std::optional<std::vector<std::string>> lines = ReadSettingsLines(path);
  return lines ? ApplySettingsLines(previous, *lines) : previous;
}

}  // namespace orvo::app
