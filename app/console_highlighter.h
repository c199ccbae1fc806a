#pragma once
#include <QList>
#include <QStringView>
#include <QTextCharFormat>
#include <QTextLayout>
#include <array>
#include <functional>

#include "app/settings_file.h"

class QPlainTextEdit;
class QTextBlock;

namespace orvo::app {

// The kind of a console line, from its text and the line before it (empty for the first line):
// the one place where lines are told apart for their colours.
ColourKind KindOfLine(QStringView line, QStringView previous, bool first);

// Colours the console's lines by kind: typed command, answer value, error, warning, note and
// prompt line (ConsoleLook's colours, bold and italic). Only blocks in view are formatted, as
// they come into view, and only once until they change: a 1 MB console costs a screenful, and
// colours survive screen loads, undo and restored sessions without any bookkeeping of their own.
//
// Extension point: SetTypedLineFormatter adds formats of its own to the line being typed (the
// last block), drawn over its kind's colour, e.g. names and brackets of the expression language.
class ConsoleHighlighter {
 public:
  // Extra formats for the line being typed, given its text.
  using LineFormatter = std::function<QList<QTextLayout::FormatRange>(const QString& line)>;

  explicit ConsoleHighlighter(QPlainTextEdit& console);

  void SetLook(const ConsoleLook& look);
  void SetTypedLineFormatter(LineFormatter formatter);
  // The format of each kind as the look gives it.
  const QTextCharFormat& Format(ColourKind kind) const {
    return formats_[static_cast<std::size_t>(kind)];
  }

  // Formats the blocks from `first` down to the bottom of a viewport `height` pixels high that
  // are not formatted yet; the console calls it before it paints. Returns how many it formatted.
  int FormatVisible(QTextBlock first, int height);
  // Formats one block now, whatever it showed before.
  void FormatBlock(QTextBlock block);

 private:
  QPlainTextEdit& console_;
  std::array<QTextCharFormat, kLineKinds> formats_;
  LineFormatter typedLine_;
  int generation_ = 1;  // grows with each new look: every block is formatted again
};

}  // namespace orvo::app
