// orvo-cli: the calculator in a terminal, in scripts and in acceptance tests.
//
//   orvo-cli '1+2=' 'x=5' 'x^2='   each argument is typed as a line; each answer is printed
//   echo '2^10=' | orvo-cli         lines from standard input, likewise
//   orvo-cli                        on a terminal: an interactive session with line editing
//   orvo-cli --transcript           lines from standard input; at the end the whole console
//                                   text is written out byte for byte
//   orvo-cli --plot FILE.svg ...    at the end, the chart of the last &plot goes to FILE.svg
//
// On a terminal, each &plot answer is followed by its chart in braille characters.
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string_view>

#include <editline/readline.h>

#include "base/safe_file.h"
#include "base/text.h"
#include "base/version.h"
#include "cli/cli.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "usage: orvo-cli [OPTION]... [--] [LINE]...\n"
    "The Orvo calculator in a terminal. Each LINE is typed into the console as at the window's\n"
    "prompt and its answer is printed; a calculation ends with \"=\", as in 1+2=.\n"
    "\n"
    "  orvo-cli '1+2=' 'x=5' 'x^2='  types the arguments, prints each answer\n"
    "  echo '2^10=' | orvo-cli       types the lines of standard input, prints each answer\n"
    "  orvo-cli                      on a terminal: a session with line editing and history;\n"
    "                                Ctrl+D, exit or quit ends it, Ctrl+C clears the line\n"
    "                                or stops a long calculation, Tab completes a name\n"
    "\n"
    "Answers go to standard output. Messages of failed answers, questions with the lines that\n"
    "answer them, and notes (\"orvo-cli: note: read as 5*2 ...\", \"orvo-cli: note: end a\n"
    "calculation with =\") go to standard error.\n"
    "\n"
    "Options (they end at the first LINE; a LINE may begin with - before a digit, \"(\" or\n"
    "\".\", as in -1+2=):\n"
    "  -q, --quiet    no notes\n"
    "  --values       print only values: one line for each calculation (a line ending in =\n"
    "                 or =0 that is no setting or screen word, such as 1+2=, &is(0;1;x)=,\n"
    "                 x^2-4=0), holding its values separated by tabs, the main one first,\n"
    "                 named ones as name=value; an empty line when it failed or has none.\n"
    "                 Settings, screen words and answers to questions print nothing.\n"
    "  --transcript   print the whole console text at the end, byte for byte (CR LF kept),\n"
    "                 messages and questions included, no notes; LINE arguments are typed\n"
    "                 first, then the lines of standard input\n"
    "  --plot FILE.svg\n"
    "                 write the chart of the last &plot to FILE.svg at the end (SVG only);\n"
    "                 without it, a terminal shows each &plot's chart under its answer\n"
    "  -h, --help     print this help and exit\n"
    "  -V, --version  print the version and exit\n"
    "  --             ends the options: what follows are lines, even when they begin with -\n"
    "\n"
    "Questions: #undef()= asks \"Remove all defined functions? [y/N]\", #savedef= and\n"
    "#loaddef= ask for a file. On a terminal the question is a prompt; otherwise the next line\n"
    "answers it, and the question is printed with that answer on standard error.\n"
    "\n"
    "Files: Orvo's folder is $ORVO_HOME when it is set, else $XDG_CONFIG_HOME/orvo\n"
    "(~/.config/orvo). A bare file name (no \"/\") given to #savedef= or #loaddef= names a\n"
    "file there, where #include(name)= reads; a path with \"/\" is used as given. The\n"
    "interactive line history is kept in $XDG_STATE_HOME/orvo/cli_history\n"
    "(~/.local/state/orvo/cli_history). Variables, definitions, matrices and saved screens\n"
    "last as long as the run.\n"
    "\n"
    "Charts on a terminal are as wide as the terminal (30 columns at least) and coloured,\n"
    "unless NO_COLOR is set to something or TERM is dumb.\n"
    "\n"
    "Exit status: 0 when every answer succeeded, 1 when any answer failed (in every mode,\n"
    "the interactive one included) or --plot could not write its file, 2 for a wrong option.\n"
    "\n"
    "Type &oper= for the operators, &func= for the functions, and &= @= #= for the commands.\n";

