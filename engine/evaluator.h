#pragma once
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluation.h"
#include "engine/plan.h"
#include "engine/term.h"
#include "functions/functions.h"

// The expression engine: turns expression text into a value, again and again with new values of
// the variables x, y and z.
namespace orvo {

class Random;

// Expressions with more operands than this are refused instead of being reduced slowly.
inline constexpr int kMaxOperands = 10000;

// Why the normaliser dropped part of a typed expression. Its forgiving rules keep only the first
// of two operators in a row, so some lines read otherwise than users of other calculators expect.
enum class DropRule {
  kSignAfterOperator,      // 5*-2 is 5*2
  kSignAfterComma,         // pow(2,-1) is pow(2,1)
  kSignAfterComparison,    // x>=-1 is x>=1
  kOperatorAfterOperator,  // 5*/2 is 5*2, 1+<2 is 1+2
  kTrailing,               // what follows the last operand: 3*+ is 3
};

// One dropped stretch of the typed text: [position, position + length) in bytes.
struct DroppedOperator {
  std::size_t position;
  std::size_t length;
  DropRule rule;
};

// What SetExpression's normalisation drops of `text`, in text order; empty when the expression
// reads as typed (the "=" that ends a line does not count). Costs a normalisation: for showing
// the user, never for repeated evaluation.
std::vector<DroppedOperator> DroppedOperators(std::string_view text);

class Evaluator {
 public:
  static constexpr double kE = std::numbers::e;
  static constexpr double kPi = std::numbers::pi;

  // Functions that search from pseudo-random starting points draw from `rng`, the session's.
  explicit Evaluator(Random& rng);
  Evaluator(const Evaluator&) = default;
  Evaluator& operator=(const Evaluator&) = default;

  // Stores the normalised text; nothing is checked until the next Evaluate. Keeps x, y, z.
  void SetExpression(std::string_view text);

  // Checks and splits the expression on the first call, then reduces it with the current x, y,
  // z. Messages go to `errors`, which is emptied first.
  Evaluation Evaluate(std::string& errors) {
    // The hot path of every numerical tool: once recorded, the plan replays the evaluation.
    // Both ways write the result in place, field by field: it stays in memory, so no caller
    // reads it back wider than it was written (a stall of a dozen cycles at each call).
    Evaluation result;
    if (plan_.pure() && plan_.RunPure(x_, y_, z_, result.value)) {
      errors.clear();
      result.status = 0;
      result.fault = Fault::kNone;
      return result;
    }
    if (!plan_.ready() || !plan_.Run(x_, y_, z_, rng_, errors, result)) {
      EvaluateSlowly(errors, result);
    }
    return result;
  }

  // Evaluate, then `text` = the value in printf's "%.<precision>g" ("%g" outside 1..16).
  Evaluation EvaluateToText(std::string& text, int precision, std::string& errors);

  void SetX(double value) { x_ = value; }
  void SetY(double value) { y_ = value; }
  void SetZ(double value) { z_ = value; }
  double GetX() const { return x_; }
  double GetY() const { return y_; }
  double GetZ() const { return z_; }

  const std::string& expression() const { return expression_; }
  // The prepared list (empty until a successful preparation); for tests and tools.
  const std::vector<Term>& terms() const { return terms_; }

 private:
  // Forgets the previous expression and its plan; the variables stay.
  void Forget();
  void EvaluateSlowly(std::string& errors, Evaluation& result);
  void PrepareTerms(std::string& errors);
  double Reduce(std::string& errors);
  void ReduceGroup(int& i, int start, int& end, bool& groupClosed, std::string& errors);
  bool MergeTerm(int i);
  void CallFunctionAt(int open, int end, bool& handled, std::string& errors);

  double x_ = 0;
  double y_ = kE;
  double z_ = kPi;
  int lastIndex_ = 0;
  int liveCount_ = 0;
  int status_ = 0;
  bool prepared_ = false;
  std::string expression_;
  std::vector<Term> terms_;
  std::vector<Term> work_;
  Random* rng_;

  detail::Plan plan_;         // the recorded reduction, replayed by later evaluations
  std::vector<int> slots_;    // while recording: the slot of each working position
  std::vector<double> args_;  // the arguments of one call
};

}  // namespace orvo
