#include "base/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace orvo {
namespace {

bool IsCSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view SkipSpaces(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  return text.substr(i);
}

// The power of ten of the first significant digit of a decimal number without a sign: 2 for
// "123.4", -3 for "0.0012", 5 for "1e5". Only called for numbers beyond the double range, which
// always have a significant digit.
long long DecimalOrder(std::string_view number) {
  std::size_t e = number.find_first_of("eE");
  std::string_view mantissa = number.substr(0, e);
  // A saturated exponent is still far beyond the double range.
  long long exponent = e == std::string_view::npos ? 0 : ParseInt(number.substr(e + 1));
  std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  std::size_t first = std::min(mantissa.find_first_of("123456789"), mantissa.size());
  long long order = first < point ? static_cast<long long>(point - first) - 1
                                  : -static_cast<long long>(first - point);
  return order + exponent;
}

}  // namespace

std::string FormatGDigits(double value, int digits) {
  // A double's exact decimal expansion has at most 767 significant digits, and %g drops trailing
  // zeros, so no precision needs more than this (4.9e-324 at 800 digits takes 757 characters).
  char buffer[1024];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                 digits < 1 ? 1 : digits);
  if (ec != std::errc()) return "nan";  // cannot happen, see above
  return std::string(buffer, end);
}

namespace {

// The shortest decimal that reads back as `value`, laid out as %.16g lays out its digits
// (exponent form below 1e-4 and from 1e16 on); "" when that takes 16 digits or more.
std::string ShortestAsG16(double value) {
  char buffer[32];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  if (ec != std::errc()) return {};
  std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  std::size_t e = text.find('e');
  std::string sign(text[0] == '-' ? "-" : "");
  std::string digits;
  for (char c : text.substr(0, e)) {
    if (c >= '0' && c <= '9') digits += c;
  }
  if (digits.size() >= 16) return {};
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                  exponent);
  if (exponent < -4 || exponent >= 16) {
    std::string out = sign + digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    std::string power = std::to_string(exponent < 0 ? -exponent : exponent);
    return out + (exponent < 0 ? "e-" : "e+") + (power.size() < 2 ? "0" : "") + power;
  }
  if (exponent < 0) return sign + "0." + std::string(-exponent - 1, '0') + digits;
  std::size_t whole = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= whole) return sign + digits + std::string(whole - digits.size(), '0');
  return sign + digits.substr(0, whole) + "." + digits.substr(whole);
}

}  // namespace

std::string FormatG(double value, int precision) {
  if (precision < 1 || precision > 16) precision = 6;
  // Sixteen digits go beyond what a double holds for every number: the sixteenth digit of
  // the exact binary value would show the representation, as -9.999999999999999e-21 for the
  // double nearest -1e-20. Where a shorter decimal reads back as the same double, that is the
  // number meant. Up to fifteen digits, the rounding already gives it.
  if (precision == 16 && std::isfinite(value) && value != 0) {
    std::string shortest = ShortestAsG16(value);
    if (!shortest.empty()) return shortest;
  }
  return FormatGDigits(value, precision);
}

std::string FormatInt(long long value) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  (void)ec;
  return std::string(buffer, end);
}

double ParseDouble(std::string_view text) {
  text = SkipSpaces(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  // from_chars would accept a second sign; atof does not.
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) return 0.0;
  double value = 0.0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::invalid_argument) return 0.0;
  if (ec == std::errc::result_out_of_range) {
    // atof gives HUGE_VAL on overflow and 0 on underflow. The exponent's sign alone does not
    // tell them apart: 0.000...1 has none, and 1000...0e-5 overflows.
    std::string_view used(text.data(), static_cast<std::size_t>(end - text.data()));
    value = DecimalOrder(used) < 0 ? 0.0 : HUGE_VAL;
  }
  return negative ? -value : value;
}

std::int32_t ParseInt(std::string_view text) {
  text = SkipSpaces(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > 2147483648LL) {
      value = 2147483648LL;  // saturate; every further digit keeps it there
    }
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max())
    value = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

std::int32_t TruncToInt32(double value) {
  if (!(value > -2147483649.0 && value < 2147483648.0)) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace orvo
