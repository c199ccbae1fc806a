#include "engine/plan.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

#include "base/text.h"
#include "engine/detail/messages.h"

namespace orvo::detail {
namespace {

// Registers 0, 1, 2 hold x, y, z; the slots' registers follow.
constexpr int kFirstSlotRegister = 3;

bool IsPlusZero(double value) {
  return value == 0 && !std::signbit(value);
}

// "/" as ApplyOperator computes it, with the division by zero (and its message) kept there.
double Quotient(double left, double right, int& status, std::string& errors) {
  if (right != 0) return left / right;
  return ApplyOperator(left, Op::kDiv, "/", right, status, errors);
}

}  // namespace

void Plan::Clear() {
  state_ = State::kEmpty;
  pureRun_ = nullptr;
  steps_.clear();
  calls_.clear();
  callArgs_.clear();
  notes_.clear();
}

void Plan::Begin(const std::vector<Term>& terms) {
  Clear();
  state_ = State::kRecording;
  start_.resize(terms.size());
  variable_.resize(terms.size());
  constant_.resize(terms.size());
  for (std::size_t k = 0; k < terms.size(); ++k) {
    start_[k] = terms[k].value;
    variable_[k] = terms[k].kind;
    constant_[k] = terms[k].kind == ' ';
  }
  alias_.resize(terms.size());
  std::iota(alias_.begin(), alias_.end(), 0);
  addZero_.assign(terms.size(), false);
}

int Plan::Resolve(int slot) {
  while (alias_[slot] != slot) slot = alias_[slot] = alias_[alias_[slot]];
  return slot;
}

void Plan::Emit(Code code, int left, int right, Op op, const char* opText) {
  Step step;
  step.code = code;
  step.op = op;
  if (opText != nullptr) std::strncpy(step.opText, opText, sizeof step.opText - 1);
  step.left = left;
  step.right = right;
  steps_.push_back(step);
}

void Plan::Settle(int slot) {
  if (!addZero_[slot]) return;
  Emit(Code::kAddZero, slot, slot, Op::kAdd, "+");
  addZero_[slot] = false;
}

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
      code = right == 2                 ? Code::kSquare
             : right == 3               ? Code::kCube
             : std::fmod(right, 2) == 0 ? Code::kPowEven
                                        : Code::kPowOdd;
      break;
    default:
      break;
  }

  // A pending "+0" only matters when the value is -0, and can often wait or vanish:
  // (a+0)+b, a+(b+0) and (a+0)-b all equal (a op b)+0; a-(b+0) does not (a = b = -0).
  // a+c and a-c for a non-zero c are never -0, so adding 0 to them changes nothing.
  // Even powers give the same for -0 and +0.
  bool pending = false;
  switch (code) {
    case Code::kAdd:
      pending = addZero_[target] || addZero_[source];
      break;
    case Code::kSub:
      Settle(source);
      pending = addZero_[target];
      break;
    case Code::kSquare:
    case Code::kPowEven:
      break;
    default:
      Settle(target);
      Settle(source);
      break;
  }
  bool nonZeroLiteral = constant_[source] && right != 0;
  if ((code == Code::kAdd || code == Code::kSub) && nonZeroLiteral) pending = false;
  addZero_[target] = pending;
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
  step.left = target;
  step.right = static_cast<int>(calls_.size());
  BoundFunction bound = BindFunction(code, count);
  if (bound.folds != folds) bound = {};  // cannot happen: the fold count follows from the count
  calls_.push_back({firstArg, count, code, folds, bound});
  steps_.push_back(step);
}

void Plan::Note(std::string message) {
  Step step;
  step.code = Code::kNote;
  step.right = static_cast<int>(notes_.size());
  notes_.push_back(std::move(message));
  steps_.push_back(step);
}

