// Checking a new definition and keeping the store in order.
#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/message.h"
#include "base/shell_sort.h"
#include "base/text.h"
#include "engine/evaluator.h"
#include "userdef/detail/messages.h"
#include "userdef/detail/names.h"
#include "userdef/userdef.h"

namespace orvo {
namespace {

// Characters that may not appear in a parameter list.
constexpr std::string_view kParameterForbidden = "()[]{}+-*^/:%#<>=&|";
// What ends a token of a body when parameters are marked ("!" and "." do not: "x!" and "x.5"
// are not the parameter x).
constexpr std::string_view kTokenDelimiters = "()+-*^/:%#,<>=&|";

bool IsControlCharacter(char c) {
  auto byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && byte != '\t') || byte == 0x7F;
}

std::string ToUpperAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

// Upper-cases every token of the expression that is exactly a parameter name; a token right
// before "(" is a function name and is passed over. Returns which parameters were found.
std::vector<bool> MarkParameters(std::string& expression,
                                 const std::vector<std::string_view>& names) {
  std::unordered_map<std::string_view, std::vector<std::size_t>> byName;
  for (std::size_t i = 0; i < names.size(); ++i) byName[names[i]].push_back(i);

  std::vector<bool> used(names.size(), false);
  std::size_t cursor = 0;
  while (true) {
    std::size_t end = expression.find_first_of(kTokenDelimiters, cursor);
    while (end != std::string::npos && expression[end] == '(') {
      cursor = end + 1;
      end = expression.find_first_of(kTokenDelimiters, cursor);
    }
    if (end == std::string::npos) break;
    auto found = byName.find(std::string_view(expression).substr(cursor, end - cursor));
    if (found != byName.end()) {
      for (std::size_t i : found->second) used[i] = true;
      for (std::size_t k = cursor; k < end; ++k) {
        char& c = expression[k];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      }
    }
    cursor = end + 1;
  }
  return used;
}

}  // namespace

namespace detail {

std::string WithoutBlanks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') result += c;
  }
  return result;
}

}  // namespace detail

std::string ValidateDefinition(FunctionDefinition& slot, std::string_view headText,
                               std::string_view bodyText, Random& rng) {
  const std::string head = detail::WithoutBlanks(headText);
  const std::string body = detail::WithoutBlanks(bodyText);
  slot = FunctionDefinition{};
  if (body.empty()) return std::string(msg::kIllegalDefine);
  slot.expression = body;

  std::size_t open = head.find('(');
  if (open == std::string::npos) return std::string(msg::kIllegalDefine);
  slot.name = head.substr(0, open);
  // A control character would hide in the listing and in the file (a NUL cut the name short).
  if (std::any_of(slot.name.begin(), slot.name.end(), IsControlCharacter)) {
    return std::string(msg::kIllegalDefine);
  }
  std::size_t close = head.find(')', open + 1);
  if (close != std::string::npos) slot.parameters = head.substr(open + 1, close - open - 1);

  // A plain text search, so a function "s" cannot use "sin" and an empty name always fails:
  // the expansion would otherwise find the name inside its own body again.
  if (slot.expression.find(slot.name) != std::string::npos) {
    return Fill(msg::kContainsName, {slot.name});
  }
  if (close == std::string::npos) return std::string(msg::kIllegalDefine);

  const std::string illegalParameters =
      Fill(msg::kIllegalParameters, {ToLowerAscii(slot.parameters)});
  if (slot.parameters.find_first_of(kParameterForbidden) != std::string::npos) {
    return illegalParameters;
  }
  const std::vector<std::string_view> names = Split(slot.parameters, ',');
  slot.lastParameter = static_cast<int>(names.size()) - 1;
  for (std::size_t i = 0; i + 1 < names.size(); ++i) {
    if (names[i].empty()) return illegalParameters;  // only the last name may be empty
  }

  // Only the first and last characters are looked at: (a)+(b) is not wrapped again.
  if (!(slot.expression.front() == '(' && slot.expression.back() == ')')) {
    slot.expression.insert(slot.expression.begin(), '(');
    slot.expression += ')';
  }

  const std::vector<bool> used = MarkParameters(slot.expression, names);
  std::string missing;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!used[i]) {
      missing += names[i];
      missing += '"';
    }
  }
  if (!missing.empty()) {
    if (slot.parameters.empty()) return "";
    return Fill(msg::kMissingParameters, {missing, ToLowerAscii(slot.expression)});
  }

  // A trial with every parameter as the variable z catches faults of form (unknown names,
  // brackets, argument counts of built-in functions). Faults of value, such as a division by
  // zero at z = pi, do not count: the definition may be fine elsewhere.
  std::string trial = slot.expression;
  for (char& c : trial) {
    if (c >= 'A' && c <= 'Z') c = 'z';
  }
  Evaluator evaluator(rng);
  evaluator.SetExpression(trial);
  std::string errors;
  if (evaluator.Evaluate(errors).status > 0) return errors;
  slot.parameters = ToUpperAscii(slot.parameters);
  return "";
}

void CopyDefinition(FunctionDefinition& target, const FunctionDefinition& source) {
  target.name = source.name;
  target.expression = source.expression;
  target.parameters = source.parameters;
  target.lastParameter = source.lastParameter;
}

void SortDefinitions(DefinitionStore& store) {
  std::vector<FunctionDefinition> valid(store.definitions.begin(),
                                        store.definitions.begin() + store.count());
  ShellSort(std::span(valid), [](const FunctionDefinition& a, const FunctionDefinition& b) {
    return a.name.size() > b.name.size();
  });
  for (std::size_t i = 0; i < valid.size(); ++i) CopyDefinition(store.definitions[i], valid[i]);
}

}  // namespace orvo
