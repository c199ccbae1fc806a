#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/random.h"
#include "engine/term.h"

namespace orvo::detail {

// The reduction of a prepared Term list depends only on its structure (a percent sign excepted:
// such lists are never planned), so the first evaluation records the operations it performs and
// later evaluations replay them on plain values. Operations are recorded on slots: a slot is a
// Term's place in the prepared list and keeps its number while the Terms around it are folded
// away. Operations whose operands are all literal fold into the slots' starting values, and the
// normaliser's filler operands cost nothing: "(0+s" makes its slot an alias of s, and "+0)" only
// notes that the value must have 0 added (which turns -0 into +0) before it is used.
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
  void Drop() { state_ = State::kUnusable; }
  void Clear();

  bool recording() const { return state_ == State::kRecording; }
  bool ready() const { return state_ == State::kReady; }
  bool unusable() const { return state_ == State::kUnusable; }

  // Replays the plan. False when a call did not behave as recorded; the caller then reduces the
  // slow way (and should Drop the plan).
  bool Run(double x, double y, double z, Random* rng, int& status, std::string& errors,
           double& result);

 private:
  enum class State : std::uint8_t { kEmpty, kRecording, kReady, kUnusable };
  enum class Code : std::uint8_t {
    kAdd,
    kSub,
    kMul,
    kDiv,
    kAddZero,  // left + 0: what a filler or closing operand 0 does to a value
    kSquare,   // left ^ 2
    kPowEven,  // left ^ r for a literal even r, |r| >= 1
    kPowOdd,   // left ^ r for any other literal r with |r| >= 1: odd powers of negatives are real
    kApply,
    kCall,
    kNote
  };

  // While recording, `target` and `source` name slots. Finish turns the steps into three-address
  // form on registers: the slots' own registers keep their starting values for good, and every
  // step writes a fresh register, so a replay only has to set the variables.
  struct Step {
    Code code = Code::kApply;
    Op op = Op::kNone;  // kApply: the operator; kCall: the sign operator of the first argument
    char opText[3] = {};
    int target = 0;  // the left operand
    int source = 0;  // the right operand; kCall: index into calls_; kNote: into notes_
    int result = 0;  // the register written
  };
  struct CallInfo {
    int firstArg;  // into callArgs_
    int count;
    int function;
    int folds;
  };
  struct Variable {
    int slot;
    char name;
  };

  int Resolve(int slot);
  // Gives a slot its pending "+0" before a step reads it.
  void Settle(int slot);
  void Emit(Code code, int target, int source, Op op, const char* opText);
  bool RunCall(const Step& step, double* v, Random* rng, int& status, std::string& errors);

  State state_ = State::kEmpty;
  std::vector<Step> steps_;
  std::vector<double> start_;   // the slots' values before the first step
  std::vector<bool> constant_;  // while recording: the slot holds a value known in advance
  std::vector<int> alias_;      // while recording: the slot whose value this slot now is
  std::vector<bool> addZero_;   // while recording: the value still needs its "+0"
  int resultSlot_ = 0;
  bool resultAddZero_ = false;
  int resultRegister_ = 0;
  std::vector<Variable> variables_;
  std::vector<CallInfo> calls_;
  std::vector<int> callArgs_;
  std::vector<std::string> notes_;
  std::vector<double> values_;
  std::vector<double> scratch_;
};

}  // namespace orvo::detail
