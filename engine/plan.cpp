#include "engine/detail/plan.h"

#include <cstring>

#include "base/text.h"

namespace orvo::detail {

void Plan::Clear() {
  state_ = State::kEmpty;
  steps_.clear();
  callArgs_.clear();
  notes_.clear();
}

void Plan::Begin(const std::vector<Term>& terms) {
  Clear();
  state_ = State::kRecording;
  start_.assign(terms.size(), 0.0);
  constant_.assign(terms.size(), true);
  variableSlots_.clear();
  variableNames_.clear();
  for (std::size_t k = 0; k < terms.size(); ++k) {
    start_[k] = terms[k].value;
    if (terms[k].kind != ' ') {
      constant_[k] = false;
      variableSlots_.push_back(static_cast<int>(k));
      variableNames_.push_back(terms[k].kind);
    }
  }
}

void Plan::Apply(int target, int source, Op op, const char* opText, double result, bool clean) {
  if (constant_[target] && constant_[source] && clean) {
    start_[target] = result;  // 0+1 and the like are worked out once
    return;
  }
  constant_[target] = false;
  Step step;
  step.op = op;
  std::memcpy(step.opText, opText, sizeof step.opText);
  step.target = target;
  step.source = source;
  switch (op) {
    case Op::kAdd:
      step.code = Code::kAdd;
      break;
    case Op::kSub:
      step.code = Code::kSub;
      break;
    case Op::kMul:
      step.code = Code::kMul;
      break;
    case Op::kDiv:
      step.code = Code::kDiv;
      break;
    case Op::kPower:
      step.code = constant_[source] && start_[source] == 2 ? Code::kSquare : Code::kApply;
      break;
    default:
      step.code = Code::kApply;
  }
  steps_.push_back(step);
}

void Plan::Call(int target, Op signOp, const char* signText, const int* argSlots, int count,
                int code, int folds) {
  constant_[target] = false;
  Step step;
  step.code = Code::kCall;
  step.op = signOp;
  std::memcpy(step.opText, signText, sizeof step.opText);
  step.target = target;
  step.source = static_cast<int>(callArgs_.size());
  step.count = count;
  step.function = code;
  step.folds = folds;
  callArgs_.insert(callArgs_.end(), argSlots, argSlots + count);
  steps_.push_back(step);
}

void Plan::Note(std::string message) {
  Step step;
  step.code = Code::kNote;
  step.source = static_cast<int>(notes_.size());
  notes_.push_back(std::move(message));
  steps_.push_back(step);
}

bool Plan::Run(double x, double y, double z, Random* rng, int& status, std::string& errors,
               double& result) {
  values_ = start_;
  double* v = values_.data();
  for (std::size_t k = 0; k < variableSlots_.size(); ++k) {
    char name = variableNames_[k];
    v[variableSlots_[k]] = name == 'x' ? x : name == 'y' ? y : z;
  }
  for (const Step& step : steps_) {
    double& left = v[step.target];
    switch (step.code) {
      case Code::kAdd:
        left = left + v[step.source];
        break;
      case Code::kSub:
        left = left - v[step.source];
        break;
      case Code::kMul:
        left = left * v[step.source];
        break;
      case Code::kDiv:
        if (v[step.source] != 0) {
          left = left / v[step.source];
        } else {
          left = ApplyOperator(left, step.op, step.opText, v[step.source], status, errors);
        }
        break;
      case Code::kSquare:
        left = left * left;
        break;
      case Code::kApply:
        left = ApplyOperator(left, step.op, step.opText, v[step.source], status, errors);
        break;
      case Code::kCall: {
        const int* args = callArgs_.data() + step.source;
        scratch_.resize(static_cast<std::size_t>(step.count));
        for (int k = 0; k < step.count; ++k) scratch_[k] = v[args[k]];
        FunctionCall call;
        call.code = step.function;
        call.signedFirst = step.op == Op::kAdd ? 0 + scratch_[0]
                                               : ApplyOperator(0, step.op, step.opText, scratch_[0],
                                                               status, errors);
        call.args = scratch_.data();
        call.count = step.count;
        call.rng = rng;
        call.status = &status;
        call.errors = &errors;
        CallFunction(call);
        int folds = call.folds < 0 ? 0 : call.folds > step.count ? step.count : call.folds;
        if (call.unknown || folds != step.folds) return false;
        left = call.value;
        break;
      }
      case Code::kNote:
        AppendMessage(errors, notes_[step.source]);
        break;
    }
  }
  result = v[0];  // position 0 is never folded away, so its slot is 0
  return true;
}

}  // namespace orvo::detail