void Plan::Finish() {
  int resultSlot = Resolve(0);
  resultZero_ = addZero_[resultSlot] ? 0.0 : -0.0;
  const int slots = static_cast<int>(start_.size());
  firstStep_ = kFirstSlotRegister + slots;
  std::vector<int> current(start_.size());  // the register that holds each slot's value now
  for (int k = 0; k < slots; ++k) {
    current[k] = variable_[k] == ' ' ? kFirstSlotRegister + k : variable_[k] - 'x';
  }
  int previous = -1;  // the register whose value the replay still holds in its accumulator
  int next = firstStep_;
  for (Step& step : steps_) {
    int result = next++;
    if (step.code == Code::kNote) continue;  // writes the accumulator's value again
    int slot = step.left;
    if (step.code == Code::kCall) {
      const CallInfo& info = calls_[step.right];
      for (int k = 0; k < info.count; ++k) {
        int& arg = callArgs_[info.firstArg + k];
        arg = current[arg];
      }
      if (info.bound.compute != nullptr && info.count == 1 &&
          (step.op == Op::kAdd || step.op == Op::kSub)) {
        bool plus = step.op == Op::kAdd;
        if (info.bound.kernel.compute != nullptr) {
          step.code = plus ? Code::kKernelPlus : Code::kKernelMinus;
        } else {
          step.code = plus ? Code::kCallPlus : Code::kCallMinus;
        }
        step.left = callArgs_[info.firstArg];
      }
    } else {
      step.left = current[step.left];
      step.right = current[step.right];
      bool accLeft = step.left == previous;
      bool accRight = step.right == previous && !accLeft;
      int form = 0;
      switch (step.code) {
        case Code::kAdd:
        case Code::kSub:
        case Code::kMul:
        case Code::kDiv:
          form = accLeft ? 1 : accRight ? 2 : 0;
          break;
        case Code::kAddZero:
        case Code::kSquare:
        case Code::kCube:
        case Code::kPowEven:
        case Code::kPowOdd:
          form = accLeft ? 1 : 0;
          break;
        default:
          break;
      }
      step.code = static_cast<Code>(static_cast<int>(step.code) + form);
    }
    current[slot] = result;
    previous = result;
  }
  resultRegister_ = current[resultSlot];
  resultInAccumulator_ = resultRegister_ == previous;
  FuseSquares();

  std::size_t widest = 1;
  for (const CallInfo& info : calls_) {
    widest = std::max(widest, static_cast<std::size_t>(info.count));
  }
  scratch_.assign(widest, 0.0);
  values_.assign(static_cast<std::size_t>(next), 0.0);
  std::copy(start_.begin(), start_.end(), values_.begin() + kFirstSlotRegister);
  PreparePure();
  state_ = State::kReady;
}

void Plan::FuseSquares() {
  std::size_t kept = 0;
  for (std::size_t k = 0; k < steps_.size(); ++k) {
    Step step = steps_[k];
    if (step.code == Code::kSquare && k + 1 < steps_.size()) {
      const Step& next = steps_[k + 1];
      Code fused = Code::kSquare;
      int other = 0;
      switch (next.code) {
        case Code::kAddAccLeft:
          fused = Code::kSquarePlus;
          other = next.right;
          break;
        case Code::kAddAccRight:
          fused = Code::kPlusSquare;
          other = next.left;
          break;
        case Code::kSubAccLeft:
          fused = Code::kSquareMinus;
          other = next.right;
          break;
        case Code::kSubAccRight:
          fused = Code::kMinusSquare;
          other = next.left;
          break;
        default:
          break;
      }
      if (fused != Code::kSquare) {
        step.code = fused;
        step.right = other;
        ++k;  // the fused step writes both registers
      }
    }
    steps_[kept++] = step;
  }
  steps_.resize(kept);
}

void Conclude(double result, int& status, std::string& errors, double& value) {
  if (std::fabs(result) >= kHuge) {
    AppendMessage(errors, msg::kOverflow);
    status = kStatusOverflow;
  }
  value = status != 0 ? -1 : result;
}

