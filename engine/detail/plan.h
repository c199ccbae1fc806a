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
// away. Operations whose operands are all literal fold into the slots' starting values.
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
  void Finish() { state_ = State::kReady; }
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
  enum class Code : std::uint8_t { kAdd, kSub, kMul, kDiv, kSquare, kApply, kCall, kNote };

  struct Step {
    Code code = Code::kApply;
    Op op = Op::kNone;  // kApply: the operator; kCall: the sign operator of the first argument
    char opText[3] = {};
    int target = 0;
    int source = 0;  // kApply etc.: right operand slot; kCall: first of callArgs_; kNote: notes_
    int count = 0;   // kCall: arguments
    int function = 0;
    int folds = 0;
  };

  State state_ = State::kEmpty;
  std::vector<Step> steps_;
  std::vector<double> start_;   // the slots' values before the first step
  std::vector<bool> constant_;  // while recording: the slot holds a value known in advance
  std::vector<int> variableSlots_;
  std::vector<char> variableNames_;
  std::vector<int> callArgs_;
  std::vector<std::string> notes_;
  std::vector<double> values_;
  std::vector<double> scratch_;
};

}  // namespace orvo::detail
