#pragma once
#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

// Reading old commands back out of the console text. Positions and text are the widget's: a
// line break is one character (a paragraph separator, or a line break in pasted text).
namespace orvo::app {

// The command typed in the block of old text that holds `position`: the block runs from the
// last backslash before `position` to the next one, and its command is its first line, without
// the single-number answer Orvo wrote after the "=" (1+2=3 gives 1+2=). Settings keep their
// value (x=5 stays x=5). Empty when the block has no text.
QString CommandOfBlock(QStringView text, qsizetype position);

// The block of old text that holds `position`, as the console wrote it: from the last backslash
// before `position` to the next one, line breaks as "\r\n". What the session's answer records
// are found by.
std::string BlockText(QStringView text, qsizetype position);

// The document keeps a paragraph separator between blocks (and a line separator where one was
// typed or pasted); the command console sees both as "\r\n".
std::string ToConsoleText(QString text);

// The engine counts bytes of UTF-8, the widget UTF-16 units: where `index` of `text` falls in its
// UTF-8 form, and back.
std::size_t Utf8Offset(QStringView text, qsizetype index);
qsizetype Utf16Index(std::string_view utf8, std::size_t offset);

}  // namespace orvo::app