bool Plan::Run(double x, double y, double z, Random* rng, std::string& errors, Evaluation& result) {
  int status = 0;
  errors.clear();
  double* v = values_.data();
  v[0] = x;
  v[1] = y;
  v[2] = z;
  double* out = v + firstStep_;
  double acc = 0;  // the previous step's result (also in its register)
  for (const Step& step : steps_) {
    switch (step.code) {
      case Code::kAdd:
        acc = v[step.left] + v[step.right];
        break;
      case Code::kAddAccLeft:
        acc = acc + v[step.right];
        break;
      case Code::kAddAccRight:
        acc = v[step.left] + acc;
        break;
      case Code::kSub:
        acc = v[step.left] - v[step.right];
        break;
      case Code::kSubAccLeft:
        acc = acc - v[step.right];
        break;
      case Code::kSubAccRight:
        acc = v[step.left] - acc;
        break;
      case Code::kMul:
        acc = v[step.left] * v[step.right];
        break;
      case Code::kMulAccLeft:
        acc = acc * v[step.right];
        break;
      case Code::kMulAccRight:
        acc = v[step.left] * acc;
        break;
      case Code::kDiv:
        acc = Quotient(v[step.left], v[step.right], status, errors);
        break;
      case Code::kDivAccLeft:
        acc = Quotient(acc, v[step.right], status, errors);
        break;
      case Code::kDivAccRight:
        acc = Quotient(v[step.left], acc, status, errors);
        break;
      case Code::kAddZero:
        acc = v[step.left] + 0.0;
        break;
      case Code::kAddZeroAcc:
        acc = acc + 0.0;
        break;
      case Code::kSquare:
        acc = v[step.left] * v[step.left];
        break;
      case Code::kSquareAcc:
        acc = acc * acc;
        break;
      case Code::kCube:
        acc = Cube(v[step.left]);
        break;
      case Code::kCubeAcc:
        acc = Cube(acc);
        break;
      case Code::kPowEven:
        acc = std::pow(v[step.left], v[step.right]);
        break;
      case Code::kPowEvenAcc:
        acc = std::pow(acc, v[step.right]);
        break;
      case Code::kPowOdd:
        acc = OddPower(v[step.left], v[step.right]);
        break;
      case Code::kPowOddAcc:
        acc = OddPower(acc, v[step.right]);
        break;
      case Code::kApply:
        acc = ApplyOperator(v[step.left], step.op, step.opText, v[step.right], status, errors);
        break;
      case Code::kCall: {
        double value = 0;
        if (!RunCall(step, v, rng, status, errors, value)) return false;
        acc = value;
        break;
      }
      case Code::kCallPlus:
      case Code::kCallMinus: {
        const double* arg = v + step.left;
        // What ApplyOperator gives for the bracket's sign, signs of zero included.
        double signedFirst = step.code == Code::kCallPlus ? 0 + *arg : 0 - *arg;
        acc = CallBound(calls_[step.right], arg, signedFirst, rng, status, errors);
        break;
      }
      case Code::kKernelPlus:
      case Code::kKernelMinus: {
        const CallInfo& info = calls_[step.right];
        const double* arg = v + step.left;
        double signedFirst = step.code == Code::kKernelPlus ? 0 + *arg : 0 - *arg;
        const Kernel& kernel = info.bound.kernel;
        if (signedFirst >= kernel.low && signedFirst <= kernel.high) {
          acc = kernel.compute(signedFirst);
        } else {
          acc = CallBound(info, arg, signedFirst, rng, status, errors);
        }
        break;
      }
      case Code::kSquarePlus: {
        double square = v[step.left] * v[step.left];
        *out++ = square;
        acc = square + v[step.right];
        break;
      }
      case Code::kPlusSquare: {
        double square = v[step.left] * v[step.left];
        *out++ = square;
        acc = v[step.right] + square;
        break;
      }
      case Code::kSquareMinus: {
        double square = v[step.left] * v[step.left];
        *out++ = square;
        acc = square - v[step.right];
        break;
      }
      case Code::kMinusSquare: {
        double square = v[step.left] * v[step.left];
        *out++ = square;
        acc = v[step.right] - square;
        break;
      }
      case Code::kNote:
        AppendMessage(errors, notes_[step.right]);
        break;
      default:
#if defined(__GNUC__)
        // Steps only hold the codes above; saying so spares a range check per step (GCC, Clang).
        __builtin_unreachable();
#endif
        break;
    }
    *out++ = acc;
  }
  double last = resultInAccumulator_ ? acc : v[resultRegister_];
  Conclude(last + resultZero_, status, errors, result.value);
  result.status = status;
  result.fault = status == 0 && errors.empty() ? Fault::kNone : Fault::kValue;
  return true;
}

double Plan::CallBound(const CallInfo& info, const double* arg, double signedFirst, Random* rng,
                       int& status, std::string& errors) {
  FunctionCall call;
  call.code = info.function;
  call.signedFirst = signedFirst;
  call.args = arg;
  call.rng = rng;
  call.status = &status;
  call.errors = &errors;
  call.value = signedFirst;
  call.folds = info.folds;
  info.bound.compute(call);
  return call.value;
}

bool Plan::RunCall(const Step& step, const double* v, Random* rng, int& status, std::string& errors,
                   double& value) {
  const CallInfo& info = calls_[step.right];
  const int* args = callArgs_.data() + info.firstArg;
  double* a = scratch_.data();
  for (int k = 0; k < info.count; ++k) a[k] = v[args[k]];
  // The bracket's sign operator is nearly always "+" or "-" (sin(-x)); 0 + a and 0 - a are what
  // ApplyOperator gives for them, signs of zero included.
  double signedFirst = step.op == Op::kAdd ? 0 + a[0]
                       : step.op == Op::kSub
                           ? 0 - a[0]
                           : ApplyOperator(0, step.op, step.opText, a[0], status, errors);
  FunctionCall call;
  call.code = info.function;
  call.signedFirst = signedFirst;
  call.args = a;
  call.count = info.count;
  call.rng = rng;
  call.status = &status;
  call.errors = &errors;
  if (info.bound.compute != nullptr) {
    call.value = signedFirst;
    call.folds = info.folds;
    info.bound.compute(call);
  } else {
    CallFunction(call);
    if (call.unknown || std::clamp(call.folds, 0, info.count) != info.folds) return false;
  }
  value = call.value;
  return true;
}

}  // namespace orvo::detail
