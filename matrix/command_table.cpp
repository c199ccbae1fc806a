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
    {"(", ViewCommand},
    {"1(", DefineCommand, "", "", 1},
    {"2(", DefineCommand, "", "", 2},
    {"0(", CopyCommand},
    {"i(", SingleCommand, "i", "Inverse Matrix", kInverse},
    {"trans(", SingleCommand, "trans", "Transpose Matrix", kTranspose},
    {"gauss(", SingleCommand, "gauss", "Upper Triangular Matrix", kGauss},
    {"qr(", SingleCommand, "qr", "QR Split", kQr},
    {"lu(", SingleCommand, "lu", "LU Split", kLu},
    {"chsky(", SingleCommand, "cholesky", "Cholesky Split", kCholesky},
    {"sub(", SubCommand, "sub", "Sub Matrix"},
    {"det(", MeasureCommand, "det", "Determinant Value", kDeterminant},
    {"rankc(", MeasureCommand, "rankc", "Column Rank", kColumnRank},
    {"rankr(", MeasureCommand, "rankr", "Row Rank", kRowRank},
    {"ev(", EigenCommand, "ev", "Eigen Values"},
    {"+(", PairCommand, "+", "plus", kPlus},
    {"-(", PairCommand, "-", "minus", kMinus},
    {"*(", PairCommand, "*", "multiple", kTimes},
    {"d+(", ScalarCommand, "+", "", kAddScalar},
    {"d-(", ScalarCommand, "-", "", kScalarMinus},
    {"d*(", ScalarCommand, "*", "", kMultiplyScalar},
    {"d(", ScalarCommand, "", "", kThreshold},
    {"set(", ScalarCommand, "set", "", kSet},
    {"sin(", ComplexFunctionCommand, "sin", "", kSin},
    {"cos(", ComplexFunctionCommand, "cos", "", kCos},
    {"tan(", ComplexFunctionCommand, "tan", "", kTan},
    {"ln(", ComplexFunctionCommand, "ln", "", kLn},
    {"lg(", ComplexFunctionCommand, "lg", "", kLg},
    {"exp(", ComplexFunctionCommand, "exp", "", kExp},
    {"sinh(", ComplexFunctionCommand, "sinh", "", kSinh},
    {"cosh(", ComplexFunctionCommand, "cosh", "", kCosh},
    {"tanh(", ComplexFunctionCommand, "tanh", "", kTanh},
    {"pow(", ComplexPairCommand, "pow", "", kPow},
    {"c*(", ComplexPairCommand, "c*", "", kComplexTimes},
    {"c/(", ComplexPairCommand, "c/", "", kComplexDivide},
    {"log(", ComplexPairCommand, "log", "", kLogBase},
    {"root(", ComplexRootsCommand, "root"},
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
