#include "app/console_highlighter.h"

#include "base/text.h"
#include "console/classify.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

namespace orvo::app {
namespace {

constexpr QStringView kPromptMark = u"\\\\";

// Lines that are messages, by how they begin.
constexpr struct {
  QStringView start;
  ColourKind kind;
} kMessageStarts[] = {
    {u"Error", ColourKind::kError},
    {u"/Error", ColourKind::kError},
    {u"Warning", ColourKind::kWarning},
    {u"Waring", ColourKind::kWarning},
    {u"Note", ColourKind::kNote},
    {u"Input ", ColourKind::kNote},
    {u"The process may take", ColourKind::kNote},
};

// Which generation of the look a block was formatted with, at which revision of its text.
class Formatted final : public QTextBlockUserData {
 public:
  Formatted(int generation, int revision) : generation(generation), revision(revision) {}
  int generation;
  int revision;
};

// Whether what follows the "=" at `equals` of a command line that has run is the answer Orvo
// wrote there (1+2=3, prec=8), read by the classifier that runs the lines.
bool AnswerFollows(const QString& line, qsizetype equals) {
  if (equals < 0 || equals + 1 >= line.size()) return false;
  const LineClass typed = Classify(CleanCommand(line.left(equals + 1).toStdString()));
  return typed.kind == LineKind::kExpression ||
         (typed.kind == LineKind::kSetting && EndsWith(typed.line, "="));
}

QColor ToQColor(Rgb rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

ColourKind KindOfLine(QStringView line, QStringView previous, bool first) {
  const QStringView trimmed = line.trimmed();
  if (trimmed.startsWith(kPromptMark)) return ColourKind::kPrompt;
  for (const auto& row : kMessageStarts) {
    if (trimmed.startsWith(row.start)) return row.kind;
  }
  return first || previous.trimmed().startsWith(kPromptMark) ? ColourKind::kCommand
                                                             : ColourKind::kAnswer;
}

ConsoleHighlighter::ConsoleHighlighter(QPlainTextEdit& console) : console_(console) {
  SetLook(ConsoleLook{});
}

void ConsoleHighlighter::SetLook(const ConsoleLook& look) {
  for (std::size_t i = 0; i < kLineKinds; ++i) {
    QTextCharFormat& format = formats_[i];
    format = QTextCharFormat();
    format.setForeground(ToQColor(look.Colour(static_cast<ColourKind>(i))));
  }
  ++generation_;
  console_.viewport()->update();
}

void ConsoleHighlighter::SetTypedLineFormatter(LineFormatter formatter) {
  typedLine_ = std::move(formatter);
  ++generation_;
  console_.viewport()->update();
}

int ConsoleHighlighter::FormatVisible(QTextBlock block, int height) {
  int formatted = 0;
  const QTextDocument* document = console_.document();
  qreal top = 0;
  for (; block.isValid() && top <= height; block = block.next()) {
    auto* mark = static_cast<Formatted*>(block.userData());
    // The line being typed is looked at each time: whether it is the last one decides its
    // colours, and the extension may colour it by what surrounds the caret.
    const bool done = mark != nullptr && mark->generation == generation_ &&
                      mark->revision == block.revision() && block != document->lastBlock();
    if (!done) {
      FormatBlock(block);
      ++formatted;
    }
    top += document->documentLayout()->blockBoundingRect(block).height();
  }
  return formatted;
}

void ConsoleHighlighter::FormatBlock(QTextBlock block) {
  const QString text = block.text();
  const QTextBlock before = block.previous();
  const ColourKind kind = KindOfLine(
      text, before.isValid() ? QStringView(before.text()) : QStringView(), !before.isValid());
  QList<QTextLayout::FormatRange> ranges{{0, static_cast<int>(text.size()), Format(kind)}};
  const bool typing = block == console_.document()->lastBlock();
  const qsizetype equals = text.lastIndexOf(u'=');
  if (kind == ColourKind::kCommand && !typing && AnswerFollows(text, equals)) {
    ranges.front().length = static_cast<int>(equals + 1);
    ranges.append({static_cast<int>(equals + 1), static_cast<int>(text.size() - equals - 1),
                   Format(ColourKind::kAnswer)});
  }
  if (typing && typedLine_) ranges.append(typedLine_(text));
  // The line being typed is never marked done: once Enter has made it an old line, it loses
  // the typing colours even when its text stays as it was.
  const int revision = typing ? -1 : block.revision();
  auto* mark = static_cast<Formatted*>(block.userData());
  if (mark == nullptr) {
    block.setUserData(new Formatted(generation_, revision));
  } else {
    *mark = Formatted(generation_, revision);
  }
  if (block.layout()->formats() == ranges) return;
  block.layout()->setFormats(ranges);
  console_.document()->markContentsDirty(block.position(), block.length());
}

}  // namespace orvo::app
