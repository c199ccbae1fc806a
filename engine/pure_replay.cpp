// The replay of plans without messages, the path of nearly every evaluation a numerical tool
// makes. Each step's operation is written once, in Perform; an interpreter runs any pure plan,
// and the commonest short plans run as one straight piece of code each (ReplayShape).
#include <cmath>
#include <iterator>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/plan.h"

namespace orvo::detail {
namespace {

// sqrt() sets errno for a negative argument, so compilers follow the instruction with a call for
// that case, and a replay that may call must keep its registers safe across it. The arguments
// here are positive: the instruction alone gives the same correctly rounded root.
double PositiveRoot(double a) {
#if defined(__SSE2__)
  return _mm_cvtsd_f64(_mm_sqrt_sd(_mm_setzero_pd(), _mm_set_sd(a)));
#else
  return std::sqrt(a);
#endif
}

}  // namespace

template <Plan::Code kCode>
inline bool Plan::Perform(const PureStep& step, const Kernel* kernels, const double* v,
                          double*& out, double& acc) {
  using enum Code;
  // The first of the kernel's four codes (+v, -v, +acc, -acc), or kEnd for the other codes.
  constexpr Code kFirst = kCode >= kMagnitudePlus                            ? kMagnitudePlus
                          : kCode >= kRootPlus                               ? kRootPlus
                          : kCode >= kKernelPlus && kCode <= kKernelMinusAcc ? kKernelPlus
                                                                             : kEnd;
  if constexpr (kFirst != kEnd) {
    // The bracket's sign as ApplyOperator gives it (signs of zero included), then the range in
    // which the kernel is the whole call.
    constexpr int kForm = static_cast<int>(kCode) - static_cast<int>(kFirst);
    double arg = kForm == 0   ? 0 + v[step.left]
                 : kForm == 1 ? 0 - v[step.left]
                 : kForm == 2 ? 0 + acc
                              : 0 - acc;
    const Kernel& kernel = kernels[step.right];
    if (!(arg >= kernel.low && arg <= kernel.high)) return false;
    if constexpr (kFirst == kRootPlus) {
      acc = PositiveRoot(arg);
    } else if constexpr (kFirst == kMagnitudePlus) {
      acc = std::fabs(arg);
    } else {
      acc = kernel.compute(arg);
    }
  } else if constexpr (kCode == kAdd) {
    acc = v[step.left] + v[step.right];
  } else if constexpr (kCode == kAddAccLeft) {
    acc = acc + v[step.right];
  } else if constexpr (kCode == kAddAccRight) {
    acc = v[step.left] + acc;
  } else if constexpr (kCode == kSub) {
    acc = v[step.left] - v[step.right];
  } else if constexpr (kCode == kSubAccLeft) {
    acc = acc - v[step.right];
  } else if constexpr (kCode == kSubAccRight) {
    acc = v[step.left] - acc;
  } else if constexpr (kCode == kMul) {
    acc = v[step.left] * v[step.right];
  } else if constexpr (kCode == kMulAccLeft) {
    acc = acc * v[step.right];
  } else if constexpr (kCode == kMulAccRight) {
    acc = v[step.left] * acc;
  } else if constexpr (kCode == kDiv) {
    if (v[step.right] == 0) return false;  // the message of a division by zero
    acc = v[step.left] / v[step.right];
  } else if constexpr (kCode == kDivAccLeft) {
    if (v[step.right] == 0) return false;
    acc = acc / v[step.right];
  } else if constexpr (kCode == kDivAccRight) {
    if (acc == 0) return false;
    acc = v[step.left] / acc;
  } else if constexpr (kCode == kAddZero) {
    acc = v[step.left] + 0.0;
  } else if constexpr (kCode == kAddZeroAcc) {
    acc = acc + 0.0;
  } else if constexpr (kCode == kSquare) {
    acc = v[step.left] * v[step.left];
  } else if constexpr (kCode == kSquareAcc) {
    acc = acc * acc;
  } else if constexpr (kCode >= kSquarePlus && kCode <= kMinusSquare) {
    // The square keeps its own register, as the step it was fused from did.
    double square = v[step.left] * v[step.left];
    *out++ = square;
    acc = kCode == kSquarePlus    ? square + v[step.right]
          : kCode == kPlusSquare  ? v[step.right] + square
          : kCode == kSquareMinus ? square - v[step.right]
                                  : v[step.right] - square;
  } else if constexpr (kCode == kCube || kCode == kCubeAcc) {
    double base = kCode == kCube ? v[step.left] : acc;
    if (!CubeInRange(base)) return false;  // zeros and extremes take pow(), a call
    acc = RangedCube(base);
  } else if constexpr (kCode == kPowEven) {
    acc = std::pow(v[step.left], v[step.right]);
  } else if constexpr (kCode == kPowEvenAcc) {
    acc = std::pow(acc, v[step.right]);
  } else if constexpr (kCode == kPowOdd) {
    acc = OddPower(v[step.left], v[step.right]);
  } else if constexpr (kCode == kPowOddAcc) {
    acc = OddPower(acc, v[step.right]);
  } else {
    static_assert(kCode == kEnd, "no other code reaches a pure plan");
    return false;
  }
  *out++ = acc;
  return true;
}

bool Plan::ConcludePure(double acc, double& value) const {
  double result = (resultInAccumulator_ ? acc : values_[resultRegister_]) + resultZero_;
  if (std::fabs(result) >= kHuge) return false;  // the overflow message
  value = result;
  return true;
}

template <bool kCalls>
bool Plan::ReplayPure(Plan& plan, double x, double y, double z, double& value) {
  // Each step jumps straight to the next step's code (labels as values, in GCC and Clang): no
  // loop test, and one indirect jump per step whose target the processor learns from the step
  // before. Indexed by Code; without calls the call codes never occur, and leaving their
  // code out spares every plain plan the saving of registers that a call needs.
  static const void* const kLabels[] = {
      &&add,        &&addAccLeft,  &&addAccRight, &&sub,          &&subAccLeft,    &&subAccRight,
      &&mul,        &&mulAccLeft,  &&mulAccRight, &&div,          &&divAccLeft,    &&divAccRight,
      &&addZero,    &&addZeroAcc,  &&square,      &&squareAcc,    &&cube,          &&cubeAcc,
      &&powEven,    &&powEvenAcc,  &&powOdd,      &&powOddAcc,    &&impure,        &&impure,
      &&impure,     &&impure,      &&kernelPlus,  &&kernelMinus,  &&kernelPlusAcc, &&kernelMinusAcc,
      &&squarePlus, &&plusSquare,  &&squareMinus, &&minusSquare,  &&impure,        &&end,
      &&rootPlus,   &&rootMinus,   &&rootPlusAcc, &&rootMinusAcc, &&absPlus,       &&absMinus,
      &&absPlusAcc, &&absMinusAcc,
  };
  static_assert(std::size(kLabels) == static_cast<std::size_t>(Code::kMagnitudeMinusAcc) + 1);
  double* v = plan.SetVariables(x, y, z);
  double* out = v + plan.firstStep_;
  const Kernel* kernels = plan.kernels_.data();
  const PureStep* s = plan.pureSteps_.data();
  double acc = 0;

#define ORVO_STEP(label, kind)                          \
  label:                                                \
  if (!Perform<Code::kind>(*s, kernels, v, out, acc)) { \
    return false;                                       \
  }                                                     \
  ++s;                                                  \
  goto* kLabels[static_cast<int>(s->code)];
#define ORVO_CALL_STEP(label, kind)                       \
  label:                                                  \
  if constexpr (kCalls) {                                 \
    if (!Perform<Code::kind>(*s, kernels, v, out, acc)) { \
      return false;                                       \
    }                                                     \
    ++s;                                                  \
    goto* kLabels[static_cast<int>(s->code)];             \
  }                                                       \
  return false;

  goto* kLabels[static_cast<int>(s->code)];
  ORVO_STEP(add, kAdd)
  ORVO_STEP(addAccLeft, kAddAccLeft)
  ORVO_STEP(addAccRight, kAddAccRight)
  ORVO_STEP(sub, kSub)
  ORVO_STEP(subAccLeft, kSubAccLeft)
  ORVO_STEP(subAccRight, kSubAccRight)
  ORVO_STEP(mul, kMul)
  ORVO_STEP(mulAccLeft, kMulAccLeft)
  ORVO_STEP(mulAccRight, kMulAccRight)
  ORVO_STEP(div, kDiv)
  ORVO_STEP(divAccLeft, kDivAccLeft)
  ORVO_STEP(divAccRight, kDivAccRight)
  ORVO_STEP(addZero, kAddZero)
  ORVO_STEP(addZeroAcc, kAddZeroAcc)
  ORVO_STEP(square, kSquare)
  ORVO_STEP(squareAcc, kSquareAcc)
  ORVO_STEP(squarePlus, kSquarePlus)
  ORVO_STEP(plusSquare, kPlusSquare)
  ORVO_STEP(squareMinus, kSquareMinus)
  ORVO_STEP(minusSquare, kMinusSquare)
  ORVO_STEP(rootPlus, kRootPlus)
  ORVO_STEP(rootMinus, kRootMinus)
  ORVO_STEP(rootPlusAcc, kRootPlusAcc)
  ORVO_STEP(rootMinusAcc, kRootMinusAcc)
  ORVO_STEP(absPlus, kMagnitudePlus)
  ORVO_STEP(absMinus, kMagnitudeMinus)
  ORVO_STEP(absPlusAcc, kMagnitudePlusAcc)
  ORVO_STEP(absMinusAcc, kMagnitudeMinusAcc)
  ORVO_STEP(cube, kCube)
  ORVO_STEP(cubeAcc, kCubeAcc)
  ORVO_CALL_STEP(powEven, kPowEven)
  ORVO_CALL_STEP(powEvenAcc, kPowEvenAcc)
  ORVO_CALL_STEP(powOdd, kPowOdd)
  ORVO_CALL_STEP(powOddAcc, kPowOddAcc)
  ORVO_CALL_STEP(kernelPlus, kKernelPlus)
  ORVO_CALL_STEP(kernelMinus, kKernelMinus)
  ORVO_CALL_STEP(kernelPlusAcc, kKernelPlusAcc)
  ORVO_CALL_STEP(kernelMinusAcc, kKernelMinusAcc)
#undef ORVO_STEP
#undef ORVO_CALL_STEP
impure:  // calls and notes never reach a pure plan
  return false;
end:
  return plan.ConcludePure(acc, value);
}

template <Plan::Code... kCodes>
bool Plan::ReplayShape(Plan& plan, double x, double y, double z, double& value) {
  double* v = plan.SetVariables(x, y, z);
  double* out = v + plan.firstStep_;
  const Kernel* kernels = plan.kernels_.data();
  const PureStep* s = plan.pureSteps_.data();
  double acc = 0;
  if (!(Perform<kCodes>(*s++, kernels, v, out, acc) && ...)) return false;
  return plan.ConcludePure(acc, value);
}

void Plan::PreparePure() {
  pureRun_ = nullptr;
  pureSteps_.clear();
  kernels_.clear();
  bool calls = false;
  int written = firstStep_;  // the next register a step writes
  int previous = -1;         // the register that holds the accumulator
  for (const Step& step : steps_) {
    PureStep pure{step.code, step.left, step.right};
    bool fused = false;
    switch (step.code) {
      case Code::kSquarePlus:
      case Code::kPlusSquare:
      case Code::kSquareMinus:
      case Code::kMinusSquare:
        fused = true;
        break;
      case Code::kKernelPlus:
      case Code::kKernelMinus: {
        const Kernel& kernel = calls_[step.right].bound.kernel;
        int form = (step.code == Code::kKernelMinus ? 1 : 0) + (step.left == previous ? 2 : 0);
        Code first = kernel.form == KernelForm::kSquareRoot  ? Code::kRootPlus
                     : kernel.form == KernelForm::kMagnitude ? Code::kMagnitudePlus
                                                             : Code::kKernelPlus;
        pure.code = static_cast<Code>(static_cast<int>(first) + form);
        pure.right = static_cast<int>(kernels_.size());
        kernels_.push_back(kernel);
        calls = calls || kernel.form == KernelForm::kCall;
        break;
      }
      default:
        if (step.code >= Code::kApply) return;  // calls and notes need the whole replay
        calls = calls || step.code >= Code::kPowEven;
        break;
    }
    written += fused ? 2 : 1;
    previous = written - 1;
    pureSteps_.push_back(pure);
  }
  pureSteps_.push_back({});

  using enum Code;
  static constexpr Shape kShapes[] = {
      ShapeOf<kSquare>(),                                  // x^2
      ShapeOf<kCube>(),                                    // x^3
      ShapeOf<kAdd>(),                                     // x+1
      ShapeOf<kSub>(),                                     // x-1
      ShapeOf<kMul>(),                                     // 2*x
      ShapeOf<kDiv>(),                                     // 1/x
      ShapeOf<kRootPlus>(),                                // sqrt(x)
      ShapeOf<kKernelPlus>(),                              // sin(x)
      ShapeOf<kKernelMinus>(),                             // exp(-x)
      ShapeOf<kMul, kAddAccLeft>(),                        // 2*x+1
      ShapeOf<kMul, kSubAccLeft>(),                        // 2*x-1
      ShapeOf<kPlusSquare, kDivAccRight>(),                // 1/(1+x^2)
      ShapeOf<kSquarePlus, kDivAccRight>(),                // 1/(x^2+1)
      ShapeOf<kMinusSquare, kRootPlusAcc>(),               // sqrt(1-x^2)
      ShapeOf<kMinusSquare, kRootPlusAcc, kMulAccLeft>(),  // sqrt(1-x^2)*4
      ShapeOf<kSquare, kKernelMinusAcc>(),                 // exp(-x^2)
      ShapeOf<kMul, kKernelPlusAcc>(),                     // sin(2*x)
      ShapeOf<kKernelPlus, kDivAccLeft>(),                 // sin(x)/x
      ShapeOf<kKernelPlus, kMulAccRight>(),                // x*sin(x)
      ShapeOf<kKernelPlus, kKernelPlus, kMulAccRight>(),   // sin(x)*cos(x)
      ShapeOf<kKernelPlus, kKernelMinus, kMulAccRight>(),  // sin(x)*exp(-x)
  };
  std::size_t count = pureSteps_.size() - 1;
  for (const Shape& shape : kShapes) {
    if (shape.count == count &&
        std::equal(shape.codes, shape.codes + count, pureSteps_.begin(),
                   [](Code code, const PureStep& step) { return code == step.code; })) {
      pureRun_ = shape.run;
      return;
    }
  }
  pureRun_ = calls ? &ReplayPure<true> : &ReplayPure<false>;
}

}  // namespace orvo::detail
