// The evaluation core: reduces the working Terms innermost bracket group first, inside a group
// by operator grade, left to right within a grade. The first reduction of a prepared list also
// records what it does, so later evaluations can replay it on plain values.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/text.h"
#include "engine/detail/messages.h"
#include "engine/evaluator.h"

namespace orvo {
namespace {

bool IsGrade3(Op op) {
  return op == Op::kMul || op == Op::kRealRem || op == Op::kDiv || op == Op::kPercent ||
         op == Op::kIntDiv;
}

bool IsGrade4(Op op) {
  return op == Op::kAdd || op == Op::kSub;
}

// Comparison, boolean and bit operators, and unknown pairs of their characters.
bool IsGrade5(Op op) {
  return op != Op::kNone && op != Op::kComma && op != Op::kPower && op != Op::kFactorial &&
         !IsGrade3(op) && !IsGrade4(op);
}

}  // namespace

bool Evaluator::MergeTerm(int i) {
  Term& left = work_[i];
  const Term& right = work_[i + 1];
  bool closed = left.bracket == -1 && right.bracket == 1;
  left.op = right.op;
  std::memcpy(left.opText, right.opText, sizeof left.opText);
  left.funcCode = right.funcCode;
  left.bracket += right.bracket;
  std::copy(work_.begin() + i + 2, work_.begin() + liveCount_ + 1, work_.begin() + i + 1);
  if (plan_ == PlanState::kRecording) {
    std::copy(slots_.begin() + i + 2, slots_.begin() + liveCount_ + 1, slots_.begin() + i + 1);
  }
  --liveCount_;
  return closed;
}

void Evaluator::Record(const Step& step) {
  if (plan_ == PlanState::kRecording) steps_.push_back(step);
}

void Evaluator::ReduceGroup(int& i, int start, int& end, bool& groupClosed, std::string& errors) {
  auto scan = [&](auto matches) {
    for (i = start; i < end && !matches(i); ++i) {
    }
    return i < end;
  };
  bool found = scan([&](int k) {
                 Op op = work_[k].op;
                 return op == Op::kPower || op == Op::kFactorial ||
                        (op == Op::kPercent && work_[k + 1].value == 0);  // the percent sign
               }) ||
               scan([&](int k) { return IsGrade3(work_[k].op); }) ||
               scan([&](int k) { return IsGrade4(work_[k].op); }) ||
               scan([&](int k) { return IsGrade5(work_[k].op); });
  if (found) {
    Term& left = work_[i];
    left.value =
        ApplyOperator(left.value, left.op, left.opText, work_[i + 1].value, status_, errors);
    if (plan_ == PlanState::kRecording) {
      Step step;
      step.kind = Step::Kind::kApply;
      step.op = left.op;
      std::memcpy(step.opText, left.opText, sizeof step.opText);
      step.target = slots_[i];
      step.source = slots_[i + 1];
      Record(step);
    }
  } else {
    i = start;  // only commas are left; fold without applying anything
  }
  groupClosed = MergeTerm(i);
  (void)end;
}

void Evaluator::CallFunctionAt(int open, int end, bool& handled, std::string& errors) {
  Term& call = work_[open];
  int count = end - open;  // the arguments: open+1 .. end, all reduced by now
  scratch_.resize(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) scratch_[k] = work_[open + 1 + k].value;

  // The operator the normaliser put after the bracket signs the first argument: sin(-a).
  double signedFirst = ApplyOperator(0, call.op, call.opText, scratch_[0], status_, errors);
  FunctionCall fc;
  fc.code = call.funcCode;
  fc.signedFirst = signedFirst;
  fc.args = scratch_.data();
  fc.count = count;
  fc.rng = rng_;
  fc.status = &status_;
  fc.errors = &errors;
  orvo::CallFunction(fc);

  handled = false;
  if (fc.unknown) {
    // No branch for this code: the whole list is given up.
    liveCount_ = 0;
    work_[0].value = -1;
    prepared_ = false;
    plan_ = PlanState::kUnusable;
    return;
  }
  call.value = fc.value;
  int folds = std::clamp(fc.folds, 0, count);
  if (plan_ == PlanState::kRecording) {
    Step step;
    step.kind = Step::Kind::kCall;
    step.op = call.op;
    std::memcpy(step.opText, call.opText, sizeof step.opText);
    step.target = slots_[open];
    step.source = static_cast<int>(callArgs_.size());
    step.count = count;
    step.code = fc.code;
    step.folds = folds;
    callArgs_.insert(callArgs_.end(), slots_.begin() + open + 1, slots_.begin() + end + 1);
    Record(step);
  }
  for (int k = 0; k < folds; ++k) handled = MergeTerm(open);
}

double Evaluator::Reduce(std::string& errors, bool record) {
  if (record) {
    slots_.resize(work_.size());
    for (std::size_t k = 0; k < slots_.size(); ++k) slots_[k] = static_cast<int>(k);
    steps_.clear();
    callArgs_.clear();
    notes_.clear();
  }
  auto note = [&](std::string message) {
    AppendMessage(errors, message);
    if (plan_ == PlanState::kRecording) {
      Step step;
      step.kind = Step::Kind::kNote;
      step.source = static_cast<int>(notes_.size());
      notes_.push_back(std::move(message));
      Record(step);
    }
  };
  auto foldCommas = [&](int open) {
    while (open < liveCount_ && work_[open].op == Op::kComma) MergeTerm(open);
  };

  bool groupClosed = false;
  while (liveCount_ != 0) {
    int end = liveCount_;
    for (int i = 0; i < liveCount_; ++i) {
      if (work_[i].bracket == 1) {
        end = i;
        break;
      }
    }
    int open = 0;
    for (int i = end; i >= 0; --i) {
      if (work_[i].bracket == -1) {
        open = i;
        break;
      }
    }
    int start = work_[open].funcCode != 0 ? open + 1 : open;
    int liveBefore = liveCount_;
    while (start < end) {
      if (work_[start].op == Op::kComma) {
        ++start;
      } else {
        int i = start;
        ReduceGroup(i, start, end, groupClosed, errors);
        --end;
      }
    }
    if (groupClosed) {
      groupClosed = false;
      continue;
    }
    Term& head = work_[open];
    if (head.funcCode == 0) {
      note(std::string(msg::kIllegalComma));
      foldCommas(open);
      if (liveCount_ == liveBefore) {
        // A group that neither closes nor shrinks would loop for ever; the check's guarantees
        // make this unreachable, but a calculator must not hang.
        status_ = kStatusUnknown;
        break;
      }
    } else {
      bool handled = false;
      CallFunctionAt(open, end, handled, errors);
      if (liveCount_ == 0) break;  // the list was given up
      if (!handled) {
        note("Error: " + std::string(work_[open].funcName) + std::string(msg::kParameterCount));
        foldCommas(open);
      }
      work_[open].funcCode = 0;
      work_[open].funcName[0] = '\0';
    }
  }
  if (plan_ == PlanState::kRecording) slots_.clear();
  return work_[0].value;
}

bool Evaluator::Replay(double& result, std::string& errors) {
  values_.resize(terms_.size());
  for (std::size_t k = 0; k < terms_.size(); ++k) {
    const Term& term = terms_[k];
    values_[k] = term.kind == ' ' ? term.value : term.kind == 'x' ? x_ : term.kind == 'y' ? y_ : z_;
  }
  for (const Step& step : steps_) {
    switch (step.kind) {
      case Step::Kind::kApply:
        values_[step.target] = ApplyOperator(values_[step.target], step.op, step.opText,
                                             values_[step.source], status_, errors);
        break;
      case Step::Kind::kCall: {
        const int* args = callArgs_.data() + step.source;
        scratch_.resize(static_cast<std::size_t>(step.count));
        for (int k = 0; k < step.count; ++k) scratch_[k] = values_[args[k]];
        FunctionCall fc;
        fc.code = step.code;
        fc.signedFirst = ApplyOperator(0, step.op, step.opText, scratch_[0], status_, errors);
        fc.args = scratch_.data();
        fc.count = step.count;
        fc.rng = rng_;
        fc.status = &status_;
        fc.errors = &errors;
        orvo::CallFunction(fc);
        if (fc.unknown || std::clamp(fc.folds, 0, step.count) != step.folds) return false;
        values_[step.target] = fc.value;
        break;
      }
      case Step::Kind::kNote:
        AppendMessage(errors, notes_[step.source]);
        break;
    }
  }
  result = values_[0];  // position 0 is never folded away, so its slot is 0
  return true;
}

}  // namespace orvo
