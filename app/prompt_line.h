#pragma once
#include <QString>
#include <QStringView>

// Reading old commands back out of the console text. Positions and text are the widget's: a
// line break is one character (a paragraph separator, or a line break in pasted text).
namespace orvo::app {

// The command typed in the block of old text that holds `position`: the block runs from the
// last backslash before `position` to the next one, and its command is its first line, without
// the single-number answer Orvo wrote after the "=" (1+2=3 gives 1+2=). Settings keep their
// value (x=5 stays x=5). Empty when the block has no text.
QString CommandOfBlock(QStringView text, qsizetype position);

}  // namespace orvo::app
