#pragma once
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "base/random.h"
#include "engine/evaluation.h"
#include "engine/term.h"

namespace orvo::detail {

// left ^ r for a literal r, |r| >= 1, that is not even: odd powers of negatives are real.
inline double OddPower(double left, double right) {
  return left < 0 ? -std::pow(-left, right) : std::pow(left, right);
}

// The end of every evaluation: an infinity or the largest double becomes an overflow (a
// not-a-number passes), and a failed evaluation gives -1.
void Conclude(double result, int& status, std::string& errors, double& value);

// The reduction of a prepared Term list depends only on its structure (a percent sign excepted:
// such lists are never planned), so the first evaluation records the operations it performs and
// later evaluations replay them on plain values. Operations are recorded on slots: a slot is a
// Term's place in the prepared list and keeps its number while the Terms around it are folded
// away. Operations whose operands are all literal fold into the slots' starting values, and the
// normaliser's filler operands cost nothing: "(0+s" makes its slot an alias of s, and "+0)" only
// notes that the value must have 0 added (which turns -0 into +0) before a step that cares
// reads it. Later evaluations then cost one pass over a short array of steps: no text, no
// Terms, no heap.
class Plan {
 public:
  // Starts recording for a prepared list.
  void Begin(const std::vector<Term>& terms);
  // An operator applied to two slots; `result` is what it gave, `clean` that it gave no message.
  void Apply(int target, int source, Op op, const char* opText, double result, bool clean);
  // A function call on `count` argument slots, signed by the operator after its bracket.
  void Call(int target, Op signOp, const char* signText, const int* argSlots, int count, int code,
            int folds);
  // A message of the core itself (the comma and count messages).
  void Note(std::string message);
  void Finish();
  void Drop() {
    state_ = State::kUnusable;
    pureRun_ = nullptr;
  }
  void Clear();

  bool recording() const { return state_ == State::kRecording; }
  bool ready() const { return state_ == State::kReady; }
  bool unusable() const { return state_ == State::kUnusable; }

  // Replays the plan as a whole evaluation: status from 0 and `errors` from empty, the steps,
  // then what Conclude does, into `result`. False when a call did not behave as recorded; the
  // caller then reduces the slow way (and should Drop the plan).
  bool Run(double x, double y, double z, Random* rng, std::string& errors, Evaluation& result);

  // Whether every step is plain arithmetic or a kernel's call, as in most plans: such a plan is
  // first replayed without status or messages, by RunPure.
  bool pure() const { return pureRun_ != nullptr; }
  // That replay: true with the result in `value`, or false where a step or the end would have a
  // message (a division by zero, an argument outside a kernel's range, an overflow): Run then
  // does it all again with the messages. A failed attempt leaves nothing behind, as every
  // register it writes is written by Run before Run reads it.
  bool RunPure(double x, double y, double z, double& value) {
    return pureRun_(*this, x, y, z, value);
  }

 private:
  enum class State : std::uint8_t { kEmpty, kRecording, kReady, kUnusable };

  // What a step does. The arithmetic codes come in forms: the plain one reads both operands
  // from registers, the "Acc" forms take one of them from the previous step's result, which the
  // replay keeps in a local variable (a machine register) so that chains of operations do not
  // wait for a store and a load between steps. Each Acc form directly follows its plain code.
  enum class Code : std::uint8_t {
    kAdd,
    kAddAccLeft,
    kAddAccRight,
    kSub,
    kSubAccLeft,
    kSubAccRight,
    kMul,
    kMulAccLeft,
    kMulAccRight,
    kDiv,
    kDivAccLeft,
    kDivAccRight,
    kAddZero,  // left + 0: what a filler or closing operand 0 does to a value
    kAddZeroAcc,
    kSquare,  // left ^ 2
    kSquareAcc,
    kCube,  // left ^ 3
    kCubeAcc,
    kPowEven,  // left ^ r for a literal even r, |r| >= 1
    kPowEvenAcc,
    kPowOdd,  // left ^ r for any other literal r with |r| >= 1: odd powers of negatives are real
    kPowOddAcc,
    kApply,  // any operator, through ApplyOperator
    kCall,
    // A call of one argument signed by "+" or "-" (sin(x), exp(-x)) whose branch was looked up
    // once: the commonest calls, made without the general call's copying and checks.
    kCallPlus,
    kCallMinus,
    // The same for a function with a kernel: inside the kernel's range the value is the
    // kernel's, without the call record.
    kKernelPlus,
    kKernelMinus,
    // The pure replay's kernel calls whose argument is the previous step's result.
    kKernelPlusAcc,
    kKernelMinusAcc,
    // A square and the sum or difference that takes it at once (1+x^2, 1-x^2, x^2+y), in one
    // step with the operands in their order: left ^ 2 is written to its register as before.
    kSquarePlus,   // left ^ 2 + right
    kPlusSquare,   // right + left ^ 2
    kSquareMinus,  // left ^ 2 - right
    kMinusSquare,  // right - left ^ 2
    kNote,
    // Codes of the pure replay only: the end of its steps, and the kernels it computes in line,
    // each in the four forms of the kernel calls (+v, -v, +acc, -acc).
    kEnd,
    kRootPlus,
    kRootMinus,
    kRootPlusAcc,
    kRootMinusAcc,
    kMagnitudePlus,
    kMagnitudeMinus,
    kMagnitudePlusAcc,
    kMagnitudeMinusAcc,
  };

