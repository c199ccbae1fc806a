#include "console/answer_calls.h"

#include <algorithm>
#include <charconv>

#include "base/message.h"
#include "base/text.h"
#include "console/detail/messages.h"

namespace orvo {
namespace {

constexpr std::string_view kName = "ans(";

// On the lower-cased line.
bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool HasDefinition(const DefinitionStore& definitions, std::string_view name) {
  for (int i = 0; i < definitions.count(); ++i) {
    if (definitions.definitions[i].name == name) return true;
  }
  return false;
}

std::string Literal(double value) {
  char buffer[32];
  auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
  return "(" + std::string(buffer, error == std::errc() ? end : buffer) + ")";
}

}  // namespace

std::vector<double> RecentAnswerValues(const std::deque<Answer>& answers) {
  std::vector<double> recent;
  for (auto answer = answers.rbegin(); answer != answers.rend(); ++answer) {
    if (answer->values.empty()) continue;
    const AnswerValue* main = MainValue(*answer);
    recent.push_back(main != nullptr ? main->value : answer->values.front().value);
  }
  return recent;
}

std::optional<std::string> ReplaceAnswerCalls(std::string_view line, std::span<const double> recent,
                                              const DefinitionStore& definitions,
                                              std::string& error) {
  const std::string lower = ToLowerAscii(line);
  if (lower.find(kName) == std::string::npos || HasDefinition(definitions, kAnsName)) {
    return std::string(line);
  }
  std::string result;
  std::size_t copied = 0;
  for (std::size_t at = lower.find(kName); at != std::string::npos;
       at = lower.find(kName, at + 1)) {
    if (at > 0 && IsNameChar(lower[at - 1])) continue;  // tans(, my_ans(
    const std::size_t digits = at + kName.size();
    const std::size_t close = lower.find_first_not_of("0123456789", digits);
    if (close == std::string::npos || lower[close] != ')') continue;  // not a call of ours
    const std::string_view number = close > digits ? line.substr(digits, close - digits) : "1";
    std::size_t n = 0;
    auto [end, failed] = std::from_chars(number.data(), number.data() + number.size(), n);
    if (failed != std::errc() || n == 0 || n > recent.size()) {
      error = Fill(msg::kNoAnswer, {std::string(number)});
      return std::nullopt;
    }
    result.append(line.substr(copied, at - copied));
    result += Literal(recent[n - 1]);
    copied = close + 1;
  }
  result.append(line.substr(copied));
  return result;
}

}  // namespace orvo
