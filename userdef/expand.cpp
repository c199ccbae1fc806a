// Expansion of calls of user-defined functions: purely textual, so the evaluator never sees a
// defined name.
#include <algorithm>
#include <string>
#include <vector>

#include "base/shell_sort.h"
#include "base/text.h"
#include "userdef/detail/names.h"
#include "userdef/userdef.h"

namespace orvo {
namespace {

// Expanding is quadratic at worst (a call nested in a call re-reads its arguments), so the
// characters looked at are counted and the expansion gives up beyond this many.
constexpr std::size_t kWorkLimit = 32 * kMaxExpandedLength;

bool IsOpening(char c) {
  return c == '(' || c == '[' || c == '{';
}
bool IsClosing(char c) {
  return c == ')' || c == ']' || c == '}';
}

// Finds a name in text kept back to front (see ExpandOneDefinition) in linear time
// (Knuth-Morris-Pratt), whatever the name looks like.
class NameFinder {
 public:
  explicit NameFinder(const std::string& name) : name_(name), fallback_(name.size(), 0) {
    for (std::size_t i = 1, k = 0; i < name_.size(); ++i) {
      while (k > 0 && name_[i] != name_[k]) k = fallback_[k - 1];
      if (name_[i] == name_[k]) ++k;
      fallback_[i] = k;
    }
  }

  // The distance from the front of `reversed` (its last character) to the first occurrence,
  // or npos. Adds the characters looked at to `work`.
  std::size_t Find(const std::string& reversed, std::size_t& work) const {
    const std::size_t size = reversed.size();
    std::size_t matched = 0;
    for (std::size_t i = 0; i < size; ++i) {
      char c = reversed[size - 1 - i];
      while (matched > 0 && name_[matched] != c) matched = fallback_[matched - 1];
      if (name_[matched] == c) ++matched;
      if (matched == name_.size()) {
        work += i + 1;
        return i + 1 - matched;
      }
    }
    work += size;
    return std::string::npos;
  }

 private:
  const std::string& name_;
  std::vector<std::size_t> fallback_;
};

// One definition's pass over the text. After each call found, the search goes on two characters
// further in the changed text, so calls inside the inserted arguments are expanded too. The text
// ahead is kept back to front, so that putting an expansion in its place costs only the length
// of the expansion, not of the whole rest of the line.
bool ExpandOneDefinition(const FunctionDefinition& definition, std::string& text,
                         std::size_t& work) {
  const std::string& name = definition.name;
  if (name.empty()) return true;
  const NameFinder finder(name);
  std::string done;
  done.reserve(text.size());
  std::string ahead(text.rbegin(), text.rend());
  auto pass = [&](std::size_t count) {
    count = std::min(count, ahead.size());
    done.append(ahead.rbegin(), ahead.rbegin() + static_cast<std::ptrdiff_t>(count));
    ahead.resize(ahead.size() - count);
    work += count;
  };

  std::string arguments;
  std::string expansion;
  while (true) {
    std::size_t distance = finder.Find(ahead, work);
    if (distance == std::string::npos) break;
    pass(distance);
    // The name is now at the front; a call needs "(" right after it and a closing bracket.
    const std::size_t afterName = ahead.size() - name.size();
    if (afterName > 0 && ahead[afterName - 1] == '(') {
      // FindClosingBracket's walk, over the arguments as they are kept here.
      std::ptrdiff_t depth = 0;
      std::ptrdiff_t close = -1;
      for (std::ptrdiff_t k = static_cast<std::ptrdiff_t>(afterName) - 2; k >= 0; --k) {
        char c = ahead[static_cast<std::size_t>(k)];
        if (IsOpening(c)) {
          ++depth;
        } else if (IsClosing(c)) {
          if (depth == 0) {
            close = k;
            break;
          }
          --depth;
        }
      }
      work += afterName - static_cast<std::size_t>(std::max<std::ptrdiff_t>(close, 0));
      if (close >= 0) {
        arguments.assign(ahead.rbegin() + static_cast<std::ptrdiff_t>(name.size()),
                         ahead.rend() - close);
        const std::size_t others = done.size() + ahead.size() - name.size() - arguments.size();
        const std::size_t room = others < kMaxExpandedLength ? kMaxExpandedLength - others : 0;
        switch (ExpandCall(definition, arguments, expansion, room)) {
          case CallExpansion::kTooLong:
            return false;
          case CallExpansion::kExpanded:
            ahead.resize(static_cast<std::size_t>(close));
            ahead.append(expansion.rbegin(), expansion.rend());
            work += name.size() + arguments.size() + expansion.size();
            break;
          case CallExpansion::kArgumentCount:
            break;  // left as typed: the evaluator reports it
        }
      }
    }
    pass(2);
    if (work > kWorkLimit) return false;
  }
  text = std::move(done);
  text.append(ahead.rbegin(), ahead.rend());
  return true;
}

// The arguments of a call, split at the commas outside inner brackets.
std::vector<std::string_view> SplitArguments(std::string_view inner) {
  std::vector<std::string_view> arguments;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < inner.size(); ++i) {
    if (inner[i] == '(') {
      ++depth;
    } else if (inner[i] == ')') {
      --depth;
    } else if (inner[i] == ',' && depth == 0) {
      arguments.push_back(inner.substr(start, i - start));
      start = i + 1;
    }
  }
  arguments.push_back(inner.substr(start));
  return arguments;
}

std::size_t CountOccurrences(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

}  // namespace

std::ptrdiff_t FindClosingBracket(std::string_view text) {
  std::ptrdiff_t depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsOpening(text[i])) {
      ++depth;
    } else if (IsClosing(text[i])) {
      if (depth == 0) return static_cast<std::ptrdiff_t>(i);
      --depth;
    }
  }
  return -1;
}

