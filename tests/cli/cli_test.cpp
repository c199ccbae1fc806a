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

TEST(OrvoCli, AnswersAndExitStatus) {
  const struct {
    std::string command;
    std::string output;
    int status;
  } rows[] = {
      // Arguments are typed lines; a line without an answer prints an empty one.
      {kCli + " '1+2=' 'x=5' 'x^2=' '1/0=' 2>&1", "3\n\n25\nError: divided by zero\n", 1},
      {kCli + " '2^10=' 'prec=' 2>&1", "1024\n8\n", 0},
      {"printf '2^10=\\r\\n3*3=\\n' | " + kCli + " 2>&1", "1024\n9\n", 0},
      // Answers of several lines keep their lines.
      {kCli + " 'foo(1)=' 2>&1",
       "Error: Unknown char: foo\n/Error checking was disrupted by above critical error(s)/\n", 1},
      // The transcript mode keeps the console bytes.
      {"printf '1+2=\\n1/0=\\n' | " + kCli + " --transcript",
       "1+2=3\r\n\\\\\r\n1/0=\r\nError: divided by zero\r\n\\\\\r\n", 0},
  };
  for (const auto& row : rows) {
    ShellRun run = RunShell(row.command);
    EXPECT_EQ(run.output, row.output) << row.command;
    EXPECT_EQ(run.status, row.status) << row.command;
  }
}

}  // namespace
