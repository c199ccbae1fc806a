#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "base/dialogs.h"
#include "base/interrupt.h"
#include "base/random.h"
#include "console/classify.h"
#include "console/console_state.h"
#include "console/text_box.h"
#include "engine/command_env.h"
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

  // The command being run as it was typed: cleaned like every command, but with its case kept
  // (file names on Linux are case-sensitive).
  const std::string& TypedCommand() const { return typed_; }

  // Appends an answer at the caret.
  void Append(std::string_view text) { box_.ReplaceSelection(text); }
  // What command handlers may use of the session.
  CommandEnv Env();

 private:
  void RunSetting(const LineClass& line);
  void RunRoots(const LineClass& line);
  void RunCommand(const LineClass& line);
  void RunExpression(const LineClass& line);

  TextBox& box_;
  Dialogs& dialogs_;
  Interrupt& interrupt_;
  SessionOptions options_;
  Random rng_;  // one per session, never reseeded
  bool lastFailed_ = false;
  std::string typed_;
  ConsoleState state_{rng_};
};

}  // namespace orvo
