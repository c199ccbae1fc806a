// The "@" commands on complex numbers, held as 1 x 2 matrices (real part, imaginary part).
#include <array>

#include "base/complex.h"
#include "base/message.h"
#include "base/number_text.h"
#include "matrix/detail/commands.h"
#include "matrix/detail/messages.h"

namespace orvo::detail {
namespace {

// Functions of one number, by ComplexOp.
constexpr Complex (*kFunctions[])(Complex) = {
    ComplexSin, ComplexCos,  ComplexTan,  ComplexLn,   ComplexLg,
    ComplexExp, ComplexSinh, ComplexCosh, ComplexTanh,
};

// Operations on two numbers, by ComplexOp from kPow on; the logarithm takes its base first.
constexpr Complex (*kPairs[])(Complex, Complex) = {ComplexPow, Multiply, Divide, ComplexLogBase};

bool HoldsComplex(const Matrix& m) {
  return m.rows() == 1 && m.cols() == 2;
}

Complex ToComplex(const Matrix& m) {
  Complex z;
  z.set(m.at(0, 0), m.at(0, 1));
  return z;
}

Matrix FromComplex(Complex z) {
  Matrix m(1, 2);
  m.at(0, 0) = z.re;
  m.at(0, 1) = z.im;
  return m;
}

// "Complex mat<k> " and the number's text.
std::string Operand(const Context& context, int k) {
  return Fill(msg::kComplexOperand, {FormatInt(k)}) +
         MatrixText(context.matrices[k], context.precision);
}

}  // namespace

CommandAnswer ComplexFunctionCommand(Context& context, std::string_view text,
                                     const Command& command) {
  const int k = MatrixNumber(text);
  if (k < 0) return FailedAnswer(Fill(msg::kBadName, {command.word}));
  if (!HoldsComplex(context.matrices[k]))
    return FailedAnswer(Fill(msg::kNotComplex, {FormatInt(k)}));
  context.matrices[0] = FromComplex(kFunctions[command.op](ToComplex(context.matrices[k])));
  return Shown(Operand(context, k) +
                   Fill(msg::kComplexFunctionResult, {command.word, FormatInt(k)}) +
                   MatrixText(context.matrices[0], context.precision),
               context.matrices[0], context.precision);
}

CommandAnswer ComplexPairCommand(Context& context, std::string_view text, const Command& command) {
  std::string_view firstName;
  bool found = false;
  std::string_view secondName = SplitAt(text, ';', firstName, found);
  const int a = MatrixNumber(firstName);
  const int b = MatrixNumber(secondName);
  if (!found || a < 0 || b < 0) return FailedAnswer(Fill(msg::kComplexPairBadName, {command.word}));
  for (int k : {a, b}) {
    if (!HoldsComplex(context.matrices[k]))
      return FailedAnswer(Fill(msg::kNotComplex, {FormatInt(k)}));
  }
  Complex w =
      kPairs[command.op - kPow](ToComplex(context.matrices[a]), ToComplex(context.matrices[b]));
  context.matrices[0] = FromComplex(w);
  return Shown(Operand(context, a) + Operand(context, b) +
                   Fill(msg::kComplexResult, {command.word}) +
                   MatrixText(context.matrices[0], context.precision),
               context.matrices[0], context.precision);
}

CommandAnswer ComplexRootsCommand(Context& context, std::string_view text, const Command&) {
  std::string_view countText;
  bool found = false;
  std::string_view name = SplitAt(text, ';', countText, found);
  int n = 2;
  if (!found) {
    name = text;
  } else if (!countText.empty()) {
    n = ParseInt(countText);
  }
  const std::string word = Fill(msg::kRootWord, {FormatInt(n)});
  const int k = MatrixNumber(name);
  if (k < 0) return FailedAnswer(std::string(msg::kRootBadName));
  if (!HoldsComplex(context.matrices[k]))
    return FailedAnswer(Fill(msg::kNotComplex, {FormatInt(k)}));
  // mat0 holds one root per row, so at most 20.
  if (n > Matrix::kMaxSize) return FailedAnswer(std::string(msg::kRootTooMany));

  std::array<Complex, Matrix::kMaxSize> roots{};
  if (!ComplexRoots(n, ToComplex(context.matrices[k]), roots)) {
    return FailedAnswer(std::string(msg::kRootTooFew));
  }
  Matrix result(n, 2);
  for (int i = 0; i < n; ++i) {
    result.at(i, 0) = roots[i].re;
    result.at(i, 1) = roots[i].im;
  }
  context.matrices[0] = result;
  return Shown(Operand(context, k) + Fill(msg::kComplexResult, {word}) +
                   MatrixText(context.matrices[0], context.precision),
               context.matrices[0], context.precision);
}

}  // namespace orvo::detail
