#include <cmath>
#include <cstdint>

#include "base/number_text.h"
#include "base/text.h"
#include "functions/detail/messages.h"
#include "functions/functions.h"

namespace orvo {
namespace {

double Fail(int code, std::string_view message, int& status, std::string& errors) {
  AppendMessage(errors, message);
  status = code;
  return -1;
}

// x#y: the real remainder, with the language's own rules for a zero or larger divisor.
double RealRemainder(double left, double right) {
  if (right == 0) return left * 0.001;
  if (std::fabs(right) > std::fabs(left)) return left;
  if (std::fabs(right) == std::fabs(left)) return 0;
  return std::fmod(left, right);
}

// n%k with k != 0: the integer remainder.
double IntegerRemainder(double left, double right) {
  double k = std::trunc(right);
  if (std::fabs(k) > std::fabs(left)) return left;
  if (std::fabs(k) == std::fabs(left)) return 0;
  double r = std::round(std::fmod(std::trunc(left), k));  // half away from zero
  return std::fabs(r) == k ? 0 : r;
}

std::int32_t ShiftCount(double right) {
  return TruncToInt32(right) & 31;
}

// fmod(v, 2) for the parity tests of the power, without the library call: v / 2 and its
// truncation are exact, so the difference is too (and not-a-number for infinities, like fmod).
double ModTwo(double v) {
  return v - 2 * std::trunc(v / 2);
}

// An even root: of a negative number an error, unless the number is a rounding error's size.
double EvenRoot(double left, double right, int& status, std::string& errors) {
  if (left < -1e-6) return Fail(kStatusRootOfNegative, msg::kRootOfNegative, status, errors);
  if (left < 0) return 0;
  // The correctly rounded square root (sqrt keeps the sign of -0, the power does not).
  if (right == 0.5) return left == 0 ? 0.0 : std::sqrt(left);
  return std::pow(left, right);
}

}  // namespace

double Power(double left, double right, int& status, std::string& errors) {
  if (right == 0) return 1;
  // The correctly rounded square, which pow() only approximates; also the commonest power.
  if (right == 2) return left * left;
  // sqrt() comes here too: 1 / 0.5 is even, so skip working that out.
  if (right == 0.5) return EvenRoot(left, right, status, errors);
  if (std::fabs(right) < 1) {
    double k = std::trunc(1 / right);
    if (ModTwo(k) != 0) return left < 0 ? -std::pow(-left, right) : std::pow(left, right);
    return EvenRoot(left, right, status, errors);
  }
  // |right| >= 1 (and not-a-number, which pow passes on).
  if (right == 3) return Cube(left);
  if (ModTwo(right) == 0) return std::pow(left, right);
  return left < 0 ? -std::pow(-left, right) : std::pow(left, right);
}

double ApplyOperator(double left, Op op, std::string_view opText, double right, int& status,
                     std::string& errors) {
  switch (op) {
    case Op::kAdd:
      return left + right;
    case Op::kSub:
      return left - right;
    case Op::kMul:
      return left * right;
    case Op::kDiv:
      if (right == 0) return Fail(kStatusDivideByZero, msg::kDividedByZero, status, errors);
      return left / right;
    case Op::kIntDiv: {
      double divisor = std::trunc(right);
      if (divisor == 0) {
        return Fail(kStatusDivideByZero, msg::kIntegerQuotientByZero, status, errors);
      }
      return std::trunc(std::trunc(left) / divisor);
    }
    case Op::kRealRem:
      return RealRemainder(left, right);
    case Op::kPercent:
      return right == 0 ? left * 0.01 : IntegerRemainder(left, right);
    case Op::kFactorial:
      return Factorial(left, errors);
    case Op::kPower:
      return Power(left, right, status, errors);
    case Op::kLess:
      return left < right ? 1 : 0;
    case Op::kGreater:
      return left > right ? 1 : 0;
    case Op::kEqual:
      return left == right ? 1 : 0;
    case Op::kLessEqual:
      return left <= right ? 1 : 0;
    case Op::kGreaterEqual:
      return left >= right ? 1 : 0;
    case Op::kNotEqual:
      return left != right ? 1 : 0;
    case Op::kAnd:
      return left != 0 && right != 0 ? 1 : 0;
    case Op::kOr:
      return left != 0 || right != 0 ? 1 : 0;
    case Op::kBitAnd:
      return TruncToInt32(left) & TruncToInt32(right);
    case Op::kBitOr:
      return TruncToInt32(left) | TruncToInt32(right);
    case Op::kBitXor:
      return TruncToInt32(left) ^ TruncToInt32(right);
    case Op::kShiftRight:
      return TruncToInt32(left) >> ShiftCount(right);
    case Op::kShiftLeft:
      return static_cast<std::int32_t>(static_cast<std::uint32_t>(TruncToInt32(left))
                                       << ShiftCount(right));
    case Op::kNone:
    case Op::kComma:
    case Op::kUnknown:
      break;
  }
  AppendMessage(errors, std::string(msg::kUnknownOperator) + std::string(opText));
  status = kStatusUnknown;
  return left;
}

}  // namespace orvo
