// The terminal face: options, answers of typed arguments and piped lines, questions, the exit
// status of each mode, and the interactive session through a pseudo-terminal.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "base/version.h"

namespace {

namespace fs = std::filesystem;

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

// Every run gets an empty Orvo folder and state folder of its own.
class OrvoCli : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = fs::temp_directory_path() / ("orvo-cli-test-" + std::to_string(::getpid()));
    fs::remove_all(home_);
    fs::create_directories(home_);
    cli_ = "cd '" + home_.string() + "' && ORVO_HOME=. XDG_STATE_HOME='" + home_.string() +
           "' '" ORVO_CLI_PATH "'";
  }
  void TearDown() override { fs::remove_all(home_); }

  fs::path home_;
  std::string cli_;
};

TEST_F(OrvoCli, AnswersOptionsAndExitStatus) {
  const struct {
    std::string command;
    std::string output;
    int status;
  } rows[] = {
      // Options.
      {" -V", "orvo-cli " ORVO_VERSION "\n", 0},
      {" --version --bogus",
       "orvo-cli: unknown option '--bogus'\nTry 'orvo-cli --help' for more information.\n", 2},
      {" --help | head -n 1", "usage: orvo-cli [OPTION]... [--] [LINE]...\n", 0},
      {" -- '-1+2=' '--' 2>/dev/null", "1\n\n", 0},
      // A minus before a number or a bracket begins a line; the options end there.
      {" '-1+2=' '-(2)*3=' '--help' 2>/dev/null", "1\n-6\n\n", 0},
      {" '-x^2='",
       "orvo-cli: unknown option '-x^2='\nTry 'orvo-cli --help' for more information.\n", 2},
      // Arguments are typed lines; a line without an answer prints an empty one.
      {" '1+2=' 'x=5' 'x^2=' '1/0='", "3\n\n25\nError: divided by zero\n", 1},
      {" 'x=1/0' '1/1='", "Error: divided by zero\n1\n", 1},  // a setting fails too
      // A command's failure need not begin with "Error".
      {" '@sin(mat1)='", "mat1 is not a 1*2 matrix, which can not do complex calculation\n", 1},
      {" '&func=' >/dev/null", "", 0},  // a help page is no failure, though a line begins "Error"
      {" 'foo(1)='",
       "Error: Unknown char: foo\n/Error checking was disrupted by above critical error(s)/\n", 1},
      // Piped lines, likewise.
      {" < /dev/null", "", 0},
      {" <<'END'\n2^10=\r\n3*3=\nEND", "1024\n9\n", 0},
      // Results on stdout; messages, questions with their answers, and notes on stderr.
      {" 2>/dev/null <<'END'\n1+1=\n1/0=\n#define(f(x);x^2)=\n#undef()=\ny\n5*-2=\n2+2\nx=1/0\n"
       "2*3=\n3+3\nEND",
       "2\nDefined: f(x)\nExpression: x^2\nAll the defined functions were undefined\n10\n\n6\n\n",
       1},
      {" 2>&1 >/dev/null <<'END'\n1+1=\n1/0=\n#define(f(x);x^2)=\n#undef()=\ny\n5*-2=\n2+2\n"
       "x=1/0\n2*3=\n3+3\nEND",
       "Error: divided by zero\nRemove all defined functions? [y/N] y\n"
       "orvo-cli: note: read as 5*2 (a sign right after an operator is dropped: write 5*(-2))\n"
       "orvo-cli: note: end a calculation with =\nError: divided by zero\n",
       1},
      {" -q '5*-2=' '2+2' 'pow(2,-1)='", "10\n\n2\n", 0},
      // --values: one line per calculation, the main value first; an empty one for a failure,
      // none for a setting.
      {" --values 2>/dev/null '&st(1;2;3)=' 'x^2-4=0' 'x=5' '1/0=' '&u(1atm;psi)='",
       "Mean=2\tMax=3\tMin=1\tMedian=2\tSum=6\tStandard deviation=1\tAverage deviation=0.66666667\t"
       "Conf. interval (t dist.)=2 +- 2.4841377\nx[1]=-2\tx[2]=2\n\n14.695949 psi\n",
       1},
      // The transcript keeps the console bytes, messages included, and no notes; argument lines
      // come first.
      {" --transcript '5*-2=' <<'END'\n1/0=\nEND",
       "5*-2=10\r\n\\\\\r\n1/0=\r\nError: divided by zero\r\n\\\\\r\n", 1},
      // The next line answers a question; the question is shown with its answer.
      {" '#define(f(x);x^2)=' '#undef()=' 'n' 'f(3)='",
       "Defined: f(x)\nExpression: x^2\nRemove all defined functions? [y/N] n\n"
       "No functions were undefined\n9\n",
       0},
      {" <<'END'\n#define(f(x);x^2)=\n#savedef=\nmine\n#undef()=\nyes\n#loaddef=\nmine.def\n"
       "f(4)=\nEND",
       "Defined: f(x)\nExpression: x^2\nSave definitions to file: mine\n"
       "Defined functions were saved\nRemove all defined functions? [y/N] yes\n"
       "All the defined functions were undefined\nLoad definitions from file: mine.def\n"
       "mine.def\nFunction 1: \nName: f(x)\nExpression: (x^2)\n16\n",
       0},
      // --plot writes the last chart at the end, one path per curve; no chart is a failure.
      {" --plot c.svg '&plot(0;2;x;x^2-1)=' && grep -c '<path' c.svg",
       "f1: min 0 at x=0, max 2 at x=2\nf2: min -1 at x=0, max 3 at x=2\n"
       "f2: crosses zero near x=1\n2\n",
       0},
      {" --plot c.svg '1+1='", "2\norvo-cli: no &plot to write to c.svg\n", 1},
      {" --plot no/c.svg '&plot(0;1;x)='",
       "f1: min 0 at x=0, max 1 at x=1\norvo-cli: no/c.svg: No such file or directory\n", 1},
      {" --plot c.png '&plot(0;1;x)='", "orvo-cli: --plot writes SVG only: c.png\n", 2},
      {" --plot",
       "orvo-cli: option '--plot' needs a file name\n"
       "Try 'orvo-cli --help' for more information.\n",
       2},
  };
  for (const auto& row : rows) {
    std::string command = cli_ + row.command;
    if (command.find("2>") == std::string::npos) command.insert(cli_.size(), " 2>&1");
    ShellRun run = RunShell(command);
    EXPECT_EQ(run.output, row.output) << row.command;
    EXPECT_EQ(run.status, row.status) << row.command;
  }
}

