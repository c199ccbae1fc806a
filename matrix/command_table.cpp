// The "@" command table, the answer framing and the text helpers the handlers share.
#include "base/number_text.h"
#include "base/text.h"
#include "matrix/commands.h"
#include "matrix/detail/commands.h"
#include "matrix/detail/messages.h"

namespace orvo {
namespace detail {
namespace {

// Every "@" command word and what it runs. No word starts another, so the order does not matter.
constexpr Command kCommands[] = {
    {"(", "@(mat1): shows mat0, mat1 or mat2", ViewCommand},
    {"1(", "@1(m,n;a11;...;amn): defines mat1", DefineCommand, "", "", 1},
    {"2(", "@2(...): defines mat2 as @1 defines mat1", DefineCommand, "", "", 2},
    {"0(", "@0(mat1): copies mat0 into mat1 or mat2", CopyCommand},
    {"i(", "@i(mat1): inverse", SingleCommand, "i", "Inverse Matrix", kInverse},
    {"trans(", "@trans(mat1): transpose", SingleCommand, "trans", "Transpose Matrix", kTranspose},
    {"gauss(", "@gauss(mat1): upper triangular form", SingleCommand, "gauss",
     "Upper Triangular Matrix", kGauss},
    {"qr(", "@qr(mat1): QR split", SingleCommand, "qr", "QR Split", kQr},
    {"lu(", "@lu(mat1): LU split", SingleCommand, "lu", "LU Split", kLu},
    {"chsky(", "@chsky(mat1): Cholesky split", SingleCommand, "cholesky", "Cholesky Split",
     kCholesky},
    {"sub(", "@sub(mat1;i;j): mat1 without row i and column j", SubCommand, "sub", "Sub Matrix"},
    {"det(", "@det(mat1): determinant", MeasureCommand, "det", "Determinant Value", kDeterminant},
    {"rankc(", "@rankc(mat1): column rank", MeasureCommand, "rankc", "Column Rank", kColumnRank},
    {"rankr(", "@rankr(mat1): row rank", MeasureCommand, "rankr", "Row Rank", kRowRank},
    {"ev(", "@ev(mat1): eigenvalues", EigenCommand, "ev", "Eigen Values"},
    {"+(", "@+(mat1;mat2): sum of two matrices", PairCommand, "+", "plus", kPlus},
    {"-(", "@-(mat1;mat2): difference of two matrices", PairCommand, "-", "minus", kMinus},
    {"*(", "@*(mat1;mat2): product of two matrices", PairCommand, "*", "multiple", kTimes},
    {"d+(", "@d+(d;mat1): d plus each element", ScalarCommand, "+", "", kAddScalar},
    {"d-(", "@d-(d;mat1): d minus each element", ScalarCommand, "-", "", kScalarMinus},
    {"d*(", "@d*(d;mat1): d times each element", ScalarCommand, "*", "", kMultiplyScalar},
    {"d(", "@d(d;mat1): elements smaller than d become 0", ScalarCommand, "", "", kThreshold},
    {"set(", "@set(f(x);mat1): each element becomes f(element)", ScalarCommand, "set", "", kSet},
    {"sin(", "@sin(mat1): complex sine", ComplexFunctionCommand, "sin", "", kSin},
    {"cos(", "@cos(mat1): complex cosine", ComplexFunctionCommand, "cos", "", kCos},
    {"tan(", "@tan(mat1): complex tangent", ComplexFunctionCommand, "tan", "", kTan},
    {"ln(", "@ln(mat1): complex natural logarithm", ComplexFunctionCommand, "ln", "", kLn},
    {"lg(", "@lg(mat1): complex common logarithm", ComplexFunctionCommand, "lg", "", kLg},
    {"exp(", "@exp(mat1): complex exponential", ComplexFunctionCommand, "exp", "", kExp},
    {"sinh(", "@sinh(mat1): complex hyperbolic sine", ComplexFunctionCommand, "sinh", "", kSinh},
    {"cosh(", "@cosh(mat1): complex hyperbolic cosine", ComplexFunctionCommand, "cosh", "", kCosh},
    {"tanh(", "@tanh(mat1): complex hyperbolic tangent", ComplexFunctionCommand, "tanh", "", kTanh},
    {"pow(", "@pow(mat1;mat2): complex power", ComplexPairCommand, "pow", "", kPow},
    {"c*(", "@c*(mat1;mat2): complex product", ComplexPairCommand, "c*", "", kComplexTimes},
    {"c/(", "@c/(mat1;mat2): complex quotient", ComplexPairCommand, "c/", "", kComplexDivide},
    {"log(", "@log(mat1;mat2): complex logarithm of mat2 to the base mat1", ComplexPairCommand,
     "log", "", kLogBase},
    {"root(", "@root(n;mat1): the n complex roots", ComplexRootsCommand, "root"},
};

// Blanks, tabs and line breaks out, trailing "=" off, and (except for the definitions, whose
// element list may end in a bracket of its own) one closing bracket off.
std::string CleanText(std::string_view text, bool keepBracket) {
  std::string clean;
  clean.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') clean += c;
  }
  while (EndsWith(clean, "=")) clean.pop_back();
  if (!keepBracket && EndsWith(clean, ")")) clean.pop_back();
  return clean;
}

// An answer goes below the command. The handlers' texts may begin or end with a line break of
// their own, which the console's framing gives already.
CommandAnswer Content(CommandAnswer answer) {
  std::string& text = answer.content;
  if (StartsWith(text, kNewLine)) text.erase(0, kNewLine.size());
  if (EndsWith(text, kNewLine)) text.resize(text.size() - kNewLine.size());
  answer.placement = Placement::kBelow;
  return answer;
}

}  // namespace

int MatrixNumber(std::string_view name, bool allowMat0) {
  if (name == "mat1") return 1;
  if (name == "mat2") return 2;
  if (allowMat0 && name == "mat0") return 0;
  return -1;
}

std::string MatrixText(const Matrix& m, int digits) {
  std::string text;
  for (int i = 0; i < m.rows(); ++i) {
    for (int j = 0; j < m.cols(); ++j) {
      text += FormatG(m.at(i, j), digits);
      text += "; ";
    }
    text += kNewLine;
  }
  return text;
}

CommandAnswer Shown(std::string content, const Matrix& result, int digits) {
  CommandAnswer answer{std::move(content)};
  const bool single = result.rows() == 1 && result.cols() == 1;
  for (int i = 0; i < result.rows(); ++i) {
    for (int j = 0; j < result.cols(); ++j) {
      std::string name = "[" + FormatInt(i + 1) + "," + FormatInt(j + 1) + "]";
      answer.values.push_back(
          {std::move(name), FormatG(result.at(i, j), digits), result.at(i, j), single});
    }
  }
  return answer;
}

std::string_view SplitAt(std::string_view text, char separator, std::string_view& head,
                         bool& found) {
  std::size_t at = text.find(separator);
  found = at != std::string_view::npos;
  if (!found) {
    head = text;
    return {};
  }
  head = text.substr(0, at);
  return text.substr(at + 1);
}

bool EvaluateText(Evaluator& evaluator, std::string_view text, double& value, std::string& errors) {
  errors.clear();
  evaluator.SetExpression(text);
  std::string raw;
  Evaluation result = evaluator.Evaluate(raw);
  value = result.value;
  errors = std::string(CutAtErrorTrailer(raw));
  return result.ok();
}

}  // namespace detail

std::string_view MatrixCommandWord(std::string_view text) {
  for (const detail::Command& command : detail::kCommands) {
    if (StartsWith(text, command.routeWord)) return command.routeWord;
  }
  return {};
}

std::vector<std::string_view> MatrixCommandUsages() {
  std::vector<std::string_view> usages;
  for (const detail::Command& command : detail::kCommands) {
    usages.push_back(command.usage);
  }
  return usages;
}

CommandAnswer MatrixCommand(const CommandEnv& env, MatrixSet& matrices, std::string_view text) {
  using namespace detail;
  Context context{matrices, env.precision, env.rng};
  for (const Command& command : kCommands) {
    if (!StartsWith(text, command.routeWord)) continue;
    bool isDefinition = command.run == DefineCommand;
    std::string_view rest = text.substr(command.routeWord.size());
    return Content(command.run(context, CleanText(rest, isDefinition), command));
  }
  return Content(FailedAnswer(std::string(msg::kNoSuchCommand)));
}

}  // namespace orvo
