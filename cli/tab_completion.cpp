// Tab on the interactive line: the names the window's popup offers, through libedit's readline
// interface. libedit's callbacks carry no context, so the session being typed into is kept in
// this file while the guard lives.
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include <editline/readline.h>

#include "cli/cli.h"
#include "console/completion.h"

namespace orvo::cli {
namespace {

const LineSession* completing = nullptr;

char* Copy(const std::string& text) {
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

std::string CommonPrefix(const std::vector<Completion>& candidates) {
  std::string common = candidates.front().insert;
  for (const Completion& candidate : candidates) {
    std::size_t n = 0;
    while (n < common.size() && n < candidate.insert.size() && common[n] == candidate.insert[n]) {
      ++n;
    }
    common.resize(n);
  }
  return common;
}

// readline replaces [start, end) of the line with the first match. With several candidates that
// share nothing more than what is typed, the candidates are listed with their usages instead.
char** Matches(const char*, int start, int end) {
  rl_attempted_completion_over = 1;  // never file names
  if (completing == nullptr || start < 0 || end < start || end > rl_end) return nullptr;
  const std::string_view line(rl_line_buffer, static_cast<std::size_t>(rl_end));
  const CompletedWord word =
      Complete(line, static_cast<std::size_t>(end), completing->Definitions());
  const auto first = static_cast<std::size_t>(start);
  if (word.candidates.empty() || word.start < first) return nullptr;
  const std::string common = CommonPrefix(word.candidates);
  if (word.candidates.size() > 1 && common.size() <= static_cast<std::size_t>(end) - word.start) {
    std::cout << '\n';
    for (const Completion& candidate : word.candidates) std::cout << candidate.usage << '\n';
    std::cout.flush();
    rl_forced_update_display();
    return nullptr;
  }
  char** matches = static_cast<char**>(std::calloc(2, sizeof(char*)));
  if (matches == nullptr) return nullptr;
  // The part of readline's word before the name, as the 2 of 2sin, stays.
  matches[0] = Copy(std::string(line.substr(first, word.start - first)) + common);
  return matches;
}

}  // namespace

TabCompletion::TabCompletion(const LineSession& session) {
  completing = &session;
  rl_attempted_completion_function = Matches;
  rl_completion_append_character = '\0';
  // Every character that cannot be part of a name ends a word.
  static char breaks[] = " \t\n\"'`+-*/^%!<>=|&@#;,.()[]{}:";
  rl_completer_word_break_characters = breaks;
}

TabCompletion::~TabCompletion() {
  rl_attempted_completion_function = nullptr;
  completing = nullptr;
}

}  // namespace orvo::cli
