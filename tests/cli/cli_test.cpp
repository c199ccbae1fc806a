// The terminal face: answers of typed arguments and piped lines, and the exit status.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct ShellRun {
  std::string output;
  int status;
};

ShellRun RunShell(const std::string& command) {
  ShellRun run{"", -1};
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      run.output.append(buffer, n);
    int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  return run;
}

const std::string kCli = "'" ORVO_CLI_PATH "'";

TEST(OrvoCli, ArgumentsAreTypedLinesAndAnswersPrinted) {
  ShellRun run = RunShell(kCli + " '1+2=' 'x=5' 'x^2=' '1/0=' 2>&1");
  EXPECT_EQ(run.output, "3\n\n25\nError: divided by zero\n");
  EXPECT_EQ(run.status, 1);
}

TEST(OrvoCli, ExitStatusIsZeroWithoutErrors) {
  ShellRun run = RunShell(kCli + " '2^10=' 'prec=' 2>&1");
  EXPECT_EQ(run.output, "1024\n8\n");
  EXPECT_EQ(run.status, 0);
}

TEST(OrvoCli, ReadsLinesFromAPipe) {
  ShellRun run = RunShell("printf '2^10=\\r\\n3*3=\\n' | " + kCli + " 2>&1");
  EXPECT_EQ(run.output, "1024\n9\n");
  EXPECT_EQ(run.status, 0);
}

TEST(OrvoCli, MultiLineAnswersKeepTheirLines) {
  ShellRun run = RunShell(kCli + " 'foo(1)=' 2>&1");
  EXPECT_EQ(
      run.output,
      "Error: Unknown char: foo\n/Error checking was disrupted by above critical error(s)/\n");
  EXPECT_EQ(run.status, 1);
}

TEST(OrvoCli, TranscriptKeepsTheConsoleBytes) {
  ShellRun run = RunShell("printf '1+2=\\n1/0=\\n' | " + kCli + " --transcript");
  EXPECT_EQ(run.output, "1+2=3\r\n\\\\\r\n1/0=\r\nError: divided by zero\r\n\\\\\r\n");
  EXPECT_EQ(run.status, 0);
}

}  // namespace
