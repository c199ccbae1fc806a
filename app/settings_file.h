#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The console's font and colours, and the settings file "font&color.txt" that sets them. No Qt
// here: the window turns a ConsoleLook into a font and a palette.
namespace orvo::app {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// What a console line is, for its colour. The typed command has the text colour.
enum class ColourKind { kCommand, kAnswer, kError, kWarning, kNote, kPrompt };
inline constexpr std::size_t kLineKinds = 6;

// The colours of the kinds other than the typed command.
struct KindColours {
  Rgb answer, error, warning, note, prompt;
  friend bool operator==(const KindColours&, const KindColours&) = default;
};

// Colours for a dark background (the default) and for a light one.
inline constexpr KindColours kDarkKinds{
    {120, 220, 140}, {255, 120, 110}, {240, 200, 90}, {130, 180, 255}, {140, 140, 140}};
inline constexpr KindColours kLightKinds{
    {0, 110, 40}, {190, 20, 20}, {140, 85, 0}, {20, 80, 180}, {110, 110, 110}};

struct ConsoleLook {
  // Sizes outside this range (tenths of a point) keep the previous size: below 8 pt is
  // unreadable, and above 144 pt no line of an answer fits the screen.
  static constexpr int kMinSizeTenths = 80;
  static constexpr int kMaxSizeTenths = 1440;

  int sizeTenths = 140;
  std::string fontName = "Verdana";
  Rgb text{192, 192, 192};
  Rgb background{0, 0, 0};
  KindColours kinds = kDarkKinds;
  bool bold = false;
  bool italic = false;
  friend bool operator==(const ConsoleLook&, const ConsoleLook&) = default;

  Rgb Colour(ColourKind kind) const;
  Rgb& Colour(ColourKind kind);
};

// A colour must stand out this much from the background (WCAG's ratio of luminances).
inline constexpr double kMinContrast = 3.0;
// 1 (the same) to 21 (black and white).
double ContrastRatio(Rgb a, Rgb b);
// The kind colours that suit `background`: the dark set on a dark one, the light set otherwise.
const KindColours& KindsFor(Rgb background);

// A settings file holds eight lines worth reading by position (size, name, three text colour
// values and three background colour values, one per line), then keyword lines: "answer",
// "error", "warning", "note" and "prompt" with three colour values, "bold" and "italic" with 0
// or 1. A reader of the eight lines alone reads the same font and colours from it.
inline constexpr std::size_t kSettingsLines = 8;
inline constexpr std::size_t kMaxSettingsLines = 64;
// Anything bigger is not a settings file.
inline constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

// The first lines of the file at `path` (line ends LF or CR LF, a UTF-8 byte order mark
// dropped), or nothing when it is not a regular file of at most kMaxSettingsBytes that can be
// read. A folder, a FIFO or a device is never read from, so it cannot block.
std::optional<std::vector<std::string>> ReadSettingsLines(const std::string& path);

// `previous` as the lines of a settings file change it. Numbers are read as C's atoi reads them
// (a comment after the number is ignored; an empty or missing line is 0, a missing name empty),
// a colour value keeps its low byte. Then: a size out of range keeps the previous size, an empty
// name the previous name, and equal text and background colours keep both previous colours.
// Without keyword lines the kind colours are those that suit the background; a kind colour too
// close to the background is replaced the same way. Bold and italic are off unless set.
ConsoleLook ApplySettingsLines(const ConsoleLook& previous, const std::vector<std::string>& lines);

// A settings file that gives `look`, in the eight lines the reader reads, each colour value
// with a comment that says what it is.
std::string SettingsFileText(const ConsoleLook& look);

// Both steps; `previous` when the file cannot be read.
ConsoleLook LoadSettingsFile(const ConsoleLook& previous, const std::string& path);

}  // namespace orvo::app
