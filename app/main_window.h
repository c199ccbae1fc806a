#pragma once
#include <QFont>
#include <QMainWindow>

#include "app/settings_file.h"
#include "console/session.h"

namespace orvo::app {

class CompletionPopup;
class ConsoleEdit;
class HelpPane;
class PlotFollower;
class SessionStore;
class LivePreview;
class StatusLine;

// The window: the menus (File, Edit, View, Help) over the console that fills the rest, the
// status line under it, the help pane and the plot beside it, the console's font and colours,
// and the About box.
class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // `options` go to the console session; `settingsPath`: the settings file read at start-up,
  // empty for none.
  explicit MainWindow(SessionOptions options, const QString& settingsPath = {},
                      QWidget* parent = nullptr);

  ConsoleEdit* console() const { return console_; }
  SessionStore* sessionStore() const { return store_; }

  // Keeps the session in `folder` from now on: restores the saved one (or, with `startNew`,
  // keeps it as the backup and starts empty), saves after commands and on close, and enables
  // File > New session.
  void KeepSession(const QString& folder, bool startNew);
  // FONT's choices are written to `path` from now on (the user's settings file).
  void KeepFontChoices(const QString& path) { fontFile_ = path; }
  // File > New session: asks first; nothing happens when there is nothing to lose. The status
  // line says where the last one is kept.
  void StartNewSession();
  HelpPane* help() const { return help_; }
  PlotFollower* plots() const { return plots_; }
  // F1: the help pane at the name under the caret when the pages describe it, else the index.
  void ShowHelpAtCaret();
  StatusLine* statusLine() const { return status_; }
  LivePreview* preview() const { return preview_; }
  CompletionPopup* completion() const { return completion_; }
  const ConsoleLook& look() const { return look_; }

  // A settings file dropped on the menu bar.
  void ApplySettingsFile(const QString& path);
  // FONT: the font dialog, then the text colour.
  void ChooseFont();
  void ShowAboutBox();
  // View > Status line: shows or hides it (remembered for the next start).
  void ToggleStatusLine();
  // View > Wrap long lines (remembered for the next start).
  void SetWrap(bool wrap);
  // Ctrl+Shift+C: the last answer's value to the clipboard, and the status line says so.
  void CopyLastAnswer();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void SetUpMenus();
  // The window within the screen's available area, frame included: the status line stays in
  // view under a title bar on a small screen.
  void FitToScreen();
  void Apply(const ConsoleLook& look, const QFont& font);
  void SaveFontChoices(const QFont& font);

  ConsoleEdit* console_;
  SessionStore* store_ = nullptr;
  QString fontFile_;
  // The status line, its live preview, VIEW, Ctrl+Shift+C, and the view that follows answers.
  void SetUpStatusLine();
  // What helps while typing: the completion popup, the hint of the call at the caret and the
  // colours of the line being typed.
  void SetUpTypingAids();
  void UpdateHint();

  StatusLine* status_ = nullptr;
  LivePreview* preview_ = nullptr;
  CompletionPopup* completion_ = nullptr;
  HelpPane* help_ = nullptr;
  PlotFollower* plots_ = nullptr;
  QAction* newSession_ = nullptr;
  QAction* statusAction_ = nullptr;
  bool fitted_ = false;
  // How often, and how far apart, the first fit looks for the window manager's frame.
  static constexpr int kFitTries = 20;
  static constexpr int kFitRetryMs = 50;
  int fitTries_ = 0;
  ConsoleLook look_;
  QFont font_;
};

// The settings file read at start-up: beside the executable, else the user's; empty when there
// is none.
QString FindSettingsFile();
// The user's settings file, in the configuration folder (orvo/ under $XDG_CONFIG_HOME), whether
// it exists or not.
QString UserSettingsFile();

// The console font a look asks for; a face that is not installed gives the system's fixed-pitch
// font at the same size.
QFont ConsoleFont(const ConsoleLook& look);

}  // namespace orvo::app
