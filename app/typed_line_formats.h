#pragma once
#include <QList>
#include <QString>
#include <QTextLayout>

#include "userdef/userdef.h"

namespace orvo::app {

class ConsoleHighlighter;

// The colours of the line being typed, read by the engine's own tokens (never a second grammar):
// numbers, variables, known names (built-in, defined, setting and command words), unknown names
// in the error colour, operators, and the bracket at the caret with its partner (an unpaired one
// in the error colour). `line` is the text of the console's last block, `caret` the caret in it
// (-1 when the caret is elsewhere); only what follows its last backslash is coloured. The colours
// are the look's line colours, so they keep its contrast with the background.
QList<QTextLayout::FormatRange> TypedLineFormats(const QString& line, int caret,
                                                 const DefinitionStore& definitions,
                                                 const ConsoleHighlighter& highlighter);

}  // namespace orvo::app
