// The window's menus, F1 and the window's first fit to the screen.
#include <QAction>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>
#include <QTextBlock>
#include <QTimer>

#include "app/bracket_selection.h"
#include "app/console_edit.h"
#include "app/help_pane.h"
#include "app/main_window.h"
#include "app/plot_view.h"
#include "app/status_line.h"
#include "app/texts.h"
#include "app/window_view.h"

namespace orvo::app {
namespace {

constexpr char kWrapKey[] = "window/wrap";

// The Help menu's pages, in order.
constexpr struct {
  const char* text;
  HelpPane::Page page;
} kHelpEntries[] = {
    {text::kMenuOperators, HelpPane::kOperators},     {text::kMenuFunctions, HelpPane::kFunctions},
    {text::kMenuNumerical, HelpPane::kNumerical},     {text::kMenuMatrices, HelpPane::kMatrices},
    {text::kMenuDefinitions, HelpPane::kDefinitions},
};

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

// An entry that shows `keys` and answers them only while the menu is open: the console answers
// these keys itself, its own way.
QAction* AddShown(QMenu* menu, const char* text, QKeySequence keys) {
  QAction* action = menu->addAction(Text(text));
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WidgetShortcut);
  return action;
}

}  // namespace

void MainWindow::SetUpMenus() {
  QMenu* file = menuBar()->addMenu(Text(text::kMenuFile));
  newSession_ = file->addAction(Text(text::kMenuNewSession), this, &MainWindow::StartNewSession);
  newSession_->setEnabled(false);
  QAction* savePlot = file->addAction(Text(text::kMenuSavePlot), this,
                                      [this] { plots_->dock()->view()->SaveWithDialog(); });
  savePlot->setEnabled(false);
  connect(plots_, &PlotFollower::plotShown, savePlot, [savePlot] { savePlot->setEnabled(true); });
  file->addSeparator();
  QAction* quit = file->addAction(Text(text::kMenuQuit), this, &QWidget::close);
  quit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)});

  QMenu* edit = menuBar()->addMenu(Text(text::kMenuEdit));
  connect(AddShown(edit, text::kMenuUndo, QKeySequence::Undo), &QAction::triggered, console_,
          &ConsoleEdit::UndoStep);
  connect(AddShown(edit, text::kMenuRedo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)),
          &QAction::triggered, console_, &ConsoleEdit::RedoStep);
  edit->addSeparator();
  QAction* copy = edit->addAction(Text(text::kMenuCopyAnswer), this, &MainWindow::CopyLastAnswer);
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  connect(AddShown(edit, text::kMenuPaste, QKeySequence::Paste), &QAction::triggered, console_,
          &QPlainTextEdit::paste);
  connect(AddShown(edit, text::kMenuSelectAll, QKeySequence::SelectAll), &QAction::triggered,
          console_, &ConsoleEdit::SelectAll);

  QMenu* view = menuBar()->addMenu(Text(text::kMenuView));
  statusAction_ = view->addAction(Text(text::kMenuStatusLine), this, &MainWindow::ToggleStatusLine);
  statusAction_->setCheckable(true);
  statusAction_->setChecked(!status_->isHidden());
  QAction* plot = plots_->dock()->toggleViewAction();
  plot->setText(Text(text::kMenuPlot));
  plot->setEnabled(false);
  connect(plots_, &PlotFollower::plotShown, plot, [plot] { plot->setEnabled(true); });
  view->addAction(plot);
  QAction* wrap = view->addAction(Text(text::kMenuWrap), this, &MainWindow::SetWrap);
  wrap->setCheckable(true);
  wrap->setChecked(
      QSettings(QStringLiteral("orvo"), QStringLiteral("orvo")).value(kWrapKey, true).toBool());
  console_->SetWrap(wrap->isChecked());
  view->addSeparator();
  view->addAction(Text(text::kMenuFont), this, &MainWindow::ChooseFont);

  help_ = new HelpPane(this);
  addDockWidget(Qt::RightDockWidgetArea, help_);
  tabifyDockWidget(plots_->dock(), help_);
  help_->hide();
  QMenu* help = menuBar()->addMenu(Text(text::kMenuHelp));
  QAction* index = help->addAction(Text(text::kMenuHelpIndex), this, &MainWindow::ShowHelpAtCaret);
  index->setShortcut(QKeySequence(Qt::Key_F1));
  for (const auto& entry : kHelpEntries) {
    help->addAction(Text(entry.text), this, [this, page = entry.page] { help_->ShowPage(page); });
  }
  help->addAction(Text(text::kMenuShortcuts), this,
                  [this] { help_->ShowPage(HelpPane::kShortcuts); });
  help->addSeparator();
  help->addAction(Text(text::kMenuAbout), this, [this] { console_->session().ShowAbout(); });
}

void MainWindow::ShowHelpAtCaret() {
  const QTextCursor caret = console_->textCursor();
  const QString line = caret.block().text();
  std::u16string_view view(reinterpret_cast<const char16_t*>(line.utf16()),
                           static_cast<std::size_t>(line.size()));
  const auto at = static_cast<std::size_t>(caret.positionInBlock());
  // The caret just after a name counts as on it.
  std::optional<TextRange> word = NumberOrWordAt(view, at);
  if (!word && at > 0) word = NumberOrWordAt(view, at - 1);
  if (word) {
    // A command word is described with its family character: &is(, @det(, #define(.
    const auto start = static_cast<qsizetype>(word->start);
    const bool command = start > 0 && QStringLiteral("&#@").contains(line[start - 1]);
    const QString name = line.mid(command ? start - 1 : start,
                                  static_cast<qsizetype>(word->end) - start + (command ? 1 : 0));
    if (line[start].isLetter() && help_->ShowText(name.toLower() + u'(')) return;
  }
  help_->ShowPage(HelpPane::kIndex);
}

void MainWindow::SetWrap(bool wrap) {
  console_->SetWrap(wrap);
  QSettings(QStringLiteral("orvo"), QStringLiteral("orvo")).setValue(kWrapKey, wrap);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (fitted_) return;
  fitted_ = true;
  // The frame is known once the window manager has framed the window.
  QMetaObject::invokeMethod(this, &MainWindow::FitToScreen, Qt::QueuedConnection);
}

void MainWindow::FitToScreen() {
  if (isMaximized() || isFullScreen() || screen() == nullptr) return;
  const QRect available = screen()->availableGeometry();
  const QRect frame = frameGeometry();
  // A window manager frames the window a moment after it is shown: until then the frame is the
  // window itself, and a window as tall as the screen would keep its title bar and lose its
  // status line off the bottom.
  if (frame == geometry() && fitTries_ < kFitTries) {
    ++fitTries_;
    QTimer::singleShot(kFitRetryMs, this, &MainWindow::FitToScreen);
    return;
  }
  const QSize border = frame.size() - size();
  const QRect fitted = ClampToScreen(frame, available);
  if (fitted == frame) return;
  resize(fitted.size() - border);
  move(fitted.topLeft());
}

}  // namespace orvo::app
