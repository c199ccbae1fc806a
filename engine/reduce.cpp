// The evaluation core: reduces the working Terms innermost bracket group first, inside a group
// by operator grade, left to right within a grade. The first reduction of a prepared list also
// records what it does, so later evaluations can replay it on plain values.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/message.h"
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
  if (plan_.recording()) {
    std::copy(slots_.begin() + i + 2, slots_.begin() + liveCount_ + 1, slots_.begin() + i + 1);
  }
  --liveCount_;
  return closed;
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
    std::size_t messages = errors.size();
    int status = status_;
    left.value =
        ApplyOperator(left.value, left.op, left.opText, work_[i + 1].value, status_, errors);
    if (plan_.recording()) {
      bool clean = errors.size() == messages && status_ == status;
      plan_.Apply(slots_[i], slots_[i + 1], left.op, left.opText, left.value, clean);
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
  args_.resize(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) args_[k] = work_[open + 1 + k].value;

  // The operator the normaliser put after the bracket signs the first argument: sin(-a).
  double signedFirst = ApplyOperator(0, call.op, call.opText, args_[0], status_, errors);
  FunctionCall fc;
  fc.code = call.funcCode;
  fc.signedFirst = signedFirst;
  fc.args = args_.data();
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
    plan_.Drop();
    return;
  }
  call.value = fc.value;
  int folds = std::clamp(fc.folds, 0, count);
  if (plan_.recording()) {
    plan_.Call(slots_[open], call.op, call.opText, slots_.data() + open + 1, count, fc.code, folds);
  }
  for (int k = 0; k < folds; ++k) handled = MergeTerm(open);
}

double Evaluator::Reduce(std::string& errors) {
  if (!plan_.unusable() && !plan_.recording()) {
    plan_.Begin(terms_);
    slots_.resize(work_.size());
    for (std::size_t k = 0; k < slots_.size(); ++k) slots_[k] = static_cast<int>(k);
  }
  auto note = [&](std::string message) {
    AppendMessage(errors, message);
    if (plan_.recording()) plan_.Note(std::move(message));
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
        note(Fill(msg::kParameterCount, {work_[open].funcName}));
        foldCommas(open);
      }
      work_[open].funcCode = 0;
      work_[open].funcName[0] = '\0';
    }
  }
  if (plan_.recording()) plan_.Finish();
  return work_[0].value;
}

}  // namespace orvo
