#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "command/command.h"
#include "matrix/matrix.h"

// The console commands of the matrix module: the "@" family on mat0, mat1, mat2 (complex
// numbers are 1 x 2 matrices) and the linear-system solver "&lrt".
namespace orvo {

// Runs one "@" command and returns its whole answer: it begins on a new line and ends with the
// two backslashes of the prompt line. `text` is everything after "@", lower-case: the command
// word ("1(", "det(", ...) and its parameters; an unknown word gets the module's "no such
// command" answer. Elements are evaluated with the session's generator, each command's
// expressions with the default x, y and z.
CommandAnswer MatrixCommand(const CommandEnv& env, MatrixSet& matrices, std::string_view text);

// The "@" command word that begins `text` (what follows "@"), or "" when none does.
std::string_view MatrixCommandWord(std::string_view text);

// The one-line usage of every "@" command ("@det(mat1): determinant"), in table order.
std::vector<std::string_view> MatrixCommandUsages();

// "&lrt(a11;...;a1n|b1|...|an1;...;ann|bn)": shows the system as read and its solution. `text`
// is what follows "&lrt(", the closing bracket included. Returns the whole answer, ending with
// the prompt's backslashes.
CommandAnswer LinearEquationsCommand(const CommandEnv& env, std::string_view text);

}  // namespace orvo