CallExpansion ExpandCall(const FunctionDefinition& definition, std::string_view argumentText,
                         std::string& result, std::size_t maxLength) {
  std::size_t open = argumentText.find('(');
  if (open == std::string_view::npos || argumentText.size() - open < 2) {
    return CallExpansion::kArgumentCount;
  }
  const std::vector<std::string_view> arguments =
      SplitArguments(argumentText.substr(open + 1, argumentText.size() - open - 2));
  if (static_cast<int>(arguments.size()) - 1 != definition.lastParameter) {
    return CallExpansion::kArgumentCount;
  }

  // Longest names first, so that a parameter "XX" is replaced before "X". Arguments are lower
  // case, so an inserted argument is never taken for another parameter.
  struct Parameter {
    std::string_view name;
    std::size_t index;  // which argument replaces it
  };
  std::vector<Parameter> parameters;
  const std::vector<std::string_view> names = Split(definition.parameters, ',');
  for (std::size_t i = 0; i < names.size(); ++i) parameters.push_back({names[i], i});
  ShellSort(std::span(parameters),
            [](const Parameter& a, const Parameter& b) { return a.name.size() > b.name.size(); });

  result = definition.expression;
  std::string replacement;
  for (const Parameter& parameter : parameters) {
    if (parameter.name.empty() || parameter.index >= arguments.size()) continue;
    std::string_view argument = arguments[parameter.index];
    replacement.clear();
    if (argument.size() > 1) replacement += '(';
    replacement += argument;
    if (argument.size() > 1) replacement += ')';
    const std::size_t count = CountOccurrences(result, parameter.name);
    const std::size_t grown =
        result.size() - count * parameter.name.size() + count * replacement.size();
    if (grown > maxLength) return CallExpansion::kTooLong;
    ReplaceAll(result, parameter.name, replacement);
  }
  return result.size() > maxLength ? CallExpansion::kTooLong : CallExpansion::kExpanded;
}

std::optional<std::string> ExpandDefinedCalls(const DefinitionStore& store, std::string_view text) {
  std::string result(text);
  std::size_t work = 0;
  for (int i = 0; i < store.count(); ++i) {
    if (!ExpandOneDefinition(store.definitions[i], result, work)) return std::nullopt;
  }
  return result;
}

}  // namespace orvo
