#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "base/dialogs.h"
#include "base/interrupt.h"
#include "base/random.h"
#include "command/command.h"
#include "console/answer.h"
#include "console/classify.h"
#include "console/console_state.h"
#include "console/text_box.h"
#include "userdef/userdef.h"

// The command console: what happens when the user presses Enter, and everything the calculator
// keeps between lines. The window and the command-line face are thin layers over this object.
namespace orvo {

// What a session is given from outside when it is made; the faces read it from the environment.
struct SessionOptions {
  DefinitionFolders folders;
};

class ConsoleSession {
 public:
  // The session works on `box` and asks `dialogs` and `interrupt` when a command needs them;
  // all three must outlive it.
  ConsoleSession(TextBox& box, Dialogs& dialogs, Interrupt& interrupt, SessionOptions options);

  // The Enter key, before the text box sees it. The number-pad Enter adds the "=" that ends an
  // expression. Returns true when the key press is consumed (the screen was cleared); otherwise
  // the text box's own Enter handling inserts a line break at the caret.
  bool HandleEnterKey(bool numberPad);

  // HandleEnterKey plus the text box's own line break: what one Enter press does to the text.
  void PressEnter(bool numberPad);

  // Runs the command after the last prompt. `numberPad` first inserts "=" at the caret.
  bool OnEnter(bool numberPad);

  // Files dropped on the console: the first is loaded as a definition file, on a cleared
  // screen.
  void OnDropFiles(const std::vector<std::string>& paths);

  // F1 and the HELP menu: the console shows the help index.
  void ShowHelpIndex();
  // The ABOUT menu: the console shows what Orvo is and how to get help.
  void ShowAbout();
  // F2: flips bracket checking; returns the message the window shows in its box.
  std::string ToggleBracketCheck();

  ConsoleState& state() { return state_; }
  const ConsoleState& state() const { return state_; }
  TextBox& box() { return box_; }
  Dialogs& dialogs() { return dialogs_; }
  Random& rng() { return rng_; }
  const Random& rng() const { return rng_; }
  const SessionOptions& options() const { return options_; }

  // Whether the last command's answer reports a failure instead of a result: an expression or
  // setting that failed, an unknown command word, or a handler's failed answer. Help pages and
  // screens brought back are never failures, whatever their lines say.
  bool LastAnswerFailed() const { return lastFailed_; }

  // The records of the answers, oldest first: at most kMaxAnswers, the oldest dropped first.
  static constexpr std::size_t kMaxAnswers = 1000;
  const std::deque<Answer>& Answers() const { return answers_; }
  // How many answers the session has given since it began, the dropped records included.
  std::uint64_t AnswerCount() const { return answerCount_; }
  // The last answer's record; nullptr before the first.
  const Answer* LastAnswer() const { return answers_.empty() ? nullptr : &answers_.back(); }
  // The newest record of the answer that wrote `block` (see Answer::block; line breaks as
  // "\r\n"), or nullptr: a block of a loaded screen, a help page or an edited answer has none.
  const Answer* FindAnswer(std::string_view block) const;
  // Puts back the records of a restored session.
  void RestoreAnswers(std::deque<Answer> answers);

  // Frames a command's answer, puts it into the console and keeps its record: the one way an
  // answer reaches the console.
  void Deliver(CommandAnswer answer);

  // The command being run as it was typed: cleaned like every command, but with its case kept
  // (file names on Linux are case-sensitive), and ans() calls replaced by their values.
  const std::string& TypedCommand() const { return typed_; }

  // Appends an answer at the caret.
  void Append(std::string_view text) { box_.ReplaceSelection(text); }
  // What command handlers may use of the session.
  CommandEnv Env();

 private:
  void ShowPage(std::string_view page);
  CommandAnswer Run(const LineClass& line);
  CommandAnswer RunSetting(const LineClass& line);
  CommandAnswer RunRoots(const LineClass& line, std::string expanded);
  CommandAnswer RunCommand(const LineClass& line, std::string expanded);
  CommandAnswer RunExpression(const LineClass& line, std::string expanded);

  TextBox& box_;
  Dialogs& dialogs_;
  Interrupt& interrupt_;
  SessionOptions options_;
  Random rng_;  // one per session, never reseeded
  bool lastFailed_ = false;
  std::string command_;  // the cleaned line as typed, ans() calls and all: the record keeps it
  std::string typed_;
  std::string lineText_;  // the line as it stood after the last backslash when Enter was pressed
  LineKind kind_ = LineKind::kEmpty;
  std::deque<Answer> answers_;
  std::uint64_t answerCount_ = 0;
  ConsoleState state_{rng_};
};

}  // namespace orvo
