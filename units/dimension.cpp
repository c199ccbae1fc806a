#include "units/detail/dimension.h"

#include <cstdlib>

namespace orvo::detail {
namespace {

struct BaseSymbol {
  BaseQuantity quantity;
  std::string_view symbol;
};
constexpr BaseSymbol kBaseOrder[] = {
    {kMass, "kg"},       {kLength, "m"},   {kTime, "s"},      {kCurrent, "A"},
    {kTemperature, "K"}, {kAmount, "mol"}, {kLuminous, "cd"},
};

// "m", "s^2", "m^(1/2)": the magnitude of the exponent, or with its sign ("s^-1").
std::string FactorText(const Factor& factor, bool keepSign) {
  std::string text(factor.symbol);
  int num = keepSign ? factor.exponent.num : std::abs(factor.exponent.num);
  if (factor.exponent.den != 1) {
    text += "^(" + std::to_string(num) + "/" + std::to_string(factor.exponent.den) + ")";
  } else if (num != 1) {
    text += "^" + std::to_string(num);
  }
  return text;
}

std::string Join(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : "*") + part;
  return text;
}

}  // namespace

std::optional<Dimension> Combine(const Dimension& a, const Dimension& b, int sign) {
  Dimension result;
  for (int i = 0; i < kBaseCount; ++i) {
    Rational term{b.exponents[i].num * sign, b.exponents[i].den};
    std::optional<Rational> sum = Add(a.exponents[i], term);
    if (!sum) return std::nullopt;
    result.exponents[i] = *sum;
  }
  return result;
}

std::optional<Dimension> Raise(const Dimension& a, Rational power) {
  Dimension result;
  for (int i = 0; i < kBaseCount; ++i) {
    std::optional<Rational> product = Multiply(a.exponents[i], power);
    if (!product) return std::nullopt;
    result.exponents[i] = *product;
  }
  return result;
}

void AppendBaseFactors(const Dimension& dimension, std::vector<Factor>& factors) {
  for (const BaseSymbol& base : kBaseOrder) {
    Rational exponent = dimension.exponents[base.quantity];
    if (exponent.num != 0) factors.push_back({base.symbol, exponent});
  }
}

std::string JoinFactors(const std::vector<Factor>& factors) {
  std::vector<std::string> above;
  std::vector<std::string> below;
  for (const Factor& factor : factors) {
    if (factor.exponent.num > 0) above.push_back(FactorText(factor, false));
    if (factor.exponent.num < 0) below.push_back(FactorText(factor, false));
  }
  if (above.empty()) {
    std::vector<std::string> signed_;
    for (const Factor& factor : factors) {
      if (factor.exponent.num < 0) signed_.push_back(FactorText(factor, true));
    }
    return Join(signed_);
  }
  std::string text = Join(above);
  if (below.size() == 1) text += "/" + below[0];
  if (below.size() > 1) text += "/(" + Join(below) + ")";
  return text;
}

}  // namespace orvo::detail