// On a terminal: questions are prompts, a line without "=" earns a hint once, a dropped sign a
// note, a plot its chart, and the typed lines are kept in the history file at the end.
TEST_F(OrvoCli, InteractiveSession) {
  ShellRun run = RunShell(
      "printf '1+2=\\nfoo\\nbar\\n#undef()=\\ny\\n5*-2=\\n1/0=\\n&plot(-1;1;x)=\\nquit\\n' | "
      "NO_COLOR=1 script -qec \"" +
      cli_ + "\" /dev/null");
  EXPECT_EQ(run.status, 1);  // as in the other modes: an answer failed
  EXPECT_NE(run.output.find("\\\\ 1+2=\r\n3\r\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("\r\nRemove all defined functions? [y/N] y\r\n"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("\r\n10\r\nnote: read as 5*2 ("), std::string::npos) << run.output;
  std::size_t hint = run.output.find("end a calculation with =");
  ASSERT_NE(hint, std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("end a calculation with =", hint + 1), std::string::npos);
  // The line y = x from corner to corner of a 72-column chart, its ranges and its legend.
  EXPECT_NE(run.output.find("\r\n 1.1 \u2524\u2800"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("\u28c0\r\n     \u2502"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("\r\n-1.1 \u2524\u2809\u2800"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("\r\n      -1" + std::string(63, ' ') + "1\r\n      f1 x\r\n"),
            std::string::npos)
      << run.output;

  ShellRun history = RunShell("cat '" + (home_ / "orvo" / "cli_history").string() + "'");
  EXPECT_EQ(history.output,
            "_HiStOrY_V2_\n1+2=\nfoo\nbar\n#undef()=\n5*-2=\n1/0=\n&plot(-1;1;x)=\n");
}

// Tab completes a name to its bracket; where the candidates share no more than is typed, it lists
// them with their usages and the line stays as it was.
TEST_F(OrvoCli, TabCompletesNamesOnATerminal) {
  ShellRun run =
      RunShell("printf 'sqr\\t4)=\\ngam\\t\\t\\n&i\\t\\nquit\\n' | NO_COLOR=1 script -qec \"" +
               cli_ + "\" /dev/null");
  EXPECT_NE(run.output.find("t(4)=\r\n2\r\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("ma\r\ngamma(x): gamma function\r\ngammainc(x,a): "), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("\r\n&is(a;b;f(x)): Simpson integral\r\n&ir("), std::string::npos)
      << run.output;
}

// Charts on a terminal: coloured unless NO_COLOR holds something or the terminal is dumb, and
// none at all on a terminal too narrow for one.
TEST_F(OrvoCli, ChartsOnATerminal) {
  const struct {
    std::string setting;
    std::string shown;
    bool found;
  } rows[] = {
      {"export NO_COLOR= TERM=xterm;", "\x1b[34m", true},
      {"export NO_COLOR=1 TERM=xterm;", "\x1b[", false},
      {"export TERM=dumb;", "\x1b[", false},
      {"stty cols 30;", "\u2524", true},
      {"stty cols 29;", "no chart: the terminal is narrower than 30 columns\r\n", true},
  };
  for (const auto& row : rows) {
    ShellRun run =
        RunShell("script -qec \"" + row.setting + " " + cli_ + " '&plot(-1;1;x)='\" /dev/null");
    EXPECT_EQ(run.output.find(row.shown) != std::string::npos, row.found) << row.setting << "\n"
                                                                          << run.output;
  }
}

}  // namespace
