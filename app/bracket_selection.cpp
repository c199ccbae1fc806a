#include "app/bracket_selection.h"

namespace orvo::app {
namespace {

constexpr std::u16string_view kOpening = u"([{";
constexpr std::u16string_view kClosing = u")]}";

bool IsOpening(char16_t c) {
  return kOpening.find(c) != std::u16string_view::npos;
}
bool IsClosing(char16_t c) {
  return kClosing.find(c) != std::u16string_view::npos;
}

// Two backslashes start a prompt line: the commands above it are not this one's business.
bool PromptStartsAt(std::u16string_view text, std::size_t i) {
  return text[i] == u'\\' && i + 1 < text.size() && text[i + 1] == u'\\';
}

bool IsWordChar(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
         c == u'_' || c == u'.' || c == u'\'';
}
bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// Whether text[i] is the sign of an exponent: a digit, "e" or "E", the sign, a digit.
bool IsExponentSign(std::u16string_view text, std::size_t i) {
  return (text[i] == u'+' || text[i] == u'-') && i >= 2 && i + 1 < text.size() &&
         (text[i - 1] == u'e' || text[i - 1] == u'E') && IsDigit(text[i - 2]) &&
         IsDigit(text[i + 1]);
}

}  // namespace

std::optional<TextRange> NumberOrWordAt(std::u16string_view text, std::size_t p) {
  if (p >= text.size() || !(IsWordChar(text[p]) || IsExponentSign(text, p))) return std::nullopt;
  std::size_t start = p;
  while (start > 0 && (IsWordChar(text[start - 1]) || IsExponentSign(text, start - 1))) --start;
  std::size_t end = p + 1;
  while (end < text.size() && (IsWordChar(text[end]) || IsExponentSign(text, end))) ++end;
  return TextRange{start, end};
}

std::optional<TextRange> BracketSelection(std::u16string_view text, std::size_t p) {
  if (p >= text.size()) return std::nullopt;
  if (IsOpening(text[p])) {
    int depth = -1;
    for (std::size_t q = p + 1; q < text.size() && !PromptStartsAt(text, q); ++q) {
      if (IsOpening(text[q])) --depth;
      if (IsClosing(text[q]) && ++depth == 0) return TextRange{p, q + 1};
    }
    return TextRange{p, p + 1};
  }
  if (IsClosing(text[p])) {
    int depth = 1;
    for (std::size_t q = p; q-- > 0 && !PromptStartsAt(text, q);) {
      if (IsClosing(text[q])) ++depth;
      if (IsOpening(text[q]) && --depth == 0) return TextRange{q, p + 1};
    }
    return TextRange{p, p + 1};
  }
  return std::nullopt;
}

}  // namespace orvo::app
