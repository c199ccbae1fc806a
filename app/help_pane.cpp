#include "app/help_pane.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/texts.h"
#include "console/help_pages.h"

namespace orvo::app {
namespace {

// One row per page: its name in the chooser and where its text comes from (a console help
// topic, or the pane's own text when there is none).
struct PageRow {
  HelpPane::Page page;
  const char* name;
  int topic;  // a HelpTopic, or -1
};

constexpr PageRow kPages[] = {
    {HelpPane::kIndex, "Help index", -1},
    {HelpPane::kOperators, "Operators  (&oper=)", kHelpOper},
    {HelpPane::kFunctions, "Functions  (&func=)", kHelpFunc},
    {HelpPane::kGeometry, "Geometry  (&geom=)", kHelpGeom},
    {HelpPane::kPhysics, "Physics  (&phys=)", kHelpPhys},
    {HelpPane::kChemistry, "Chemistry  (&chem=)", kHelpChem},
    {HelpPane::kAtoms, "Atoms  (&atom=)", kHelpAtom},
    {HelpPane::kOther, "Other functions  (&other=)", kHelpOther},
    {HelpPane::kNumerical, "Numerical tools  (&=)", kHelpAmpersand},
    {HelpPane::kDefinitions, "Definitions  (#=)", kHelpHash},
    {HelpPane::kMatrices, "Matrices and complex numbers  (@=)", kHelpAt},
    {HelpPane::kShortcuts, "Keyboard shortcuts", -1},
};
static_assert(std::size(kPages) == HelpPane::kPageCount);

}  // namespace

QString HelpPageText(HelpPane::Page page) {
  QString text;
  if (kPages[page].topic >= 0) {
    text = QString::fromStdString(orvo::HelpPageText(static_cast<HelpTopic>(kPages[page].topic)));
  } else if (page == HelpPane::kShortcuts) {
    text = QString::fromUtf8(text::kShortcutsPage);
  } else {
    text = QString::fromUtf8(text::kHelpIndexPage);
  }
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  while (text.startsWith(u'\n')) text.remove(0, 1);
  return text;
}

HelpPane::HelpPane(QWidget* parent)
    : QDockWidget(QString::fromUtf8(text::kHelpTitle), parent),
      chooser_(new QComboBox),
      search_(new QLineEdit),
      view_(new QPlainTextEdit) {
  setObjectName(QStringLiteral("help"));
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetFloatable);
  for (const PageRow& row : kPages) chooser_->addItem(QString::fromUtf8(row.name));
  search_->setPlaceholderText(QString::fromUtf8(text::kHelpSearch));
  search_->setClearButtonEnabled(true);
  view_->setReadOnly(true);
  view_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  auto* body = new QWidget(this);
  auto* top = new QHBoxLayout;
  top->addWidget(chooser_, 1);
  top->addWidget(search_, 1);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(top);
  layout->addWidget(view_, 1);
  setWidget(body);

  connect(chooser_, &QComboBox::activated, this, [this](int index) { Load(Page(index)); });
  connect(search_, &QLineEdit::textEdited, this, [this](const QString& text) {
    view_->moveCursor(QTextCursor::Start);
    FindNext(text);
  });
  connect(search_, &QLineEdit::returnPressed, this, [this] { FindNext(search_->text()); });
  auto* find = new QAction(this);
  find->setShortcut(QKeySequence::Find);
  find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(find, &QAction::triggered, this, [this] {
    search_->setFocus();
    search_->selectAll();
  });
  addAction(find);
}

void HelpPane::Load(Page page) {
  chooser_->setCurrentIndex(page);
  view_->setPlainText(HelpPageText(page));
  view_->moveCursor(QTextCursor::Start);
  view_->verticalScrollBar()->setValue(0);
}

void HelpPane::ShowPage(Page page) {
  Load(page);
  show();
  raise();
}

HelpPane::Page HelpPane::page() const {
  return Page(chooser_->currentIndex());
}

bool HelpPane::FindNext(const QString& text) {
  if (text.isEmpty()) return false;
  if (view_->find(text)) return true;
  view_->moveCursor(QTextCursor::Start);
  return view_->find(text);
}

bool HelpPane::ShowText(const QString& text) {
  for (const PageRow& row : kPages) {
    if (!HelpPageText(row.page).contains(text)) continue;
    ShowPage(row.page);
    FindNext(text);
    view_->centerCursor();
    return true;
  }
  return false;
}

}  // namespace orvo::app
