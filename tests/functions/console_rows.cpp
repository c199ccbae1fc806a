#include "tests/functions/console_rows.h"

#include <gtest/gtest.h>

#include "tests/support/console_harness.h"

namespace orvo::test {

std::string ExpectedAnswer(std::string_view shown) {
  bool message = shown.find(' ') != std::string_view::npos;
  return (message ? "\r\n" : "") + std::string(shown) + "\r\n\\\\\r\n";
}

std::string AnswerOf(const Row& row) {
  ConsoleHarness console;
  if (row.before != nullptr) console.Type(row.before);
  return console.Answer(row.line);
}

void ExpectAnswers(std::span<const Row> rows) {
  for (const Row& row : rows) {
    EXPECT_EQ(Escape(AnswerOf(row)), Escape(ExpectedAnswer(row.shown))) << row.line;
  }
}

}  // namespace orvo::test
