#include "engine/tokens.h"

#include <algorithm>
#include <string>

#include "engine/detail/normalise.h"
#include "engine/detail/syntax.h"
#include "functions/functions.h"

namespace orvo {
namespace {

using detail::IsComparisonChar;
using detail::IsOperandChar;
using detail::IsSingleOperator;

// The console reads [] and {} as (); a line being typed may still hold them.
bool IsOpen(char c) {
  return c == '(' || c == '[' || c == '{';
}

bool IsClose(char c) {
  return c == ')' || c == ']' || c == '}';
}

// A character that belongs to a name: what the splitter reads between an operator and an operand.
bool IsNameChar(char c) {
  return !IsOperandChar(c) && !IsOpen(c) && !IsClose(c) && !IsSingleOperator(c) &&
         !IsComparisonChar(c) && c != ';';
}

// The end of the operand at `at`, with a scientific exponent as the splitter reads it.
std::size_t OperandEnd(const std::string& t, std::size_t at) {
  auto runEnd = [&](std::size_t from) {
    while (from < t.size() && IsOperandChar(t[from])) ++from;
    return from;
  };
  std::size_t end = runEnd(at);
  if (end < t.size() && t[end] == 'e') {
    auto digit = [&](std::size_t i) { return i < t.size() && t[i] >= '0' && t[i] <= '9'; };
    if (digit(end + 1)) return runEnd(end + 1);
    if (end + 2 < t.size() && (t[end + 1] == '+' || t[end + 1] == '-') && digit(end + 2)) {
      return runEnd(end + 2);
    }
  }
  return end;
}

// The kind and the end of the token at `at` of the normalised text.
std::pair<TokenKind, std::size_t> Read(const std::string& t, std::size_t at) {
  const char c = t[at];
  if (IsOpen(c)) return {TokenKind::kOpen, at + 1};
  if (IsClose(c)) return {TokenKind::kClose, at + 1};
  if (IsOperandChar(c)) {
    std::size_t end = OperandEnd(t, at);
    const bool variable = end == at + 1 && (c == 'x' || c == 'y' || c == 'z');
    return {variable ? TokenKind::kVariable : TokenKind::kNumber, end};
  }
  if (IsComparisonChar(c)) {
    return {TokenKind::kOperator,
            at + 1 < t.size() && IsComparisonChar(t[at + 1]) ? at + 2 : at + 1};
  }
  if (IsSingleOperator(c) || c == ';') return {TokenKind::kOperator, at + 1};
  std::size_t end = at;
  while (end < t.size() && IsNameChar(t[end])) ++end;
  std::string_view name(t.data() + at, end - at);
  if (name == "and" || name == "or") return {TokenKind::kOperator, end};
  // e+( and e-( are names of their own.
  if (name == "e" && end + 1 < t.size() && (t[end] == '+' || t[end] == '-') && t[end + 1] == '(') {
    ++end;
  }
  return {TokenKind::kName, end};
}

}  // namespace

std::vector<Token> Tokens(std::string_view typed) {
  std::vector<int> origin;
  const std::string t = detail::NormaliseWhole(typed, origin);
  std::vector<Token> tokens;
  for (std::size_t at = 0; at < t.size();) {
    auto [kind, end] = Read(t, at);
    // The typed characters the token stands for; a token the normaliser wrote is not shown.
    int first = -1;
    int last = -1;
    for (std::size_t i = at; i < end; ++i) {
      if (origin[i] < 0) continue;
      if (first < 0 || origin[i] < first) first = origin[i];
      last = std::max(last, origin[i]);
    }
    if (first >= 0) {
      Token token{kind, static_cast<std::size_t>(first),
                  static_cast<std::size_t>(last - first + 1)};
      if (kind == TokenKind::kName) {
        token.code = FunctionCodeOf(detail::DisplayName(std::string_view(t.data() + at, end - at)));
      }
      tokens.push_back(token);
    }
    at = end;
  }
  return tokens;
}

}  // namespace orvo
