// The "@" commands that combine two matrices, or a number and a matrix.
#include "base/message.h"
#include "base/number_text.h"
#include "matrix/detail/commands.h"
#include "matrix/detail/messages.h"

namespace orvo::detail {
namespace {

bool ShapesFit(const Matrix& a, const Matrix& b, int op) {
  if (op == kTimes) return a.cols() == b.rows();
  return a.rows() == b.rows() && a.cols() == b.cols();
}

// Every element of `m` replaced by the prepared expression of `evaluator` at x = the element,
// y = its row and z = its column (counted from 1); an element whose evaluation fails becomes 0.
Matrix MapElements(Evaluator& evaluator, const Matrix& m) {
  Matrix result = m;
  std::string errors;
  for (int i = 0; i < m.rows(); ++i) {
    for (int j = 0; j < m.cols(); ++j) {
      evaluator.SetX(m.at(i, j));
      evaluator.SetY(i + 1);
      evaluator.SetZ(j + 1);
      Evaluation element = evaluator.Evaluate(errors);
      result.at(i, j) = element.ok() ? element.value : 0.0;
    }
  }
  return result;
}

}  // namespace

CommandAnswer PairCommand(Context& context, std::string_view text, const Command& command) {
  std::string_view firstName;
  bool found = false;
  std::string_view secondName = SplitAt(text, ';', firstName, found);
  const int a = MatrixNumber(firstName);
  const int b = MatrixNumber(secondName);
  if (!found || a < 0 || b < 0) return FailedAnswer(Fill(msg::kPairBadName, {command.word}));
  const Matrix& left = context.matrices[a];
  const Matrix& right = context.matrices[b];
  if (!ShapesFit(left, right, command.op))
    return FailedAnswer(Fill(msg::kPairFailed, {command.title}));

  Matrix result = command.op == kPlus    ? Add(left, right)
                  : command.op == kMinus ? Subtract(left, right)
                                         : Multiply(left, right);
  context.matrices[0] = result;
  return Shown(Fill(msg::kPairAnswer, {FormatInt(a), command.word, FormatInt(b)}) +
                   MatrixText(context.matrices[0], context.precision),
               context.matrices[0], context.precision);
}

CommandAnswer ScalarCommand(Context& context, std::string_view text, const Command& command) {
  std::string_view expression;
  bool found = false;
  std::string_view name = SplitAt(text, ';', expression, found);
  Evaluator evaluator(context.rng);  // its own x = 0, y = e, z = pi, not the user's
  double d = 0;
  std::string errors;
  if (!EvaluateText(evaluator, expression, d, errors)) return FailedAnswer(errors);
  const int k = MatrixNumber(name);
  if (k < 0) return FailedAnswer(Fill(msg::kScalarBadName, {command.word}));
  Matrix& operand = context.matrices[k];
  Matrix& mat0 = context.matrices[0];

  switch (command.op) {
    case kAddScalar:
      mat0 = AddScalar(d, operand);
      break;
    case kScalarMinus:
      mat0 = ScalarMinus(d, operand);
      break;
    case kMultiplyScalar:
      mat0 = MultiplyScalar(d, operand);
      break;
    case kThreshold:
      Threshold(operand, d);
      return Shown(
          Fill(msg::kChangedInPlace, {FormatInt(k)}) + MatrixText(operand, context.precision),
          operand, context.precision);
    case kSet:
      operand = MapElements(evaluator, operand);
      return Shown(
          Fill(msg::kChangedInPlace, {FormatInt(k)}) + MatrixText(operand, context.precision),
          operand, context.precision);
    default:
      break;
  }
  return Shown(
      Fill(msg::kScalarAnswer, {FormatG(d, context.precision), command.word, FormatInt(k)}) +
          MatrixText(mat0, context.precision),
      mat0, context.precision);
}

}  // namespace orvo::detail
