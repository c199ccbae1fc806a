#pragma once
#include <string>
#include <string_view>

#include "base/random.h"
#include "command/command.h"
#include "engine/evaluator.h"
#include "matrix/matrix.h"

// What the "@" command handlers share: their context, the command table's row type and the text
// helpers.
namespace orvo::detail {

// What a handler works on.
struct Context {
  MatrixSet& matrices;  // mat0, mat1, mat2
  int precision;        // significant digits of shown matrices and values
  Random& rng;          // for the short-lived evaluators of elements and numbers
};

struct Command;
// A handler gets the text after its command word and returns its answer, not yet framed.
using CommandRun = CommandAnswer (*)(Context& context, std::string_view text,
                                     const Command& command);

// One row of the command table.
struct Command {
  std::string_view routeWord;  // as routed: "1(", "det(", ...
  std::string_view usage;      // one line for people: "@det(mat1): determinant"
  CommandRun run;
  std::string_view word = {};   // the command's name in messages ("cholesky" for "chsky(")
  std::string_view title = {};  // the heading of its result
  int op = 0;                   // which operation of the handler's family
};

// Operations of the handler families, as a Command's `op`.
enum SingleOp : int { kInverse, kTranspose, kGauss, kQr, kLu, kCholesky };
enum MeasureOp : int { kDeterminant, kColumnRank, kRowRank };
enum PairOp : int { kPlus, kMinus, kTimes };
enum ScalarOp : int { kAddScalar, kScalarMinus, kMultiplyScalar, kThreshold, kSet };
enum ComplexOp : int {
  kSin,
  kCos,
  kTan,
  kLn,
  kLg,
  kExp,
  kSinh,
  kCosh,
  kTanh,
  kPow,
  kComplexTimes,
  kComplexDivide,
  kLogBase,
};

// A result's answer: its text and the elements of `result` as its values, row by row; the one
// element of a 1 x 1 matrix is the main value.
CommandAnswer Shown(std::string content, const Matrix& result, int digits);

// Handlers (matrix_commands.cpp, combine_commands.cpp, complex_commands.cpp).
CommandAnswer DefineCommand(Context&, std::string_view, const Command&);
CommandAnswer ViewCommand(Context&, std::string_view, const Command&);
CommandAnswer CopyCommand(Context&, std::string_view, const Command&);
CommandAnswer SingleCommand(Context&, std::string_view, const Command&);
CommandAnswer SubCommand(Context&, std::string_view, const Command&);
CommandAnswer MeasureCommand(Context&, std::string_view, const Command&);
CommandAnswer EigenCommand(Context&, std::string_view, const Command&);
CommandAnswer PairCommand(Context&, std::string_view, const Command&);
CommandAnswer ScalarCommand(Context&, std::string_view, const Command&);
CommandAnswer ComplexFunctionCommand(Context&, std::string_view, const Command&);
CommandAnswer ComplexPairCommand(Context&, std::string_view, const Command&);
CommandAnswer ComplexRootsCommand(Context&, std::string_view, const Command&);

// The number of a matrix name: "mat1" 1, "mat2" 2, "mat0" 0 when `allowMat0`; otherwise -1.
int MatrixNumber(std::string_view name, bool allowMat0 = false);

// The rows x cols block, each element with `digits` digits ("%.<digits>g") and "; " after it,
// "\r\n" after each row.
std::string MatrixText(const Matrix& m, int digits);

// The text after the first `separator`, and the text before it in `head`; npos-safe: without a
// separator `head` is the whole text and the result is empty. `found` tells which case it was.
std::string_view SplitAt(std::string_view text, char separator, std::string_view& head,
                         bool& found);

// Evaluates `text` on `evaluator`: `value` gets the result, `errors` the messages cut before the
// syntax checker's closing line. True when there were none.
bool EvaluateText(Evaluator& evaluator, std::string_view text, double& value, std::string& errors);

}  // namespace orvo::detail
