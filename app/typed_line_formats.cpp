#include "app/typed_line_formats.h"

#include <optional>
#include <string>
#include <vector>

#include "app/console_highlighter.h"
#include "app/prompt_line.h"
#include "console/classify.h"
#include "console/completion.h"
#include "engine/tokens.h"

namespace orvo::app {
namespace {

// The line colour each kind of token takes, in TokenKind's order; names are told apart below.
constexpr ColourKind kTokenColours[] = {
    ColourKind::kAnswer,   // number
    ColourKind::kWarning,  // variable
    ColourKind::kNote,     // name (a known one)
    ColourKind::kPrompt,   // operator
    ColourKind::kCommand,  // opening bracket
    ColourKind::kCommand,  // closing bracket
};

bool IsBracket(const Token& token) {
  return token.kind == TokenKind::kOpen || token.kind == TokenKind::kClose;
}

// The bracket token next to the caret (the one just before it first) and its partner, as
// indices into `tokens`; the partner is empty when the bracket has none.
struct BracketPair {
  std::size_t at;
  std::optional<std::size_t> partner;
};

std::optional<BracketPair> BracketAtCaret(const std::vector<Token>& tokens, std::size_t caret) {
  std::optional<std::size_t> at;
  for (std::size_t i = 0; i < tokens.size() && !at; ++i) {
    if (IsBracket(tokens[i]) && tokens[i].position + 1 == caret) at = i;
  }
  for (std::size_t i = 0; i < tokens.size() && !at; ++i) {
    if (IsBracket(tokens[i]) && tokens[i].position == caret) at = i;
  }
  if (!at) return std::nullopt;
  const bool opening = tokens[*at].kind == TokenKind::kOpen;
  int depth = 0;
  for (std::size_t i = *at;; opening ? ++i : --i) {
    if (IsBracket(tokens[i])) depth += (tokens[i].kind == TokenKind::kOpen) == opening ? 1 : -1;
    if (depth == 0) return BracketPair{*at, i};
    if (opening ? i + 1 == tokens.size() : i == 0) break;
  }
  return BracketPair{*at, std::nullopt};
}

// The ranges of the block's text, from byte positions of the typed part.
class Formats {
 public:
  Formats(int offset, const std::string& typed, const ConsoleHighlighter& highlighter)
      : offset_(offset), typed_(typed), highlighter_(highlighter) {}

  // Colours the bytes [start, start+length) of the typed text.
  void Colour(std::size_t start, std::size_t length, ColourKind kind) {
    Add(start, length, highlighter_.Format(kind));
  }
  void Add(std::size_t start, std::size_t length, const QTextCharFormat& format) {
    const int from = offset_ + static_cast<int>(Utf16Index(typed_, start));
    const int to = offset_ + static_cast<int>(Utf16Index(typed_, start + length));
    if (to > from) ranges_.append({from, to - from, format});
  }
  QList<QTextLayout::FormatRange> Take() { return std::move(ranges_); }

 private:
  int offset_;
  const std::string& typed_;
  const ConsoleHighlighter& highlighter_;
  QList<QTextLayout::FormatRange> ranges_;
};

}  // namespace

QList<QTextLayout::FormatRange> TypedLineFormats(const QString& line, int caret,
                                                 const DefinitionStore& definitions,
                                                 const ConsoleHighlighter& highlighter) {
  const int offset = static_cast<int>(line.lastIndexOf(u'\\') + 1);
  const QString typedText = line.mid(offset);
  const std::string typed = typedText.toStdString();
  Formats formats(offset, typed, highlighter);
  const LineClass kind = Classify(CleanCommand(typed));

  // A command line: its family character and word, then the expression parts from its bracket.
  std::size_t from = 0;
  if (kind.family != '\0') {
    const std::size_t family = typed.find(kind.family);
    from = std::min(typed.find_first_of("(=", family), typed.size());
    formats.Colour(family, from - family, kind.knownWord ? ColourKind::kNote : ColourKind::kError);
  }
  // A name the engine does not know is a setting or screen word on those lines, and may name a
  // matrix, a file or a new definition on a command line.
  const ColourKind unknownName = kind.kind == LineKind::kSetting || kind.kind == LineKind::kScreen
                                     ? ColourKind::kNote
                                 : kind.family != '\0' ? ColourKind::kCommand
                                                       : ColourKind::kError;

  std::vector<Token> tokens = Tokens(std::string_view(typed).substr(from));
  for (Token& token : tokens) {
    token.position += from;
    ColourKind colour = kTokenColours[static_cast<std::size_t>(token.kind)];
    if (token.kind == TokenKind::kName && token.code < 0 &&
        UsageOf(std::string_view(typed).substr(token.position, token.length), definitions)
            .empty()) {
      colour = unknownName;
    }
    formats.Colour(token.position, token.length, colour);
  }

  if (caret >= offset) {
    const std::size_t at = Utf8Offset(typedText, caret - offset);
    if (std::optional<BracketPair> pair = BracketAtCaret(tokens, at)) {
      QTextCharFormat marked;
      marked.setFontWeight(QFont::Bold);
      marked.setFontUnderline(true);
      if (!pair->partner) marked.setForeground(highlighter.Format(ColourKind::kError).foreground());
      formats.Add(tokens[pair->at].position, 1, marked);
      if (pair->partner) formats.Add(tokens[*pair->partner].position, 1, marked);
    }
  }
  return formats.Take();
}

}  // namespace orvo::app
