#pragma once
#include <deque>
#include <functional>
#include <istream>
#include <optional>
#include <string>

#include "base/dialogs.h"
#include "console/session.h"

// The command-line face: types lines into a console session and reports what it answered.
namespace orvo::cli {

// Where typed lines come from: the arguments, standard input or the terminal. Dialog questions
// take their answer from the same source.
class LineSource {
 public:
  virtual ~LineSource() = default;
  virtual std::optional<std::string> NextLine() = 0;
};

class ListSource final : public LineSource {
 public:
  explicit ListSource(std::deque<std::string> lines) : lines_(std::move(lines)) {}
  std::optional<std::string> NextLine() override;

 private:
  std::deque<std::string> lines_;
};

// Reads lines ending in LF or CR LF.
class StreamSource final : public LineSource {
 public:
  explicit StreamSource(std::istream& in) : in_(in) {}
  std::optional<std::string> NextLine() override;

 private:
  std::istream& in_;
};

// Dialog answers read from the next input line: a path for a file dialog, y or n for a
// question; an empty line (or the end of input) cancels or answers No.
class LineDialogs final : public Dialogs {
 public:
  explicit LineDialogs(LineSource& source) : source_(source) {}
  bool AskYesNo(std::string_view question) override;
  std::optional<std::string> ChooseFileToOpen(std::string_view filter,
                                              std::string_view startFolder) override;
  std::optional<std::string> ChooseFileToSave(std::string_view filter,
                                              std::string_view defaultSuffix,
                                              std::string_view startFolder) override;

 private:
  std::optional<std::string> Answer();
  LineSource& source_;
};

// What one typed line added to the console, as a terminal shows it.
struct Answer {
  std::string text;     // line breaks as "\n", without the prompt
  bool failed = false;  // an error message instead of a result
};

// Types `line` at the end of the console, presses the main Enter and returns the answer.
Answer TypeLine(ConsoleSession& session, TextBox& box, std::string_view line);

}  // namespace orvo::cli
