#pragma once
#include <span>
#include <string>
#include <string_view>

// Table rows for the function tests: a line typed into a fresh console and what it answers.
namespace orvo::test {

struct Row {
  const char* line;              // typed after the prompt, "=" included
  const char* shown;             // the result as printed, or the messages (joined by "\r\n")
  const char* before = nullptr;  // a line typed first, to set a variable or the precision
};

// The exact console text that follows a typed line: a value right after its "=", messages (every
// message holds a blank, no value does) on their own lines below it; then the prompt line.
std::string ExpectedAnswer(std::string_view shown);

// What a fresh console answers to row.line (after row.before, if any).
std::string AnswerOf(const Row& row);

// Checks every row against the ExpectedAnswer of its `shown` text.
void ExpectAnswers(std::span<const Row> rows);

}  // namespace orvo::test