  // While recording, `left` and `right` name slots. Finish turns the steps into three-address
  // form on registers: registers 0..2 hold x, y, z, then come the slots' own registers, which
  // keep their starting values for good, then one fresh register per step, which the step
  // writes (step k writes register firstStep_ + k), so a replay only has to set the variables.
  struct Step {
    Code code = Code::kApply;
    Op op = Op::kNone;  // kApply: the operator; kCall: the sign operator of the first argument
    char opText[3] = {};
    int left = 0;   // the left operand; kCallPlus, kCallMinus: the argument
    int right = 0;  // the right operand; the calls: index into calls_; kNote: into notes_
  };
  struct CallInfo {
    int firstArg;  // into callArgs_
    int count;
    int function;
    int folds;
    BoundFunction bound;  // the branch, when it can be called directly
  };

  // The steps of a pure plan as RunPure reads them: the same operations, each kernel call with
  // its kernel in `kernels_` (at `right`), in the form that takes its argument from the
  // accumulator where it can, then kEnd.
  struct PureStep {
    Code code = Code::kEnd;
    int left = 0;
    int right = 0;
  };

  using PureRun = bool (*)(Plan& plan, double x, double y, double z, double& value);
  // A plan whose codes are exactly these runs as one piece of code.
  struct Shape {
    Code codes[3];
    std::size_t count;
    PureRun run;
  };
  template <Code... kCodes>
  static constexpr Shape ShapeOf() {
    return {{kCodes...}, sizeof...(kCodes), &ReplayShape<kCodes...>};
  }

  // Builds pureSteps_ and chooses pureRun_ when every step allows it.
  void PreparePure();
  // The interpreter of pure steps; kCalls: whether the steps may call out.
  template <bool kCalls>
  static bool ReplayPure(Plan& plan, double x, double y, double z, double& value);
  // The same steps for plans of exactly these codes, without an interpreter's dispatch.
  template <Code... kCodes>
  static bool ReplayShape(Plan& plan, double x, double y, double z, double& value);
  template <Code kCode>
  static bool Perform(const PureStep& step, const Kernel* kernels, const double* v, double*& out,
                      double& acc);
  // Sets the variables' registers and gives the registers.
  double* SetVariables(double x, double y, double z) {
    double* v = values_.data();
    v[0] = x;
    v[1] = y;
    v[2] = z;
    return v;
  }
  bool ConcludePure(double acc, double& value) const;

  int Resolve(int slot);
  // Gives a slot its pending "+0" before a step reads it.
  void Settle(int slot);
  void Emit(Code code, int left, int right, Op op, const char* opText);
  // Joins each square with the sum or difference that follows and takes it.
  void FuseSquares();
  bool RunCall(const Step& step, const double* v, Random* rng, int& status, std::string& errors,
               double& value);
  double CallBound(const CallInfo& info, const double* arg, double signedFirst, Random* rng,
                   int& status, std::string& errors);

  State state_ = State::kEmpty;
  PureRun pureRun_ = nullptr;
  std::vector<PureStep> pureSteps_;
  std::vector<Kernel> kernels_;
  std::vector<Step> steps_;
  std::vector<double> start_;   // the slots' values before the first step
  std::vector<bool> constant_;  // while recording: the slot holds a value known in advance
  std::vector<int> alias_;      // while recording: the slot whose value this slot now is
  std::vector<bool> addZero_;   // while recording: the value still needs its "+0"
  std::vector<char> variable_;  // while recording: 'x', 'y', 'z' or ' ' for each slot
  int resultRegister_ = 0;
  // The result is the last step's, still in the replay's accumulator: no need to read it back.
  bool resultInAccumulator_ = false;
  // Added to the result: +0 when the outer group's "+0)" is still pending, else -0, which
  // leaves every value as it is (-0 + -0 is -0), so the replay needs no test for it.
  double resultZero_ = -0.0;
  int firstStep_ = 0;
  std::vector<CallInfo> calls_;
  std::vector<int> callArgs_;
  std::vector<std::string> notes_;
  std::vector<double> values_;
  std::vector<double> scratch_;
};

}  // namespace orvo::detail
