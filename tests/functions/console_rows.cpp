#include "tests/functions/console_rows.h"

#include <gtest/gtest.h>

#include "tests/support/console_harness.h"

namespace orvo::test {

std::string ValueAnswer(std::string_view value) {
  return std::string(value) + "\r\n\\\\\r\n";
}

std::string MessageAnswer(std::string_view messages) {
  return "\r\n" + std::string(messages) + "\r\n\\\\\r\n";
}

std::string AnswerOf(const Row& row) {
  ConsoleHarness console;
  if (row.before != nullptr) console.Type(row.before);
  return console.Answer(row.line);
}

void ExpectValues(std::span<const Row> rows) {
  for (const Row& row : rows) {
    EXPECT_EQ(Escape(AnswerOf(row)), Escape(ValueAnswer(row.shown))) << row.line;
  }
}

void ExpectMessages(std::span<const Row> rows) {
  for (const Row& row : rows) {
    EXPECT_EQ(Escape(AnswerOf(row)), Escape(MessageAnswer(row.shown))) << row.line;
  }
}

}  // namespace orvo::test
