// The grammar inside &u, lowest binding first:
//   sum      = product { ("+" | "-") product }
//   product  = signed { ("*" | "/") signed }
//   signed   = { "-" | "+" } juxtaposed
//   juxtaposed = power [ power ]      a number's power followed by a unit, a call or a bracket:
//                                     their product (2m^2 is 2*(m^2), 1/2m is 1/(2*m))
//   power    = primary [ "^" { "-" | "+" } power ]       right to left: 2^3^2 is 2^9
//   primary  = number | unit | function "(" [ sum { "," sum } ] ")" | "(" sum ")"
// A number's exponent wins over a unit: 1E3m is 1000 m, not 1 exametre.
#include <cctype>
#include <cmath>
#include <vector>

#include "base/message.h"
#include "base/number_text.h"
#include "base/text.h"
#include "functions/functions.h"
#include "units/detail/messages.h"
#include "units/detail/quantity.h"
#include "units/detail/unit_table.h"

namespace orvo::detail {
namespace {

// Brackets and powers nest at most this deep, so no input can exhaust the stack.
constexpr int kMaxDepth = 100;
// An exponent of a unit is taken as the nearest p/q with q up to this, within kFractionTolerance.
constexpr int kMaxDenominator = 12;
constexpr double kFractionTolerance = 1e-12;

// The functions that work on any quantity: the power they raise its dimension to.
struct DimensionedFunction {
  std::string_view name;
  Rational power;
};
constexpr DimensionedFunction kDimensioned[] = {
    {"sqrt", {1, 2}},
    {"curt", {1, 3}},
    {"abs", {1, 1}},
    {"fabs", {1, 1}},
};

bool IsNameStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}

bool IsNameChar(char c) {
  return IsNameStart(c) || std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::optional<Rational> NearFraction(double value) {
  for (int den = 1; den <= kMaxDenominator; ++den) {
    double num = std::round(value * den);
    if (std::fabs(num) > static_cast<double>(kMaxExponentPart)) return std::nullopt;
    if (std::fabs(num / den - value) <= kFractionTolerance) {
      return MakeRational(static_cast<long long>(num), den);
    }
  }
  return std::nullopt;
}

class Parser {
 public:
  Parser(std::string_view text, Random& rng) : text_(text), rng_(rng) {}

  Evaluation Run() {
    Evaluation result;
    std::optional<Quantity> value = Sum();
    if (value && at_ < text_.size()) value = Fail(Fill(msg::kUnitsCannotRead, {Rest()}));
    if (value && !std::isfinite(value->value)) value = Fail(std::string(msg::kUnitsOverflow));
    result.quantity = value;
    result.error = error_;
    result.sawUnit = sawUnit_;
    return result;
  }

 private:
  using Result = std::optional<Quantity>;

  Result Fail(std::string message) {
    if (error_.empty()) error_ = std::move(message);
    return std::nullopt;
  }

  std::string Rest() const { return CapEcho(text_.substr(at_)); }
  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  bool Take(char c) {
    if (Peek() != c) return false;
    ++at_;
    return true;
  }

  Result Sum() {
    Result left = Product();
    while (left && (Peek() == '+' || Peek() == '-')) {
      int sign = text_[at_++] == '+' ? 1 : -1;
      Result right = Product();
      if (!right) return right;
      if (left->dimension != right->dimension) {
        return Fail(
            Fill(msg::kUnitsCannotAdd, {UnitText(left->dimension), UnitText(right->dimension),
                                        KindText(left->dimension), KindText(right->dimension)}));
      }
      left->value += sign * right->value;
    }
    return left;
  }

  Result Product() {
    Result left = Signed();
    while (left && (Peek() == '*' || Peek() == '/')) {
      int sign = text_[at_++] == '*' ? 1 : -1;
      Result right = Signed();
      if (!right) return right;
      left = Multiply(*left, *right, sign);
    }
    return left;
  }

  Result Multiply(const Quantity& left, const Quantity& right, int sign) {
    std::optional<Dimension> dimension = Combine(left.dimension, right.dimension, sign);
    if (!dimension) return Fail(std::string(msg::kUnitsExponentRange));
    if (sign < 0 && right.value == 0) return Fail(std::string(msg::kUnitsDividedByZero));
    return Quantity{sign > 0 ? left.value * right.value : left.value / right.value, *dimension};
  }

  Result Signed() {
    bool negative = false;
    for (; Peek() == '-' || Peek() == '+'; ++at_) negative ^= Peek() == '-';
    return Juxtaposed(negative);
  }

  Result Juxtaposed(bool negative) {
    bool number = IsDigit(Peek()) || Peek() == '.';
    if (number) {
      std::optional<Quantity> point = TemperaturePoint(negative);
      if (point || !error_.empty()) return point;
    }
    Result left = Power();
    if (left && number && (IsNameStart(Peek()) || Peek() == '(')) {
      Result right = Power();
      if (!right) return right;
      left = Multiply(*left, *right, 1);
    }
    if (left && negative) left->value = -left->value;
    return left;
  }

  // A number followed by degC or degF (and no power) is a point on that scale: 25degC is
  // 298.15 K. Nothing, with no error, when the text at this point is something else.
  std::optional<Quantity> TemperaturePoint(bool negative) {
    std::size_t start = at_;
    std::size_t end = NumberEnd(at_);
    if (end == start + 1 && text_[start] == '.') return std::nullopt;
    std::size_t nameEnd = end;
    while (nameEnd < text_.size() && IsNameChar(text_[nameEnd])) ++nameEnd;
    if (nameEnd == end ||
        (nameEnd < text_.size() && (text_[nameEnd] == '^' || text_[nameEnd] == '('))) {
      return std::nullopt;
    }
    std::optional<FoundUnit> unit = FindUnit(text_.substr(end, nameEnd - end));
    if (!unit || unit->row->offset == 0) return std::nullopt;
    double number = ParseDouble(text_.substr(start, end - start));
    if (negative) number = -number;
    at_ = nameEnd;
    sawUnit_ = true;
    return Quantity{(number + unit->row->offset) * unit->row->factor, unit->row->dimension};
  }

  // End of the number at `i`: digits with at most one point, and an exponent when digits follow
  // its "e".
  std::size_t NumberEnd(std::size_t i) const {
    bool point = false;
    for (; i < text_.size() && (IsDigit(text_[i]) || (text_[i] == '.' && !point)); ++i) {
      point = point || text_[i] == '.';
    }
    if (i < text_.size() && (text_[i] == 'e' || text_[i] == 'E')) {
      std::size_t digits = i + 1;
      if (digits < text_.size() && (text_[digits] == '+' || text_[digits] == '-')) ++digits;
      if (digits < text_.size() && IsDigit(text_[digits])) {
        i = digits;
        while (i < text_.size() && IsDigit(text_[i])) ++i;
      }
    }
    return i;
  }

  Result Power() {
    if (++depth_ > kMaxDepth) return Fail(std::string(msg::kUnitsTooDeep));
    Result base = Primary();
    if (base && Take('^')) {
      bool negative = false;
      for (; Peek() == '-' || Peek() == '+'; ++at_) negative ^= Peek() == '-';
      Result exponent = Power();
      if (!exponent) return exponent;
      if (negative) exponent->value = -exponent->value;
      base = Raise(*base, *exponent);
    }
    --depth_;
    return base;
  }

  Result Raise(const Quantity& base, const Quantity& exponent) {
    if (!exponent.dimension.IsNone()) {
      return Fail(Fill(msg::kUnitsExponentUnit,
                       {UnitText(exponent.dimension), KindText(exponent.dimension)}));
    }
    Dimension dimension;
    if (!base.dimension.IsNone()) {
      if (std::fabs(exponent.value) > static_cast<double>(kMaxExponentPart)) {
        return Fail(std::string(msg::kUnitsExponentRange));
      }
      std::optional<Rational> power = NearFraction(exponent.value);
      if (!power) {
        return Fail(Fill(msg::kUnitsExponentFraction,
                         {UnitText(base.dimension), FormatG(exponent.value, 16)}));
      }
      std::optional<Dimension> raised = detail::Raise(base.dimension, *power);
      if (!raised) return Fail(std::string(msg::kUnitsExponentRange));
      dimension = *raised;
    }
    int status = 0;
    std::string errors;
    double value = orvo::Power(base.value, exponent.value, status, errors);
    if (status != 0 || !errors.empty()) return Fail(FirstLine(errors));
    return Quantity{value, dimension};
  }

  Result Primary() {
    char c = Peek();
    if (c == '\0') return Fail(std::string(msg::kUnitsEndsEarly));
    if (IsDigit(c) || c == '.') {
      std::size_t end = NumberEnd(at_);
      if (end == at_ + 1 && c == '.') return Fail(Fill(msg::kUnitsCannotRead, {Rest()}));
      double value = ParseDouble(text_.substr(at_, end - at_));
      at_ = end;
      return Quantity{value, kDimensionless};
    }
    if (Take('(')) {
      Result inner = Sum();
      if (inner && !Take(')')) return Fail(std::string(msg::kUnitsBracket));
      return inner;
    }
    if (!IsNameStart(c)) return Fail(Fill(msg::kUnitsCannotRead, {Rest()}));
    std::size_t start = at_;
    while (at_ < text_.size() && IsNameChar(text_[at_])) ++at_;
    std::string_view name = text_.substr(start, at_ - start);
    if (Take('(')) return Call(name);
    std::optional<FoundUnit> unit = FindUnit(name);
    if (!unit) return Fail(Fill(msg::kUnitsUnknownUnit, {CapEcho(name)}));
    sawUnit_ = true;
    return Quantity{unit->prefix * unit->row->factor, unit->row->dimension};
  }

  // A function of the library; the bracket is taken already.
  Result Call(std::string_view name) {
    int code = FunctionCodeOf(name);
    if (code < 0) return Fail(Fill(msg::kUnitsUnknownFunction, {CapEcho(name)}));
    std::vector<Quantity> args;
    if (!Take(')')) {
      do {
        Result arg = Sum();
        if (!arg) return arg;
        args.push_back(*arg);
      } while (Take(','));
      if (!Take(')')) return Fail(std::string(msg::kUnitsBracket));
    }
    if (args.empty()) args.push_back(Quantity{});  // empty brackets hold 0, as in expressions

    Dimension dimension;
    const DimensionedFunction* dimensioned = nullptr;
    for (const DimensionedFunction& f : kDimensioned) {
      if (f.name == name) dimensioned = &f;
    }
    for (const Quantity& arg : args) {
      if (arg.dimension.IsNone()) continue;
      if (dimensioned == nullptr || args.size() != 1) {
        return Fail(
            Fill(msg::kUnitsNeedsNumber, {name, UnitText(arg.dimension), KindText(arg.dimension)}));
      }
      std::optional<Dimension> raised = detail::Raise(arg.dimension, dimensioned->power);
      if (!raised) return Fail(std::string(msg::kUnitsExponentRange));
      dimension = *raised;
    }

    std::vector<double> values;
    for (const Quantity& arg : args) values.push_back(arg.value);
    int status = 0;
    std::string errors;
    FunctionCall call;
    call.code = code;
    call.signedFirst = values[0];
    call.args = values.data();
    call.count = static_cast<int>(values.size());
    call.rng = &rng_;
    call.status = &status;
    call.errors = &errors;
    CallFunction(call);
    if (status != 0 || !errors.empty()) {
      return Fail(errors.empty() ? Fill(msg::kUnitsArguments, {name}) : FirstLine(errors));
    }
    if (call.folds != call.count) return Fail(Fill(msg::kUnitsArguments, {name}));
    return Quantity{call.value, dimension};
  }

  static std::string FirstLine(std::string_view text) {
    return std::string(text.substr(0, text.find(kNewLine)));
  }

  std::string_view text_;
  Random& rng_;
  std::size_t at_ = 0;
  int depth_ = 0;
  bool sawUnit_ = false;
  std::string error_;
};

}  // namespace

Evaluation EvaluateQuantity(std::string_view text, Random& rng) {
  return Parser(text, rng).Run();
}

}  // namespace orvo::detail
