#include "console/suggestions.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "base/message.h"
#include "console/answer_calls.h"
#include "engine/tokens.h"
#include "functions/functions.h"

namespace orvo {
namespace {

constexpr std::string_view kDidYouMean = "did you mean %s?";
constexpr std::string_view kOnlyXyz = "only x, y and z hold values: write x=%s";

// Spellings other calculators use, with the one that gives the same here; %s is the argument
// typed in the brackets after the name (x when there are none).
constexpr std::pair<std::string_view, std::string_view> kSpellings[] = {
    {"e", "exp(1) (or y, which starts as e)"},
    {"log2", "log(2,%s)"},
    {"cbrt", "curt(%s)"},
    {"atand", "rtod(atan(%s))"},
    {"asind", "rtod(asin(%s))"},
    {"acosd", "rtod(acos(%s))"},
    {"ln10", "ln(10)"},
};

// The nearest known names are offered when at most this many edits away: one for a short word,
// whose two edits reach too many names (foo is two from bo, cho and cos), two for a longer one.
constexpr std::size_t kShortWord = 4;
constexpr std::size_t kMaxNearest = 3;

bool IsWordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// The known names nearest to `word` (those of the fewest edits): "sin(), sind(), sinh()".
std::string Nearest(std::string_view word) {
  std::vector<std::pair<std::size_t, std::string>> near;
  for (const FunctionName& function : FunctionNames()) {
    std::size_t edits = EditDistance(word, function.name);
    if (edits <= (word.size() <= kShortWord ? 1u : 2u) && edits < word.size())
      near.emplace_back(edits, function.name + "()");
  }
  std::sort(near.begin(), near.end());
  std::string names;
  for (std::size_t i = 0; i < near.size() && i < kMaxNearest && near[i].first == near[0].first;
       ++i) {
    names += (i == 0 ? "" : ", ") + near[i].second;
  }
  return names;
}

// The text inside the brackets that follow `end` in `line`, or "x" when none follow.
std::string ArgumentAfter(std::string_view line, std::size_t end) {
  if (end >= line.size() || line[end] != '(') return "x";
  int depth = 0;
  for (std::size_t i = end; i < line.size(); ++i) {
    if (line[i] == '(') ++depth;
    if (line[i] == ')' && --depth == 0) return std::string(line.substr(end + 1, i - end - 1));
  }
  return std::string(line.substr(end + 1));
}

bool IsDefined(std::string_view name, const DefinitionStore& definitions) {
  for (int i = 0; i < definitions.count(); ++i) {
    if (definitions.definitions[i].name == name) return true;
  }
  return false;
}

// The suggestion for the name token `at` of `tokens`, or "".
std::string SuggestionFor(std::string_view line, const std::vector<Token>& tokens, std::size_t at,
                          const DefinitionStore& definitions) {
  const Token& token = tokens[at];
  std::size_t start = token.position;
  std::size_t end = token.position + token.length;
  while (start > 0 && line[start - 1] >= 'a' && line[start - 1] <= 'z') --start;
  while (end < line.size() && IsWordChar(line[end])) ++end;
  const std::string word(line.substr(start, end - start));
  const bool bracketed = at + 1 < tokens.size() && tokens[at + 1].kind == TokenKind::kOpen;
  if (IsDefined(word, definitions) || word == kAnsName) return "";  // ans(n) past the answers
  for (auto [typed, usual] : kSpellings) {
    if (typed != word || (typed == "e" && bracketed)) continue;
    return std::string(usual.find("%s") == std::string_view::npos
                           ? usual
                           : Fill(usual, {ArgumentAfter(line, end)}));
  }
  if (token.code >= 0) {
    if (bracketed) return "";
    const std::string name(line.substr(token.position, token.length));
    const bool operand = at + 1 < tokens.size() && (tokens[at + 1].kind == TokenKind::kNumber ||
                                                    tokens[at + 1].kind == TokenKind::kVariable);
    if (!operand) return name + "()";
    const Token& next = tokens[at + 1];
    return name + "(" + std::string(line.substr(next.position, next.length)) + ")";
  }
  return Nearest(word);
}

}  // namespace

std::vector<std::string> Suggestions(const LineClass& line, const DefinitionStore& definitions) {
  std::vector<std::string> notes;
  if (line.kind == LineKind::kText) {
    // A value given to a name of its own: "a=3".
    std::size_t equals = line.line.find('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == line.line.size()) return notes;
    std::string_view name = std::string_view(line.line).substr(0, equals);
    if (std::all_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
      notes.push_back(Fill(kOnlyXyz, {std::string_view(line.line).substr(equals + 1)}));
    }
    return notes;
  }
  if (line.kind != LineKind::kExpression && line.kind != LineKind::kRoots) return notes;
  const std::vector<Token> tokens = Tokens(line.line);
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].kind != TokenKind::kName) continue;
    std::string suggestion = SuggestionFor(line.line, tokens, i, definitions);
    if (suggestion.empty()) continue;
    std::string note = Fill(kDidYouMean, {suggestion});
    if (std::find(notes.begin(), notes.end(), note) == notes.end()) notes.push_back(note);
  }
  return notes;
}

}  // namespace orvo
