#include "app/prompt_line.h"

#include <QRegularExpression>
#include <algorithm>

#include "console/classify.h"

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
// its answer. Only a setting word at the start counts: 1+x=5 is 1+x= and its answer.
bool IsSetting(const QString& line) {
  const LineClass c = Classify(CleanCommand(line.toStdString()));
  return c.kind == LineKind::kSetting && c.line.starts_with(c.word);
}

}  // namespace

std::string ToConsoleText(QString text) {
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return text.toStdString();
}

std::size_t Utf8Offset(QStringView text, qsizetype index) {
  return static_cast<std::size_t>(
      text.first(std::clamp<qsizetype>(index, 0, text.size())).toUtf8().size());
}

qsizetype Utf16Index(std::string_view utf8, std::size_t offset) {
  offset = std::min(offset, utf8.size());
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(offset)).size();
}

std::string BlockText(QStringView text, qsizetype position) {
  const qsizetype start = text.first(position).lastIndexOf(u'\\') + 1;
  qsizetype end = text.indexOf(u'\\', start);
  if (end < 0) end = text.size();
  return ToConsoleText(text.sliced(start, end - start).toString());
}

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
      (tool || (!moreLines && !IsSetting(command)))) {
    command.truncate(equals + 1);
  }
  return command;
}

}  // namespace orvo::app
