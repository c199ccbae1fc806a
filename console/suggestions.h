#pragma once
#include <string>
#include <vector>

#include "console/classify.h"
#include "userdef/userdef.h"

// "Did you mean" notes: the usual spelling of a name the line holds that the engine does not
// take, shown beside the answer (the answer and its messages stay as they are).
namespace orvo {

// The notes for a classified line: for an expression (or the roots of one), each name that is
// not known, or known but written without its bracket; for a line that gives a value to a name
// other than x, y and z, how to store it. Empty when there is nothing to suggest.
std::vector<std::string> Suggestions(const LineClass& line, const DefinitionStore& definitions);

}  // namespace orvo