constexpr int kHistoryLines = 1000;

std::atomic<bool> interruptRequested{false};

extern "C" void OnInterrupt(int) {
  interruptRequested = true;
}

class SignalInterrupt final : public orvo::Interrupt {
 public:
  bool Requested() override { return interruptRequested.load(); }
};

// Ctrl+C sets the flag and, since system calls are not restarted, wakes a waiting line editor.
void CatchInterrupts() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

// Where the charts of &plot go.
struct Charts {
  std::optional<orvo::cli::ChartSize> shown;  // under each &plot answer, on a terminal
  std::string svgPath;                        // the last one, when the run ends
};

// Colour only for a terminal that shows it and a user who has not declined it: NO_COLOR counts
// when it holds something, as its convention says.
bool WantsColour(const char* noColor, const char* term) {
  const bool declined = noColor != nullptr && noColor[0] != '\0';
  return !declined && (term == nullptr || std::strcmp(term, "dumb") != 0);
}

// A terminal's width, for charts; colours unless the user or the terminal wants none.
std::optional<orvo::cli::ChartSize> TerminalChartSize() {
  if (::isatty(STDOUT_FILENO) == 0) return std::nullopt;
  orvo::cli::ChartSize size;
  winsize terminal{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &terminal) == 0 && terminal.ws_col > 0)
    size.columns = terminal.ws_col;
  size.colour = WantsColour(std::getenv("NO_COLOR"), std::getenv("TERM"));
  return size;
}

// The chart of a new &plot under its answer, on a terminal.
void ShowChart(orvo::cli::LineSession& session, const Charts& charts) {
  if (charts.shown) std::cout << session.NewChart(*charts.shown) << std::flush;
}

// The SVG file of --plot; 1 when it could not be written.
int WriteChart(const orvo::cli::LineSession& session, const Charts& charts) {
  if (charts.svgPath.empty()) return 0;
  std::string failure = session.WriteLastPlot(charts.svgPath);
  if (failure.empty()) return 0;
  std::cerr << "orvo-cli: " << failure << '\n';
  return 1;
}

// Types every line of `source` and writes each answer; 1 when any answer failed. Questions and
// the lines that answer them go to stderr with the messages.
int RunLines(orvo::cli::LineSource& source, const orvo::SessionOptions& given, const Charts& charts,
             orvo::cli::Reporting reporting) {
  SignalInterrupt interrupt;
  orvo::cli::LineSession session(source, &std::cerr, interrupt, given);
  orvo::cli::Reporter reporter(std::cout, std::cerr, reporting);
  int exitCode = 0;
  while (std::optional<std::string> line = source.NextLine("")) {
    interruptRequested = false;
    orvo::cli::Answer answer = session.Type(*line);
    if (answer.failed) exitCode = 1;
    reporter.Write(answer);
    ShowChart(session, charts);
  }
  return std::max(exitCode, WriteChart(session, charts));
}

int RunTranscript(orvo::cli::LineSource& source, const orvo::SessionOptions& given,
                  const Charts& charts) {
  SignalInterrupt interrupt;
  orvo::cli::LineSession session(source, nullptr, interrupt, given);
  int exitCode = 0;
  while (std::optional<std::string> line = source.NextLine("")) {
    interruptRequested = false;
    if (session.Type(*line).failed) exitCode = 1;
  }
  std::string text = session.Text();
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::max(exitCode, WriteChart(session, charts));
}

