#include "app/prompt_line.h"

#include <QRegularExpression>
#include <array>

namespace orvo::app {
namespace {

bool IsLineBreak(QChar c) {
  return c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n' || c == u'\r';
}

// A result as "%.<precision>g" writes it.
bool IsNumber(QStringView text) {
  static const QRegularExpression kNumber(
      QStringLiteral(R"(^-?(\d+(\.\d*)?(e[+-]?\d+)?|inf|nan)$)"));
  return kNumber.match(text.toString()).hasMatch();
}

// Settings whose line looks like an answered expression: "x=5" is the setting, not "x=" with
// its answer.
bool IsSettingWord(QString head) {
  static constexpr std::array kWords = {u"x", u"y", u"z", u"prec"};
  head.remove(QRegularExpression(QStringLiteral("\\s")));
  head = head.toLower();
  for (const char16_t* word : kWords) {
    if (head == QStringView(word)) return true;
  }
  return false;
}

}  // namespace

QString CommandOfBlock(QStringView text, qsizetype position) {
  const qsizetype start = text.first(position).lastIndexOf(u'\\') + 1;
  qsizetype end = text.indexOf(u'\\', start);
  if (end < 0) end = text.size();

  QString command;
  bool moreLines = false;
  qsizetype lineStart = start;
  for (qsizetype i = start; i <= end; ++i) {
    if (i < end && !IsLineBreak(text[i])) continue;
    QString line = text.sliced(lineStart, i - lineStart).trimmed().toString();
    lineStart = i + 1;
    if (line.isEmpty()) continue;
    if (!command.isEmpty()) {
      moreLines = true;
      break;
    }
    command = line;
  }
  // Only a number shares the command's line: the value of an expression (then nothing but the
  // prompt follows) or the first result of a tool. Lines that end in "=0" and go on are roots.
  const qsizetype equals = command.lastIndexOf(u'=');
  const bool tool =
      command.startsWith(u'&') || command.startsWith(u'#') || command.startsWith(u'@');
  if (equals >= 0 && IsNumber(QStringView(command).sliced(equals + 1)) &&
      (tool || (!moreLines && !IsSettingWord(command.first(equals))))) {
    command.truncate(equals + 1);
  }
  return command;
}

}  // namespace orvo::app
