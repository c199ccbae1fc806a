#pragma once
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/answer.h"
#include "userdef/userdef.h"

// ans() and ans(n): the values of earlier answers. The console writes them into the line as
// literals before anything reads it, so every command takes them and the engine never sees the
// name; a definition keeps the value it was given.
namespace orvo {

inline constexpr std::string_view kAnsName = "ans";
inline constexpr std::string_view kAnsUsage =
    "ans(n): the value of the n-th last answer, ans() of the last";

// The values ans(1), ans(2), ... stand for, the latest first: of each answer that has values,
// its main value (or its first).
std::vector<double> RecentAnswerValues(const std::deque<Answer>& answers);

// `line` with each ans() and ans(n) (n written in digits, any case) replaced by its value in
// brackets, to 17 significant digits so that the double comes back exactly. Unchanged when the
// user has a definition named ans: theirs wins, as over every built-in. Nothing, and the message
// in `error`, when a call asks for an answer beyond `recent`.
std::optional<std::string> ReplaceAnswerCalls(std::string_view line, std::span<const double> recent,
                                              const DefinitionStore& definitions,
                                              std::string& error);

}  // namespace orvo