// libedit's readline. Ctrl+C on a line being typed drops it and starts a fresh one, as a shell
// does.
class TerminalSource final : public orvo::cli::LineSource {
 public:
  std::optional<std::string> NextLine(std::string_view prompt) override {
    std::string shown(prompt);
    for (;;) {
      interruptRequested = false;
      char* raw = readline(shown.c_str());
      if (raw != nullptr) {
        std::string line(raw);
        std::free(raw);
        return line;
      }
      if (!interruptRequested) return std::nullopt;  // Ctrl+D
      std::cout << '\n';
    }
  }
};

// libedit writes its own format into a scratch file only; the history file itself is replaced
// the way every file Orvo writes is (links followed, a protected file left alone).
void SaveHistory(const fs::path& file) {
  std::error_code ignored;
  fs::create_directories(file.parent_path(), ignored);
  std::string scratch = file.string() + ".XXXXXX";
  int fd = ::mkstemp(scratch.data());
  if (fd < 0) return;
  ::close(fd);
  if (write_history(scratch.c_str()) == 0) {
    orvo::ReadResult written = orvo::ReadFileSafely(scratch);
    if (written.ok()) orvo::WriteFileSafely(file.string(), written.bytes, {.newFileMode = 0600});
  }
  std::remove(scratch.c_str());
}

bool IsEnd(std::string_view line) {
  return line == "exit" || line == "quit";
}

int RunInteractive(const std::optional<fs::path>& historyFile, const orvo::SessionOptions& given,
                   const Charts& charts, bool notes) {
  std::cout << "Orvo calculator " ORVO_VERSION
               ". End a calculation with = and press Enter; &= @= #= list the commands; "
               "Ctrl+D quits.\n";
  stifle_history(kHistoryLines);
  if (historyFile) read_history(historyFile->c_str());

  TerminalSource source;
  SignalInterrupt interrupt;
  orvo::cli::LineSession session(source, nullptr, interrupt, given);
  orvo::cli::TabCompletion completion(session);
  bool hinted = false;
  int exitCode = 0;
  while (std::optional<std::string> line = source.NextLine("\\\\ ")) {
    if (IsEnd(*line)) break;
    // Typed lines only, for recall: answers to questions are not worth recalling.
    if (!line->empty()) add_history(line->c_str());
    interruptRequested = false;
    orvo::cli::Answer answer = session.Type(*line);
    if (answer.failed) exitCode = 1;
    std::cout << answer.text << '\n';
    ShowChart(session, charts);
    if (!notes) continue;
    for (const std::string& note : answer.notes) std::cout << "note: " << note << '\n';
    if (answer.unfinished && !hinted) {
      std::cout << orvo::cli::kEndWithEquals << '\n';
      hinted = true;
    }
  }
  std::cout << '\n';
  if (historyFile) SaveHistory(*historyFile);
  return std::max(exitCode, WriteChart(session, charts));
}

// The one place the session's folders are read from the environment.
orvo::SessionOptions SessionOptionsFromEnvironment() {
  auto variable = [](const char* name) -> std::string_view {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
  };
  return {orvo::FoldersFrom(variable("ORVO_HOME"), variable("XDG_CONFIG_HOME"), variable("HOME"))};
}

// $XDG_STATE_HOME/orvo/cli_history, else ~/.local/state/orvo/cli_history.
std::optional<fs::path> HistoryFile() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && state[0] == '/') return fs::path(state) / "orvo" / "cli_history";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') {
    return fs::path(home) / ".local" / "state" / "orvo" / "cli_history";
  }
  return std::nullopt;
}

enum class Mode { kLines, kTranscript, kHelp, kVersion };

struct Options {
  Mode mode = Mode::kLines;
  bool quiet = false;   // no notes
  bool values = false;  // values only
  std::string svgPath;  // --plot
  std::deque<std::string> lines;
};

// An option chooses a mode or sets a switch.
struct OptionName {
  std::string_view name;
  Mode mode;
  bool Options::*on = nullptr;
};

