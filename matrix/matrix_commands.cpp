// The "@" commands that define, show, copy, transform and measure one matrix.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "base/message.h"
#include "base/number_text.h"
#include "base/text.h"
#include "matrix/detail/commands.h"
#include "matrix/detail/messages.h"

namespace orvo::detail {
namespace {

// Definitions show their elements with printf's default "%g", whatever the precision setting.
constexpr int kDefinitionDigits = 6;
// The eigenvalue iteration's step limit per eigenvalue (or pair).
constexpr int kEigenIterations = 2000;

// Reads the element list of a definition into `m` row by row; the list ends at its closing
// bracket. Returns the error lines, each beginning with a line break.
std::string ReadElements(Context& context, std::string_view list, Matrix& m) {
  Evaluator evaluator(context.rng);  // its own x = 0, y = e, z = pi, not the user's
  std::string errorLines;
  std::string errors;
  for (int i = 0; i < m.rows(); ++i) {
    for (int j = 0; j < m.cols(); ++j) {
      std::string_view element;
      bool found = false;
      std::string_view rest = SplitAt(list, ';', element, found);
      if (found) {
        if (!EvaluateText(evaluator, element, m.at(i, j), errors)) {
          errorLines += kNewLine;
          errorLines += errors;
        }
        list = rest;
        continue;
      }
      // The last element: the closing bracket is the command's unless the element needs it.
      if (!EndsWith(list, ")")) return errorLines;
      std::string firstErrors;
      if (!EvaluateText(evaluator, list.substr(0, list.size() - 1), m.at(i, j), firstErrors) &&
          !EvaluateText(evaluator, list, m.at(i, j), errors)) {
        // Neither reading works: the element is as wrong as any other, and says so.
        errorLines += kNewLine;
        errorLines += firstErrors;
      }
      return errorLines;
    }
  }
  return errorLines;
}

// The matrix named by a command's text, with its number in `k`; nullptr for any other text.
Matrix* UserMatrix(Context& context, std::string_view name, int& k) {
  k = MatrixNumber(name);
  return k < 0 ? nullptr : &context.matrices[k];
}

CommandAnswer BadName(const Command& command) {
  return FailedAnswer(Fill(msg::kBadName, {command.word}));
}

// "mat<k>" and its text, then the title and the text of mat0.
std::string OperandAndResult(const Context& context, int k, std::string_view title) {
  return Fill(msg::kOperand, {FormatInt(k)}) + MatrixText(context.matrices[k], context.precision) +
         Fill(msg::kResult, {title}) + MatrixText(context.matrices[0], context.precision);
}

}  // namespace

CommandAnswer DefineCommand(Context& context, std::string_view text, const Command& command) {
  const int k = command.op;
  std::string_view rowsText;
  bool hasComma = false;
  std::string_view rest = SplitAt(text, ',', rowsText, hasComma);
  std::string_view colsText;
  bool hasList = false;
  std::string_view list = SplitAt(rest, ';', colsText, hasList);
  if (!hasList) list = SplitAt(rest, '|', colsText, hasList);

  const int rows = std::clamp<int>(ParseInt(rowsText), 1, Matrix::kMaxSize);
  const int cols = std::clamp<int>(ParseInt(colsText), 1, Matrix::kMaxSize);
  Matrix m(rows, cols);
  std::string errorLines;
  if (hasList) {
    errorLines = ReadElements(context, list, m);
  } else {
    for (int i = 0; i < std::min(rows, cols); ++i) m.at(i, i) = 1.0;
  }
  // The matrix is defined even when elements failed: they hold -1, and the messages say which.
  context.matrices[k] = m;
  if (!errorLines.empty()) return FailedAnswer(errorLines);
  return Shown(Fill(msg::kMatrixDefined, {FormatInt(k), FormatInt(rows), FormatInt(cols)}) +
                   MatrixText(m, kDefinitionDigits),
               m, kDefinitionDigits);
}

CommandAnswer ViewCommand(Context& context, std::string_view text, const Command&) {
  int k = MatrixNumber(text, true);
  if (k < 0) return FailedAnswer(std::string(msg::kViewBadName));
  return Shown(
      Fill(msg::kViewTitle, {FormatInt(k)}) + MatrixText(context.matrices[k], context.precision),
      context.matrices[k], context.precision);
}

CommandAnswer CopyCommand(Context& context, std::string_view text, const Command&) {
  int k = MatrixNumber(text);
  if (k < 0) return FailedAnswer(std::string(msg::kCopyBadName));
  context.matrices[k] = context.matrices[0];
  return {Fill(msg::kCopied, {FormatInt(k)})};
}

CommandAnswer SingleCommand(Context& context, std::string_view text, const Command& command) {
  int k = 0;
  Matrix* operand = UserMatrix(context, text, k);
  if (operand == nullptr) return BadName(command);
  Matrix& mat0 = context.matrices[0];
  const int digits = context.precision;

  switch (command.op) {
    case kInverse: {
      if (!operand->isSquare()) return FailedAnswer(Fill(msg::kNotSquare, {FormatInt(k)}));
      Matrix result;
      if (!Inverse(*operand, result)) return FailedAnswer(Fill(msg::kSingular, {FormatInt(k)}));
      mat0 = result;
      break;
    }
    case kTranspose:
      mat0 = Transpose(*operand);
      break;
    case kGauss: {
      int swaps = 0;
      mat0 = Echelon(*operand, swaps);
      break;
    }
    case kQr: {
      Matrix r = *operand;
      Matrix q(operand->rows(), operand->rows());
      if (!QrSplit(r, q)) return FailedAnswer(Fill(msg::kQrFailed, {FormatInt(k)}));
      *operand = q;
      mat0 = r;
      return Shown(Fill(msg::kQrAnswer, {FormatInt(k), FormatInt(k)}) +
                       MatrixText(*operand, digits) + std::string(msg::kQrResult) +
                       MatrixText(mat0, digits),
                   mat0, digits);
    }
    case kLu: {
      Matrix l(operand->rows(), operand->rows());
      Matrix u(operand->rows(), operand->cols());
      if (!LuSplit(*operand, l, u)) return FailedAnswer(Fill(msg::kLuFailed, {FormatInt(k)}));
      *operand = l;
      mat0 = u;
      return Shown(Fill(msg::kLuAnswer, {FormatInt(k), FormatInt(k)}) +
                       MatrixText(*operand, digits) + std::string(msg::kLuResult) +
                       MatrixText(mat0, digits),
                   mat0, digits);
    }
    case kCholesky: {
      Matrix g = *operand;
      if (!CholeskySplit(g)) return FailedAnswer(Fill(msg::kCholeskyFailed, {FormatInt(k)}));
      mat0 = g;
      break;
    }
    default:
      break;
  }
  return Shown(OperandAndResult(context, k, command.title), context.matrices[0], context.precision);
}

CommandAnswer SubCommand(Context& context, std::string_view text, const Command& command) {
  std::string_view name;
  bool found = false;
  std::string_view numbers = SplitAt(text, ';', name, found);
  if (!found) return FailedAnswer(std::string(msg::kSubMissing));
  int k = 0;
  Matrix* operand = UserMatrix(context, name, k);
  if (operand == nullptr) return FailedAnswer(std::string(msg::kSubBadName));
  std::string_view rowText;
  std::string_view colText = SplitAt(numbers, ';', rowText, found);
  if (!found) return FailedAnswer(std::string(msg::kSubMissing));

  const int row = ParseInt(rowText);
  const int col = ParseInt(colText);
  if (operand->rows() < 2 || operand->cols() < 2)
    return FailedAnswer(Fill(msg::kSubTooSmall, {FormatInt(k)}));
  if (row < 1 || row > operand->rows())
    return FailedAnswer(Fill(msg::kSubBadRow, {FormatInt(operand->rows())}));
  if (col < 1 || col > operand->cols())
    return FailedAnswer(Fill(msg::kSubBadColumn, {FormatInt(operand->cols())}));
  Matrix result;
  if (!Minor(*operand, row, col, result)) return FailedAnswer(std::string(msg::kSubMissing));
  context.matrices[0] = result;
  return Shown(OperandAndResult(context, k, command.title), context.matrices[0], context.precision);
}

CommandAnswer MeasureCommand(Context& context, std::string_view text, const Command& command) {
  int k = 0;
  Matrix* operand = UserMatrix(context, text, k);
  if (operand == nullptr) return BadName(command);
  double value = 0;
  switch (command.op) {
    case kDeterminant:
      if (!operand->isSquare()) return FailedAnswer(Fill(msg::kNotSquare, {FormatInt(k)}));
      value = Determinant(*operand);
      break;
    case kColumnRank:
      value = ColumnRank(*operand);
      break;
    case kRowRank:
      value = RowRank(*operand);
      break;
    default:
      break;
  }
  const std::string shown = FormatG(value, context.precision);
  return {Fill(msg::kMeasure, {FormatInt(k), command.title, shown, FormatInt(k)}) +
              MatrixText(*operand, context.precision),
          Placement::kBelow,
          false,
          false,
          {{std::string(command.title), shown, value, true}}};
}

CommandAnswer EigenCommand(Context& context, std::string_view text, const Command& command) {
  int k = 0;
  Matrix* operand = UserMatrix(context, text, k);
  if (operand == nullptr) return BadName(command);
  std::array<double, Matrix::kMaxSize> wr{};
  std::array<double, Matrix::kMaxSize> wi{};
  int found = 0;
  if (!EigenValues(*operand, wr, wi, kEigenIterations, context.precision, found)) {
    return FailedAnswer(Fill(msg::kNotSquare, {FormatInt(k)}));
  }
  std::string answer = Fill(msg::kEigenTitle, {FormatInt(k)});
  if (found == 0) answer += msg::kEigenFailed;
  std::vector<AnswerValue> values;
  const int n = operand->cols();
  for (int i = n - found; i < n; ++i) {
    std::string value = FormatG(wr[i], context.precision);
    if (wi[i] != 0.0) {
      if (!std::signbit(wi[i])) value += "+";  // a negative part brings its own "-"
      value += FormatG(wi[i], context.precision);
      value += "i";
    }
    answer += value + std::string(kNewLine);
    // A complex eigenvalue's number is its real part; the text keeps both.
    values.push_back(
        {"ev[" + FormatInt(i - (n - found) + 1) + "]", std::move(value), wr[i], false});
  }
  return {
      answer + Fill(msg::kEigenOperand, {FormatInt(k)}) + MatrixText(*operand, context.precision),
      Placement::kBelow, found == 0, false, std::move(values)};
}

}  // namespace orvo::detail
