#include "app/window_view.h"

#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTextBlock>
#include <algorithm>

#include "app/console_edit.h"
#include "console/help_pages.h"

namespace orvo::app {
namespace {

constexpr char kSizeKey[] = "window/size";
constexpr char kPositionKey[] = "window/position";
constexpr int kDefaultHeight = 600;
// Frame, margins and the vertical scroll bar beside the text.
constexpr int kWidthBesideText = 60;

}  // namespace

ViewFollower::ViewFollower(ConsoleEdit& console) : QObject(&console), console_(console) {
  auto watch = [this] {
    disconnect(contents_);
    contents_ =
        connect(console_.document(), &QTextDocument::contentsChange, this, [this](int position) {
          if (console_.interrupt().Running() && answerStart_ < 0) answerStart_ = position;
        });
  };
  watch();
  connect(&console_, &ConsoleEdit::documentReplaced, this, watch);
  // Queued: the console puts the caret on the new prompt after the command has ended.
  connect(&console_.interrupt(), &CommandInterrupt::finished, this, &ViewFollower::ShowAnswer,
          Qt::QueuedConnection);
  console_.installEventFilter(this);
}

bool ViewFollower::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &console_ && event->type() == QEvent::Resize) {
    QMetaObject::invokeMethod(&console_, &QPlainTextEdit::ensureCursorVisible,
                              Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, event);
}

void ViewFollower::ShowAnswer() {
  int start = answerStart_;
  answerStart_ = -1;
  if (console_.TakePageShown()) {
    // A help page: its first line at the top; the caret stays on the prompt after it.
    console_.verticalScrollBar()->setValue(0);
    return;
  }
  console_.ensureCursorVisible();
  if (start < 0 || start >= console_.document()->characterCount()) return;
  QTextCursor answer(console_.document());
  answer.setPosition(start);
  // An answer that begins on its own line starts at the left edge, in view already.
  if (answer.atBlockEnd()) return;
  int x = console_.cursorRect(answer).left();
  int width = console_.viewport()->width();
  if (x >= 0 && x < width * 3 / 4) return;
  // The answer starts a third of the way in, with some of the line before it for context.
  QScrollBar* bar = console_.horizontalScrollBar();
  bar->setValue(bar->value() + x - width / 3);
}

QSize DefaultWindowSize(const QFont& font, const QRect& available) {
  QFontMetrics metrics(font);
  int widest = 0;
  for (int topic = kHelpOper; topic <= kHelpUnits; ++topic) {
    QString page = QString::fromStdString(HelpPageText(static_cast<HelpTopic>(topic)));
    for (const QString& line : page.split(QStringLiteral("\r\n"))) {
      widest = std::max(widest, metrics.horizontalAdvance(line));
    }
  }
  QSize wanted(widest + kWidthBesideText, kDefaultHeight);
  return wanted.boundedTo(available.size());
}

QRect ClampToScreen(const QRect& wanted, const QRect& available) {
  QRect rect(wanted.topLeft(), wanted.size().boundedTo(available.size()));
  rect.moveLeft(std::clamp(rect.left(), available.left(), available.right() - rect.width() + 1));
  rect.moveTop(std::clamp(rect.top(), available.top(), available.bottom() - rect.height() + 1));
  return rect;
}

void RestoreWindowGeometry(QWidget& window, const QSize& defaultSize) {
  QScreen* screen = window.screen();
  QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  QSettings settings(QStringLiteral("orvo"), QStringLiteral("orvo"));
  QSize size = settings.value(kSizeKey, defaultSize).toSize();
  QRect centred(QPoint(), size);
  centred.moveCenter(available.center());
  QPoint position = settings.value(kPositionKey, centred.topLeft()).toPoint();
  QRect rect = ClampToScreen(QRect(position, size), available);
  window.resize(rect.size());
  window.move(rect.topLeft());
}

void SaveWindowGeometry(const QWidget& window) {
  QSettings settings(QStringLiteral("orvo"), QStringLiteral("orvo"));
  settings.setValue(kSizeKey, window.size());
  settings.setValue(kPositionKey, window.pos());
}

}  // namespace orvo::app
