// orvo-cli: the calculator in a terminal, in scripts and in acceptance tests.
//
//   orvo-cli '1+2=' 'x=5' 'x^2='   each argument is typed as a line; each answer is printed
//   echo '2^10=' | orvo-cli         lines from standard input, likewise
//   orvo-cli                        on a terminal: an interactive session with line editing
//   orvo-cli --transcript           lines from standard input; at the end the whole console
//                                   text is written out byte for byte
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>

#include <editline/readline.h>

#include "cli/cli.h"

namespace {

std::atomic<bool> interruptRequested{false};

extern "C" void OnInterrupt(int) {
  interruptRequested = true;
}

class SignalInterrupt final : public orvo::Interrupt {
 public:
  bool Requested() override { return interruptRequested.load(); }
};

// Types every line of `source` and prints each answer; 1 when any answer was a failure.
int RunLines(orvo::cli::LineSource& source) {
  orvo::StringTextBox box;
  orvo::cli::LineDialogs dialogs(source);
  SignalInterrupt interrupt;
  orvo::ConsoleSession session(box, dialogs, interrupt);
  int exitCode = 0;
  while (std::optional<std::string> line = source.NextLine()) {
    interruptRequested = false;
    orvo::cli::Answer answer = orvo::cli::TypeLine(session, box, *line);
    if (answer.failed) exitCode = 1;
    std::cout << answer.text << '\n' << std::flush;
  }
  return exitCode;
}

int RunTranscript() {
  orvo::cli::StreamSource source(std::cin);
  orvo::StringTextBox box;
  orvo::cli::LineDialogs dialogs(source);
  SignalInterrupt interrupt;
  orvo::ConsoleSession session(box, dialogs, interrupt);
  while (std::optional<std::string> line = source.NextLine()) {
    interruptRequested = false;
    box.MoveCaretToEnd();
    box.ReplaceSelection(*line);
    session.PressEnter(false);
  }
  std::string text = box.Text();
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

// libedit's readline, with the typed lines kept in the history for recall.
class TerminalSource final : public orvo::cli::LineSource {
 public:
  std::optional<std::string> NextLine() override {
    char* raw = readline("\\\\ ");
    if (raw == nullptr) return std::nullopt;
    std::string line(raw);
    std::free(raw);
    if (!line.empty()) add_history(line.c_str());
    return line;
  }
};

int RunInteractive() {
  std::cout << "Orvo calculator. End an expression with = and press Enter; &= @= #= list the "
               "commands; Ctrl+D quits.\n";
  TerminalSource source;
  RunLines(source);
  std::cout << '\n';
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGINT, OnInterrupt);
  if (argc == 2 && std::strcmp(argv[1], "--transcript") == 0) return RunTranscript();
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::cout << "usage: orvo-cli [LINE...]\n"
                 "       orvo-cli --transcript < lines\n"
                 "Each LINE (or each line of standard input) is typed into the console and its\n"
                 "answer printed; the exit status is 1 when any answer was an error.\n";
    return 0;
  }
  if (argc > 1) {
    std::deque<std::string> lines(argv + 1, argv + argc);
    orvo::cli::ListSource source(std::move(lines));
    return RunLines(source);
  }
  if (isatty(STDIN_FILENO) != 0) return RunInteractive();
  orvo::cli::StreamSource source(std::cin);
  return RunLines(source);
}
