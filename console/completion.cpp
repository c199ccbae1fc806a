#include "console/completion.h"

#include <algorithm>

#include "base/text.h"
#include "console/answer_calls.h"
#include "console/detail/routes.h"
#include "engine/tokens.h"
#include "functions/functions.h"

namespace orvo {
namespace {

bool IsWordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A usage line with the row's name replaced by the synonym `name`: "incgamma(x,a): ...".
std::string UsageFor(std::string_view name, std::string_view usage) {
  std::size_t bracket = usage.find('(');
  if (bracket == std::string_view::npos) return std::string(usage);
  return std::string(name) + std::string(usage.substr(bracket));
}

std::string DefinitionUsage(const FunctionDefinition& definition) {
  std::string_view body = definition.expression;
  if (StartsWith(body, "(") && EndsWith(body, ")")) body = body.substr(1, body.size() - 2);
  return ToLowerAscii(definition.name + "(" + definition.parameters + "): " + std::string(body));
}

// The command word a usage line names, with its bracket or "=": "is(" of "&is(a;b;f(x)): ...".
std::string_view CommandWordOf(std::string_view usage) {
  std::size_t end = usage.find_first_of("(=");
  if (end == std::string_view::npos) return usage.substr(1);
  return usage.substr(1, end);
}

// The position of the family character when the line is a "&", "#" or "@" command.
std::optional<std::size_t> FamilyAt(std::string_view line) {
  std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  char c = line[first];
  if (c != '&' && c != '#' && c != '@') return std::nullopt;
  return first;
}

CompletedWord CompleteCommandWord(std::string_view line, std::size_t family, std::size_t caret) {
  CompletedWord word;
  word.start = family + 1;
  const std::string prefix = ToLowerAscii(line.substr(word.start, caret - word.start));
  for (std::string_view usage : CommandUsages(line[family])) {
    std::string_view command = CommandWordOf(usage);
    if (!StartsWith(command, prefix) || word.candidates.size() == kMaxCompletions) continue;
    word.candidates.push_back(
        {line[family] + std::string(command), std::string(command), std::string(usage)});
  }
  return word;
}

}  // namespace

std::string UsageOf(std::string_view typedName, const DefinitionStore& definitions) {
  const std::string name = ToLowerAscii(typedName);
  for (int i = 0; i < definitions.count(); ++i) {
    if (definitions.definitions[i].name == name) {
      return DefinitionUsage(definitions.definitions[i]);
    }
  }
  for (const FunctionName& function : FunctionNames()) {
    if (function.name == name) return UsageFor(name, function.usage);
  }
  return name == kAnsName ? std::string(kAnsUsage) : "";
}

CompletedWord Complete(std::string_view line, std::size_t caret,
                       const DefinitionStore& definitions) {
  caret = std::min(caret, line.size());
  std::optional<std::size_t> family = FamilyAt(line);
  if (family && *family < caret &&
      line.substr(*family, caret - *family).find_first_of("(=") == std::string_view::npos) {
    return CompleteCommandWord(line, *family, caret);
  }
  CompletedWord word;
  std::size_t start = caret;
  while (start > 0 && IsWordChar(line[start - 1])) --start;
  while (start < caret && !IsLetter(line[start])) ++start;  // 2sin: the name starts at s
  word.start = start;
  if (start == caret) return word;
  const std::string prefix = ToLowerAscii(line.substr(start, caret - start));

  std::vector<std::string> taken;
  for (int i = 0; i < definitions.count(); ++i) {
    const FunctionDefinition& definition = definitions.definitions[i];
    if (!StartsWith(definition.name, prefix)) continue;
    word.candidates.push_back(
        {definition.name, definition.name + "(", DefinitionUsage(definition)});
    taken.push_back(definition.name);
  }
  std::sort(word.candidates.begin(), word.candidates.end(),
            [](const Completion& a, const Completion& b) { return a.name < b.name; });
  std::vector<Completion> builtIn;
  for (const FunctionName& function : FunctionNames()) {
    const std::string& name = function.name;
    if (!StartsWith(name, prefix) || !std::all_of(name.begin(), name.end(), IsWordChar) ||
        std::find(taken.begin(), taken.end(), name) != taken.end()) {
      continue;
    }
    builtIn.push_back({name, name + "(", UsageFor(name, function.usage)});
  }
  if (StartsWith(kAnsName, prefix) && std::ranges::find(taken, kAnsName) == taken.end()) {
    builtIn.push_back({std::string(kAnsName), std::string(kAnsName) + "(", std::string(kAnsUsage)});
  }
  std::sort(builtIn.begin(), builtIn.end(),
            [](const Completion& a, const Completion& b) { return a.name < b.name; });
  for (Completion& completion : builtIn) word.candidates.push_back(std::move(completion));
  if (word.candidates.size() > kMaxCompletions) word.candidates.resize(kMaxCompletions);
  return word;
}

namespace {

// One open bracket on the way to the caret.
struct Frame {
  std::string usage;  // empty for a plain bracket
  int argument = 0;
  bool command = false;  // a command's bracket: ";" and "|" separate its parts too
};

// Where the `index`-th parameter stands in the bracket of `usage`.
void MarkArgument(SignatureHint& hint, int index) {
  const std::string& usage = hint.usage;
  std::size_t open = usage.find('(');
  if (open == std::string::npos) return;
  std::vector<std::pair<std::size_t, std::size_t>> parameters;
  int depth = 0;
  std::size_t start = open + 1;
  for (std::size_t i = open + 1; i < usage.size(); ++i) {
    char c = usage[i];
    if (c == '(') ++depth;
    const bool ends = depth == 0 && (c == ',' || c == ';' || c == '|' || c == ')');
    if (c == ')' && depth > 0) --depth;
    if (!ends) continue;
    if (i > start) parameters.emplace_back(start, i - start);
    start = i + 1;
    if (c == ')') break;
  }
  if (parameters.empty()) return;
  std::size_t at = static_cast<std::size_t>(index);
  if (at >= parameters.size()) {
    // A list that goes on ("x1,x2,...,xn") takes any number of arguments: the last one stands
    // for the rest.
    if (usage.find("...") == std::string::npos) return;
    at = parameters.size() - 1;
  }
  if (usage.compare(parameters[at].first, 3, "...") == 0 && at + 1 < parameters.size()) ++at;
  hint.argument = parameters[at].first;
  hint.argumentLength = parameters[at].second;
}

}  // namespace

std::optional<SignatureHint> HintAt(std::string_view line, std::size_t caret,
                                    const DefinitionStore& definitions) {
  caret = std::min(caret, line.size());
  std::vector<Frame> frames;
  std::size_t offset = 0;
  std::string_view expression = line;
  if (std::optional<std::size_t> family = FamilyAt(line)) {
    std::size_t open = line.find('(', *family);
    if (open == std::string_view::npos || open >= caret) return std::nullopt;
    std::string word = ToLowerAscii(line.substr(*family + 1, open - *family));
    std::erase(word, ' ');
    Frame frame{"", 0, true};
    for (std::string_view usage : CommandUsages(line[*family])) {
      if (CommandWordOf(usage) == word) frame.usage = usage;
    }
    frames.push_back(frame);
    offset = open + 1;
    expression = line.substr(offset);
  }
  const std::vector<Token> tokens = Tokens(expression);
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const Token& token = tokens[i];
    if (token.position + offset >= caret) break;
    if (token.kind == TokenKind::kOpen) {
      Frame frame;
      if (i > 0 && tokens[i - 1].kind == TokenKind::kName &&
          tokens[i - 1].position + tokens[i - 1].length == token.position) {
        frame.usage =
            UsageOf(expression.substr(tokens[i - 1].position, tokens[i - 1].length), definitions);
      }
      frames.push_back(frame);
    } else if (token.kind == TokenKind::kClose) {
      if (!frames.empty()) frames.pop_back();
    } else if (token.kind == TokenKind::kOperator && !frames.empty()) {
      std::string_view op = expression.substr(token.position, token.length);
      if (op == "," || (frames.back().command && (op == ";" || op == "|"))) {
        ++frames.back().argument;
      }
    }
  }
  for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame) {
    if (frame->usage.empty()) continue;
    SignatureHint hint{frame->usage};
    MarkArgument(hint, frame->argument);
    return hint;
  }
  return std::nullopt;
}

}  // namespace orvo
