#include "app/settings_file.h"

#include <algorithm>
#include <cmath>
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

double Luminance(Rgb c) {
  auto linear = [](std::uint8_t v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

// The keyword lines: one row per kind colour.
constexpr struct {
  std::string_view word;
  ColourKind kind;
} kKindWords[] = {
    {"answer", ColourKind::kAnswer},   {"error", ColourKind::kError},
    {"warning", ColourKind::kWarning}, {"note", ColourKind::kNote},
    {"prompt", ColourKind::kPrompt},
};

constexpr struct {
  std::string_view word;
  bool ConsoleLook::*flag;
} kFlagWords[] = {{"bold", &ConsoleLook::bold}, {"italic", &ConsoleLook::italic}};

// The values after the keyword of `line`, one per field.
std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  while (at < line.size()) {
    std::size_t start = line.find_first_not_of(" \t", at);
    if (start == std::string_view::npos) break;
    std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
    fields.emplace_back(line.substr(start, end - start));
    at = end;
  }
  return fields;
}

void ApplyKeywordLine(ConsoleLook& look, std::string_view line, bool& kindsGiven) {
  std::vector<std::string> fields = Fields(line);
  if (fields.empty()) return;
  for (const auto& row : kKindWords) {
    if (fields[0] != row.word) continue;
    fields.erase(fields.begin());
    look.Colour(row.kind) = ColourOf(fields, 0);
    kindsGiven = true;
  }
  for (const auto& row : kFlagWords) {
    if (fields[0] == row.word && fields.size() > 1) look.*row.flag = ParseInt(fields[1]) != 0;
  }
}

}  // namespace

Rgb ConsoleLook::Colour(ColourKind kind) const {
  ConsoleLook copy = *this;
  return copy.Colour(kind);
}

Rgb& ConsoleLook::Colour(ColourKind kind) {
  switch (kind) {
    case ColourKind::kAnswer:
      return kinds.answer;
    case ColourKind::kError:
      return kinds.error;
    case ColourKind::kWarning:
      return kinds.warning;
    case ColourKind::kNote:
      return kinds.note;
    case ColourKind::kPrompt:
      return kinds.prompt;
    case ColourKind::kCommand:
      break;
  }
  return text;
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

const KindColours& KindsFor(Rgb background) {
  return Luminance(background) < 0.25 ? kDarkKinds : kLightKinds;
}

std::optional<std::vector<std::string>> ReadSettingsLines(const std::string& path) {
  ReadResult content = ReadFileSafely(path, {kMaxSettingsBytes, true});
  if (!content.ok()) return std::nullopt;
  std::string_view text = content.bytes;

  std::vector<std::string> lines;
  while (!text.empty() && lines.size() < kMaxSettingsLines) {
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

  bool kindsGiven = false;
  for (std::size_t i = kSettingsLines; i < lines.size(); ++i) {
    ApplyKeywordLine(look, lines[i], kindsGiven);
  }
  ConsoleLook suited;
  suited.kinds = KindsFor(look.background);
  if (!kindsGiven) look.kinds = suited.kinds;
  for (const auto& row : kKindWords) {
    if (ContrastRatio(look.Colour(row.kind), look.background) < kMinContrast) {
      look.Colour(row.kind) = suited.Colour(row.kind);
    }
  }
  return look;
}

namespace {

std::string KeywordLines(const ConsoleLook& look) {
  std::string lines;
  for (const auto& row : kKindWords) {
    const Rgb c = look.Colour(row.kind);
    lines += std::string(row.word) + " " + std::to_string(c.red) + " " + std::to_string(c.green) +
             " " + std::to_string(c.blue) + "\n";
  }
  for (const auto& row : kFlagWords) {
    lines += std::string(row.word) + " " + (look.*row.flag ? "1" : "0") + "\n";
  }
  return lines;
}

}  // namespace

std::string SettingsFileText(const ConsoleLook& look) {
  auto line = [](int value, const char* comment) {
    return std::to_string(value) + "\t// " + comment + "\n";
  };
  return line(look.sizeTenths, "size, tenths of a point") + look.fontName + "\n" +
         line(look.text.red, "text: red") + line(look.text.green, "green") +
         line(look.text.blue, "blue") + line(look.background.red, "background: red") +
         line(look.background.green, "green") + line(look.background.blue, "blue") +
         KeywordLines(look);
}

ConsoleLook LoadSettingsFile(const ConsoleLook& previous, const std::string& path) {
  std::optional<std::vector<std::string>> lines = ReadSettingsLines(path);
  return lines ? ApplySettingsLines(previous, *lines) : previous;
}

}  // namespace orvo::app
