#pragma once
#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "base/dialogs.h"
#include "base/interrupt.h"
#include "console/session.h"
#include "console/text_box.h"

// The command-line face: types lines into a console session and reports what it answered.
namespace orvo::cli {

// The hint for a line that asked for nothing: a calculation needs its "=".
inline constexpr std::string_view kEndWithEquals = "end a calculation with =";

// Where typed lines come from: the arguments, standard input or the terminal. Dialog questions
// take their answer from the same source.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // `prompt` is what a terminal shows before the line: the console prompt or a question.
  virtual std::optional<std::string> NextLine(std::string_view prompt) = 0;
};

// Lines given up front (the arguments), then those of `then` when there is one.
class ListSource final : public LineSource {
 public:
  explicit ListSource(std::deque<std::string> lines, LineSource* then = nullptr)
      : lines_(std::move(lines)), then_(then) {}
  std::optional<std::string> NextLine(std::string_view prompt) override;

 private:
  std::deque<std::string> lines_;
  LineSource* then_;
};

// Reads lines ending in LF or CR LF.
class StreamSource final : public LineSource {
 public:
  explicit StreamSource(std::istream& in) : in_(in) {}
  std::optional<std::string> NextLine(std::string_view prompt) override;

 private:
  std::istream& in_;
};

// Dialog answers read from the next input line: a path for a file dialog, y or n for a
// question; an empty line (or the end of input) cancels or answers No. The question is the
// source's prompt (a terminal shows it); with `shown`, each question is also written there with
// the line that answered it, so a reader of the output sees what was answered.
class LineDialogs final : public Dialogs {
 public:
  LineDialogs(LineSource& source, std::ostream* shown) : source_(source), shown_(shown) {}
  bool AskYesNo(std::string_view question) override;
  std::optional<std::string> ChooseFileToOpen(std::string_view filter,
                                              std::string_view startFolder) override;
  std::optional<std::string> ChooseFileToSave(std::string_view filter,
                                              std::string_view defaultSuffix,
                                              std::string_view startFolder) override;

 private:
  std::optional<std::string> Ask(std::string_view prompt);
  LineSource& source_;
  std::ostream* shown_;
};

// The braille chart a terminal shows under a "&plot" answer, labels included.
struct ChartSize {
  int columns = 72;
  int rows = 16;
  bool colour = false;  // each curve in its terminal colour
};

// What one typed line added to the console, as a terminal shows it, and what a person typing
// it should be told besides.
struct Answer {
  std::string text;     // line breaks as "\n", without the prompt
  bool failed = false;  // an error message instead of a result
  // How the line was read when that is not how it was typed ("read as 5*2 (...)").
  std::vector<std::string> notes;
  // A line without "=" that no setting or command took: answered with nothing.
  bool unfinished = false;
  // For --values: the answer's values on one line, tab-separated, the main value first; nothing
  // for a line that asks for no values (a setting, a screen word, a line without "=").
  std::optional<std::string> values;
};

// What argument and pipe modes write of each answer.
struct Reporting {
  bool notes = true;
  bool valuesOnly = false;  // --values: one line of values per calculation, nothing else
};

// How argument and pipe modes write answers: results on `out`; messages of failed answers and
// notes on `err`, so that a script capturing the output gets results only.
class Reporter {
 public:
  Reporter(std::ostream& out, std::ostream& err, Reporting how) : out_(out), err_(err), how_(how) {}
  // The answer's text (or its values) to `out`, its messages to `err` when it failed, then its
  // notes.
  void Write(const Answer& answer);

 private:
  void Note(std::string_view text);
  std::ostream& out_;
  std::ostream& err_;
  Reporting how_;
  bool hinted_ = false;  // "end a calculation with =" is said once a run
};

// A console session typed into line by line, with its dialogs answered from the same lines.
class LineSession {
 public:
  // `shownQuestions` as for LineDialogs.
  LineSession(LineSource& source, std::ostream* shownQuestions, Interrupt& interrupt,
              SessionOptions options)
      : dialogs_(source, shownQuestions), session_(box_, dialogs_, interrupt, std::move(options)) {}

  // Types `line` at the end of the console, presses the main Enter and returns the answer.
  Answer Type(std::string_view line);
  // The whole console text.
  std::string Text() const { return box_.Text(); }
  // The user's definitions, for completing names.
  const DefinitionStore& Definitions() const { return session_.state().definitions; }

  // The chart of the last "&plot" when a line typed since the last call made a new one;
  // otherwise "".
  std::string NewChart(const ChartSize& size);
  // Writes the chart of the last "&plot" to `path` as an SVG document. Returns "" or what went
  // wrong.
  std::string WriteLastPlot(const std::string& path) const;

 private:
  StringTextBox box_;
  LineDialogs dialogs_;
  ConsoleSession session_;
  unsigned chartsShown_ = 0;
};

// Tab completes the name being typed on the interactive line while the guard lives; a second
// Tab lists the candidates with their usages.
class TabCompletion {
 public:
  explicit TabCompletion(const LineSession& session);
  ~TabCompletion();
  TabCompletion(const TabCompletion&) = delete;
  TabCompletion& operator=(const TabCompletion&) = delete;
};

}  // namespace orvo::cli
