#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

// The line break of console text.
inline constexpr std::string_view kNewLine = "\r\n";

// Appends one message to a caller-owned error text, on its own line when the text already
// holds something.
void AppendMessage(std::string& errors, std::string_view message);

// Lower-cases ASCII letters only; other bytes (UTF-8 included) are left alone.
std::string ToLowerAscii(std::string_view text);
void ToLowerAsciiInPlace(std::string& text);

bool StartsWith(std::string_view text, std::string_view prefix);
bool EndsWith(std::string_view text, std::string_view suffix);

// Splits `text` at every `separator`: "a,,b" gives "a", "", "b", and "" one empty part.
std::vector<std::string_view> Split(std::string_view text, char separator);

// Replaces every occurrence of `from` (not empty) by `to`, scanning left to right.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to);

// The text before "\r\n/Error", the closing line of a failed syntax check; handlers show an
// argument's error without it.
std::string_view CutAtErrorTrailer(std::string_view errors);

// Messages quote what the user typed (or what it expanded to) at most this many characters, so
// that a short line cannot make a huge answer.
inline constexpr std::size_t kMaxEchoCharacters = 300;

// `text` as a message quotes it: whole when it has at most kMaxEchoCharacters characters, else
// its first ones followed by "...". A UTF-8 sequence is never cut.
std::string CapEcho(std::string_view text);

// Number of characters (UTF-8 sequences) in `text`; a byte that does not start a valid
// sequence counts as one character.
std::size_t CountCharacters(std::string_view text);

// Length in bytes of the UTF-8 character starting at text[pos] (1 for ASCII and for broken
// bytes), never running past the end.
std::size_t CharacterLength(std::string_view text, std::size_t pos);

}  // namespace orvo
