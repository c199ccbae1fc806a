// Description of a sample: extremes, median, moments, a t confidence interval of the mean and
// Grubbs' test for outliers.
#include <array>
#include <cmath>

#include "base/number_text.h"
#include "base/text.h"
#include "numeric/detail/common.h"
#include "numeric/detail/messages.h"
#include "numeric/numeric.h"

namespace orvo {
namespace {

constexpr double kDefaultLevel = 0.05;

// Grubbs critical values for one outlier, one-sided significance 0.05, n = 3..50 (the classic
// table, as in ASTM E178).
constexpr std::array<double, 48> kGrubbs05 = {
    1.153, 1.463, 1.672, 1.822, 1.938, 2.032, 2.11,  2.176,  // n = 3..10
    2.234, 2.285, 2.331, 2.371, 2.409, 2.443, 2.475, 2.504,  // n = 11..18
    2.532, 2.557, 2.58,  2.603, 2.624, 2.644, 2.663, 2.681,  // n = 19..26
    2.698, 2.714, 2.73,  2.745, 2.759, 2.773, 2.786, 2.799,  // n = 27..34
    2.811, 2.823, 2.835, 2.846, 2.857, 2.866, 2.877, 2.887,  // n = 35..42
    2.896, 2.905, 2.914, 2.923, 2.931, 2.94,  2.948, 2.956,  // n = 43..50
};
constexpr int kGrubbsFirstN = 3;

// Ascending Shell sort (gaps n/2, n/4, ..., 1). A value moves left only past strictly larger
// ones, so it terminates and stays defined with not-a-number values in the sample.
void ShellSort(std::span<double> values) {
  const std::size_t n = values.size();
  for (std::size_t gap = n / 2; gap > 0; gap /= 2) {
    for (std::size_t i = gap; i < n; ++i) {
      double moving = values[i];
      std::size_t j = i;
      for (; j >= gap && moving < values[j - gap]; j -= gap) values[j] = values[j - gap];
      values[j] = moving;
    }
  }
}

bool Outlying(double x, double mean, double deviation, double critical) {
  // With a deviation of 0 the ratio is not a number and nothing is an outlier.
  return std::fabs(x - mean) / deviation > critical;
}

}  // namespace

double GrubbsCritical(int n) {
  if (n <= 2) return 1.0;
  if (n - kGrubbsFirstN >= static_cast<int>(kGrubbs05.size())) return kGrubbs05.back();
  return kGrubbs05[n - kGrubbsFirstN];
}

std::string Moments(double t, std::span<const double> values, int precision, double& mean,
                    double& deviation) {
  const double n = static_cast<double>(values.size());
  double sum = 0;
  for (double x : values) sum += x;
  mean = sum / n;
  double squares = 0;
  double absolute = 0;
  for (double x : values) {
    squares += (x - mean) * (x - mean);
    absolute += std::fabs(x - mean);
  }
  deviation = std::sqrt(squares / (n - 1));
  double halfWidth = deviation * t / std::sqrt(n);
  return "Mean: " + FormatG(mean, precision) + "\r\nSum: " + FormatG(sum, precision) +
         "\r\nStandard deviation: " + FormatG(deviation, precision) +
         "\r\nAverage deviation: " + FormatG(absolute / n, precision) +
         "\r\nConf. interval (t dist.): " + FormatG(mean, precision) + " +- " +
         FormatG(halfWidth, precision);
}

std::string OrderAndOutliers(double a, std::span<double> values, double mean, double deviation,
                             int precision) {
  ShellSort(values);
  const std::size_t n = values.size();
  double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  std::string text = "Max: " + FormatG(values[n - 1], precision) +
                     "\r\nMin: " + FormatG(values[0], precision) +
                     "\r\nMedian: " + FormatG(median, precision) + "\r\n|";
  if (a != kDefaultLevel) return text;  // the table holds the 0.05 level only

  double critical = GrubbsCritical(static_cast<int>(n));
  std::string recorded;
  // From the smallest value up (over at most n - 2 of them), then from the largest down; each
  // side stops at its first value that passes the test.
  std::size_t low = 0;
  while (low + 2 < n && Outlying(values[low], mean, deviation, critical)) {
    recorded += FormatG(values[low++], precision) + " ";
  }
  for (std::size_t high = n; high > low && Outlying(values[high - 1], mean, deviation, critical);
       --high) {
    recorded += FormatG(values[high - 1], precision) + " ";
  }
  text += recorded.empty() ? std::string(msg::kStatisticsNoOutliers)
                           : std::string(msg::kStatisticsOutliers) + recorded;
  return text;
}

std::string StatisticsCommand(const CommandEnv& env, std::string_view text) {
  std::string withLevel;
  if (text.find('|') == std::string_view::npos) {
    withLevel = "0.05|" + std::string(text);
    text = withLevel;
  }
  std::size_t bar = text.find('|');
  std::string_view levelText = text.substr(0, bar);
  std::string_view valuesText = detail::StripClosingBracket(text.substr(bar + 1));

  Evaluator evaluator(env.rng);  // the level and the values are read with the default variables
  std::string errors;
  double a = -1;
  if (!detail::EvaluateArgument(evaluator, levelText, a, errors)) a = -1;
  if (!(a > 0 && a < 1)) a = kDefaultLevel;

  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    std::size_t at = valuesText.find(';', from);
    parts.push_back(valuesText.substr(from, at == std::string_view::npos ? at : at - from));
    if (at == std::string_view::npos) break;
    from = at + 1;
  }
  std::vector<double> values(parts.size());
  if (parts.size() < 2) {
    AppendMessage(errors, msg::kStatisticsTooFew);
  } else {
    for (std::size_t i = 0; i < parts.size(); ++i) {
      detail::EvaluateArgument(evaluator, parts[i], values[i], errors);
    }
  }
  if (!errors.empty()) return detail::ErrorAnswer(errors);

  // The two-sided t quantile comes from the function library's inverse t distribution.
  const int freedom = static_cast<int>(values.size()) - 1;
  std::string quantile = "invt(" + FormatGDigits(a, 6) + "," + FormatInt(freedom) + ")";
  Evaluator tEvaluator(env.rng);
  double t = 0;
  if (!detail::EvaluateArgument(tEvaluator, quantile, t, errors)) {
    return detail::ErrorAnswer(errors);
  }

  double mean = 0;
  double deviation = 0;
  std::string moments = Moments(t, values, env.precision, mean, deviation);
  std::string order = OrderAndOutliers(a, values, mean, deviation, env.precision);
  std::size_t split = order.find('|');
  std::string answer = "\r\nConfidence level: " + FormatGDigits(100 - 100 * a, 6) + " %\r\n";
  answer += order.substr(0, split);
  answer += moments;
  answer += kNewLine;
  answer += order.substr(split + 1);
  while (!answer.empty() && (answer.back() == '\r' || answer.back() == '\n')) answer.pop_back();
  return answer + std::string(kPromptEnding);
}

}  // namespace orvo
