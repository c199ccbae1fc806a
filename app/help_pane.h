#pragma once
#include <QDockWidget>
#include <QString>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace orvo::app {

// The help pages beside the work: a dock with a page chooser, the page (read-only, from its
// first line) and a search box (Ctrl+F; Enter finds the next place). The console is never
// touched. Other parts of the window open it at a page, or at the first place a text is found
// on the pages (F1 on a name).
class HelpPane final : public QDockWidget {
  Q_OBJECT

 public:
  // The pages, in the chooser's order.
  enum Page : int {
    kIndex,
    kOperators,
    kFunctions,
    kGeometry,
    kPhysics,
    kChemistry,
    kAtoms,
    kOther,
    kNumerical,
    kDefinitions,
    kMatrices,
    kShortcuts,
    kPageCount
  };

  explicit HelpPane(QWidget* parent = nullptr);

  // Shows `page` from its first line.
  void ShowPage(Page page);
  // Shows the first page that holds `text` at the line where it is, with it selected; false
  // (and nothing changed) when no page holds it.
  bool ShowText(const QString& text);
  // Finds `text` on the page shown, after the selection (from the top again at the end).
  bool FindNext(const QString& text);

  Page page() const;
  QPlainTextEdit* pageView() const { return view_; }
  QLineEdit* searchBox() const { return search_; }

 private:
  void Load(Page page);

  QComboBox* chooser_;
  QLineEdit* search_;
  QPlainTextEdit* view_;
};

// The text of a help page as the pane shows it.
QString HelpPageText(HelpPane::Page page);

}  // namespace orvo::app
