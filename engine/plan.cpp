#include "engine/detail/plan.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

#include "base/text.h"

namespace orvo::detail {

void Plan::Clear() {
  state_ = State::kEmpty;
  steps_.clear();
  calls_.clear();
  callArgs_.clear();
  notes_.clear();
}

void Plan::Begin(const std::vector<Term>& terms) {
  Clear();
  state_ = State::kRecording;
  start_.assign(terms.size(), 0.0);
  constant_.assign(terms.size(), true);
  alias_.resize(terms.size());
  std::iota(alias_.begin(), alias_.end(), 0);
  addZero_.assign(terms.size(), false);
  values_.assign(terms.size(), 0.0);
  variables_.clear();
  for (std::size_t k = 0; k < terms.size(); ++k) {
    start_[k] = terms[k].value;
    if (terms[k].kind != ' ') {
      constant_[k] = false;
      variables_.push_back({static_cast<int>(k), terms[k].kind});
    }
  }
}

int Plan::Resolve(int slot) {
  while (alias_[slot] != slot) slot = alias_[slot] = alias_[alias_[slot]];
  return slot;
}

void Plan::Emit(Code code, int target, int source, Op op, const char* opText) {
  Step step;
  step.code = code;
  step.op = op;
  if (opText != nullptr) std::strncpy(step.opText, opText, sizeof step.opText - 1);
  step.target = target;
  step.source = source;
  steps_.push_back(step);
}

void Plan::Settle(int slot) {
  if (!addZero_[slot]) return;
  Emit(Code::kAddZero, slot, slot, Op::kAdd, "+");
  addZero_[slot] = false;
}

namespace {

bool IsPlusZero(double value) {
  return value == 0 && !std::signbit(value);
}

}  // namespace

void Plan::Apply(int targetSlot, int sourceSlot, Op op, const char* opText, double result,
                 bool clean) {
  int target = Resolve(targetSlot);
  int source = Resolve(sourceSlot);
  if (constant_[target] && constant_[source] && clean) {
    start_[target] = result;  // 0+1 and the like are worked out once
    return;
  }
  if (op == Op::kAdd && constant_[target] && IsPlusZero(start_[target])) {
    alias_[target] = source;  // the filler of "(0+s": the group's value is s + 0
    addZero_[source] = true;
    return;
  }
  if (op == Op::kAdd && constant_[source] && IsPlusZero(start_[source])) {
    addZero_[target] = true;  // the closing operand of "+0)"
    return;
  }
  // Adding or subtracting a non-zero number gives the same whether or not 0 was added first.
  bool nonZeroRight = constant_[source] && start_[source] != 0;
  if (!((op == Op::kAdd || op == Op::kSub) && nonZeroRight)) Settle(target);
  Settle(source);
  addZero_[target] = false;
  double right = start_[source];
  Code code = Code::kApply;
  switch (op) {
    case Op::kAdd:
      code = Code::kAdd;
      break;
    case Op::kSub:
      code = Code::kSub;
      break;
    case Op::kMul:
      code = Code::kMul;
      break;
    case Op::kDiv:
      code = Code::kDiv;
      break;
    case Op::kPower:
      // What Power() does for a literal exponent, decided once.
      if (!constant_[source] || !(std::fabs(right) >= 1)) break;
      code = right == 2 ? Code::kSquare : std::fmod(right, 2) == 0 ? Code::kPowEven : Code::kPowOdd;
      break;
    default:
      break;
  }
  constant_[target] = false;
  Emit(code, target, source, op, opText);
}

void Plan::Call(int targetSlot, Op signOp, const char* signText, const int* argSlots, int count,
                int code, int folds) {
  int target = Resolve(targetSlot);
  int firstArg = static_cast<int>(callArgs_.size());
  for (int k = 0; k < count; ++k) {
    int arg = Resolve(argSlots[k]);
    // The sign operator "+" adds the first argument to 0 anyway.
    if (k > 0 || signOp != Op::kAdd) Settle(arg);
    callArgs_.push_back(arg);
  }
  constant_[target] = false;
  addZero_[target] = false;
  Step step;
  step.code = Code::kCall;
  step.op = signOp;
  std::memcpy(step.opText, signText, sizeof step.opText);
  step.target = target;
  step.source = static_cast<int>(calls_.size());
  calls_.push_back({firstArg, count, code, folds});
  steps_.push_back(step);
}

void Plan::Note(std::string message) {
  Step step;
  step.code = Code::kNote;
  step.source = static_cast<int>(notes_.size());
  notes_.push_back(std::move(message));
  steps_.push_back(step);
}

void Plan::Finish() {
  resultSlot_ = Resolve(0);
  resultAddZero_ = addZero_[resultSlot_];
  std::vector<int> current(start_.size());  // the register that holds each slot's value now
  std::iota(current.begin(), current.end(), 0);
  int next = static_cast<int>(start_.size());
  for (Step& step : steps_) {
    if (step.code == Code::kNote) continue;
    int slot = step.target;
    if (step.code == Code::kCall) {
      const CallInfo& info = calls_[step.source];
      for (int k = 0; k < info.count; ++k) {
        int& arg = callArgs_[info.firstArg + k];
        arg = current[arg];
      }
    } else {
      step.source = current[step.source];
    }
    step.target = current[slot];
    step.result = next++;
    current[slot] = step.result;
  }
  resultRegister_ = current[resultSlot_];
  std::size_t widest = 0;
  for (const CallInfo& info : calls_)
    widest = std::max(widest, static_cast<std::size_t>(info.count));
  scratch_.assign(widest, 0.0);
  values_.assign(static_cast<std::size_t>(next), 0.0);
  std::copy(start_.begin(), start_.end(), values_.begin());
  state_ = State::kReady;
}

bool Plan::Run(double x, double y, double z, Random* rng, int& status, std::string& errors,
               double& result) {
  double* v = values_.data();
  for (const Variable& variable : variables_) {
    v[variable.slot] = variable.name == 'x' ? x : variable.name == 'y' ? y : z;
  }
  for (const Step *step = steps_.data(), *end = step + steps_.size(); step != end; ++step) {
    const double left = v[step->target];
    const double& right = v[step->source];  // read only by the operator steps
    double& out = v[step->result];
    switch (step->code) {
      case Code::kAdd:
        out = left + right;
        break;
      case Code::kSub:
        out = left - right;
        break;
      case Code::kMul:
        out = left * right;
        break;
      case Code::kDiv:
        out = right != 0 ? left / right
                         : ApplyOperator(left, step->op, step->opText, right, status, errors);
        break;
      case Code::kAddZero:
        out = left + 0.0;
        break;
      case Code::kSquare:
        out = left * left;
        break;
      case Code::kPowEven:
        out = std::pow(left, right);
        break;
      case Code::kPowOdd:
        out = left < 0 ? -std::pow(-left, right) : std::pow(left, right);
        break;
      case Code::kApply:
        out = ApplyOperator(left, step->op, step->opText, right, status, errors);
        break;
      case Code::kCall:
        if (!RunCall(*step, v, rng, status, errors)) return false;
        break;
      case Code::kNote:
        AppendMessage(errors, notes_[step->source]);
        break;
    }
  }
  result = resultAddZero_ ? v[resultRegister_] + 0.0 : v[resultRegister_];
  return true;
}

bool Plan::RunCall(const Step& step, double* v, Random* rng, int& status, std::string& errors) {
  const CallInfo& info = calls_[step.source];
  const int* args = callArgs_.data() + info.firstArg;
  for (int k = 0; k < info.count; ++k) scratch_[k] = v[args[k]];
  FunctionCall call;
  call.code = info.function;
  call.signedFirst = step.op == Op::kAdd
                         ? 0 + scratch_[0]
                         : ApplyOperator(0, step.op, step.opText, scratch_[0], status, errors);
  call.args = scratch_.data();
  call.count = info.count;
  call.rng = rng;
  call.status = &status;
  call.errors = &errors;
  CallFunction(call);
  int folds = call.folds < 0 ? 0 : call.folds > info.count ? info.count : call.folds;
  if (call.unknown || folds != info.folds) return false;
  v[step.result] = call.value;
  return true;
}

}  // namespace orvo::detail