constexpr OptionName kOptions[] = {
    {"--transcript", Mode::kTranscript},
    {"--quiet", Mode::kLines, &Options::quiet},
    {"-q", Mode::kLines, &Options::quiet},
    {"--values", Mode::kLines, &Options::values},
    {"--help", Mode::kHelp},
    {"-h", Mode::kHelp},
    {"--version", Mode::kVersion},
    {"-V", Mode::kVersion},
};

// "-1+2=", "-(1+2)=", "-.5=": a minus before a number or a bracket begins a line, not an
// option.
bool IsNegativeLine(std::string_view argument) {
  return argument.size() >= 2 && argument[0] == '-' &&
         ((argument[1] >= '0' && argument[1] <= '9') || argument[1] == '(' || argument[1] == '.');
}

// The chart file's name: charts are written as SVG only, whatever another extension promises.
bool IsSvgName(std::string_view path) {
  return orvo::EndsWith(orvo::ToLowerAscii(path), ".svg");
}

// Options come before the lines; "--" or the first line ends them. Nothing on a wrong option,
// after saying why.
std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  int i = 1;
  for (; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "--") {
      ++i;
      break;
    }
    if (argument.size() < 2 || argument[0] != '-' || IsNegativeLine(argument)) break;
    if (argument == "--plot") {
      if (i + 1 == argc || argv[i + 1][0] == '\0') {
        std::cerr << "orvo-cli: option '--plot' needs a file name\n"
                     "Try 'orvo-cli --help' for more information.\n";
        return std::nullopt;
      }
      options.svgPath = argv[++i];
      if (!IsSvgName(options.svgPath)) {
        std::cerr << "orvo-cli: --plot writes SVG only: " << options.svgPath << '\n';
        return std::nullopt;
      }
      continue;
    }
    const OptionName* found = nullptr;
    for (const OptionName& option : kOptions) {
      if (option.name == argument) found = &option;
    }
    if (found == nullptr) {
      std::cerr << "orvo-cli: unknown option '" << argument
                << "'\nTry 'orvo-cli --help' for more information.\n";
      return std::nullopt;
    }
    if (found->on != nullptr) {
      options.*(found->on) = true;
    } else if (options.mode == Mode::kLines || found->mode != Mode::kTranscript) {
      options.mode = found->mode;
    }
  }
  options.lines.assign(argv + i, argv + argc);
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) return 2;
  switch (options->mode) {
    case Mode::kHelp:
      std::cout << kUsage;
      return 0;
    case Mode::kVersion:
      std::cout << "orvo-cli " ORVO_VERSION "\n";
      return 0;
    case Mode::kTranscript: {
      CatchInterrupts();
      const orvo::SessionOptions given = SessionOptionsFromEnvironment();
      orvo::cli::StreamSource input(std::cin);
      // Lines given as arguments are typed first; a terminal is not waited on after them.
      bool readInput = options->lines.empty() || ::isatty(STDIN_FILENO) == 0;
      orvo::cli::ListSource source(std::move(options->lines), readInput ? &input : nullptr);
      return RunTranscript(source, given, {std::nullopt, options->svgPath});
    }
    case Mode::kLines:
      break;
  }
  CatchInterrupts();
  const orvo::SessionOptions given = SessionOptionsFromEnvironment();
  const orvo::cli::Reporting reporting{!options->quiet, options->values};
  // A chart file replaces the charts on the terminal.
  const Charts charts{
      options->svgPath.empty() && !options->values ? TerminalChartSize() : std::nullopt,
      options->svgPath};
  if (!options->lines.empty()) {
    orvo::cli::ListSource source(std::move(options->lines));
    return RunLines(source, given, charts, reporting);
  }
  if (::isatty(STDIN_FILENO) != 0 && !options->values)
    return RunInteractive(HistoryFile(), given, charts, !options->quiet);
  orvo::cli::StreamSource source(std::cin);
  return RunLines(source, given, charts, reporting);
}
