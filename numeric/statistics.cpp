// Description of a sample: extremes, median, moments, a t confidence interval of the mean and
// Grubbs' test for outliers.
#include <array>
#include <cmath>

#include <boost/math/distributions/students_t.hpp>

#include "base/message.h"
#include "base/number_text.h"
#include "base/shell_sort.h"
#include "base/text.h"
#include "functions/functions.h"
#include "functions/quiet_policy.h"
#include "numeric/common.h"
#include "numeric/detail/messages.h"
#include "numeric/numeric.h"

namespace orvo {
namespace {

constexpr double kDefaultLevel = 0.05;
// The two-sided t quantile at a level, for a count of degrees of freedom.
constexpr std::string_view kQuantileCall = "invt(%s,%d)";

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
constexpr double kGrubbsLevel = 0.05;

// The formula behind the table: G = (n-1)/sqrt(n) sqrt(t^2 / (n-2+t^2)), t the upper 0.05/n
// quantile of Student's t with n-2 degrees of freedom.
double GrubbsFormula(int n) {
  boost::math::students_t_distribution<double, QuietPolicy> student(n - 2);
  double t = boost::math::quantile(boost::math::complement(student, kGrubbsLevel / n));
  return (n - 1) / std::sqrt(static_cast<double>(n)) * std::sqrt(t * t / (n - 2 + t * t));
}

bool Outlying(double x, double mean, double deviation, double critical) {
  // With a deviation of 0 the ratio is not a number and nothing is an outlier.
  return std::fabs(x - mean) / deviation > critical;
}

}  // namespace

double GrubbsCritical(int n) {
  if (n <= 2) return 1.0;
  if (n - kGrubbsFirstN >= static_cast<int>(kGrubbs05.size())) return GrubbsFormula(n);
  return kGrubbs05[n - kGrubbsFirstN];
}

std::string Moments(double t, std::span<const double> values, int precision, double& mean,
                    double& deviation, std::vector<AnswerValue>& shown) {
  const double n = static_cast<double>(values.size());
  // The same moments as the list functions mean(), stdev() and avedev() give.
  SampleMoments moments(values[0], values.subspan(1));
  mean = moments.mean();
  deviation = moments.Deviation(n - 1);
  double halfWidth = deviation * t / std::sqrt(n);
  std::string shownMean = FormatG(mean, precision);
  std::string shownHalfWidth = FormatG(halfWidth, precision);
  const double sum = moments.sum();
  const double average = moments.AverageDeviation();
  shown.push_back({"Mean", shownMean, mean, true});
  shown.push_back({"Sum", FormatG(sum, precision), sum, false});
  shown.push_back({"Standard deviation", FormatG(deviation, precision), deviation, false});
  shown.push_back({"Average deviation", FormatG(average, precision), average, false});
  shown.push_back(
      {"Conf. interval (t dist.)", shownMean + " +- " + shownHalfWidth, halfWidth, false});
  return Fill(msg::kStatisticsMoments,
              {shownMean, shown[1].text, shown[2].text, shown[3].text, shownMean, shownHalfWidth});
}

std::string OrderAndOutliers(double a, std::span<double> values, double mean, double deviation,
                             int precision, std::vector<AnswerValue>& shown) {
  ShellSort(values, [](double a, double b) { return a < b; });
  const std::size_t n = values.size();
  double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  shown.push_back({"Max", FormatG(values[n - 1], precision), values[n - 1], false});
  shown.push_back({"Min", FormatG(values[0], precision), values[0], false});
  shown.push_back({"Median", FormatG(median, precision), median, false});
  std::string text = Fill(msg::kStatisticsOrder, {shown[0].text, shown[1].text, shown[2].text});
  if (a != kGrubbsLevel) return text;  // the critical values are those of the 0.05 level

  double critical = GrubbsCritical(static_cast<int>(n));
  std::string recorded;
  // From the smallest value up (over at most n - 2 of them), then from the largest down; each
  // side stops at its first value that passes the test.
  std::size_t low = 0;
  while (low + 2 < n && Outlying(values[low], mean, deviation, critical)) {
    recorded += Fill(msg::kStatisticsOutlier, {FormatG(values[low++], precision)});
  }
  for (std::size_t high = n; high > low && Outlying(values[high - 1], mean, deviation, critical);
       --high) {
    recorded += Fill(msg::kStatisticsOutlier, {FormatG(values[high - 1], precision)});
  }
  text += recorded.empty() ? std::string(msg::kStatisticsNoOutliers)
                           : std::string(msg::kStatisticsOutliers) + recorded;
  return text;
}

CommandAnswer StatisticsCommand(const CommandEnv& env, std::string_view text) {
  std::size_t bar = text.find('|');
  const bool levelGiven = bar != std::string_view::npos;
  std::string_view valuesText = StripClosingBracket(levelGiven ? text.substr(bar + 1) : text);

  Evaluator evaluator(env.rng);  // the level and the values are read with the default variables
  std::string errors;
  double a = kDefaultLevel;
  if (levelGiven && !EvaluateArgument(evaluator, text.substr(0, bar), a, errors)) a = -1;
  if (!(a > 0 && a < 1)) a = kDefaultLevel;

  const std::vector<std::string_view> parts = Split(valuesText, ';');
  std::vector<double> values(parts.size());
  if (parts.size() < 2) {
    AppendMessage(errors, msg::kStatisticsTooFew);
  } else {
    for (std::size_t i = 0; i < parts.size(); ++i) {
      EvaluateArgument(evaluator, parts[i], values[i], errors);
    }
  }
  if (!errors.empty()) return ErrorAnswer(errors);

  // The quantile comes from the function library's inverse t distribution.
  const int freedom = static_cast<int>(values.size()) - 1;
  std::string quantile = Fill(kQuantileCall, {FormatGDigits(a, 6), FormatInt(freedom)});
  Evaluator tEvaluator(env.rng);
  double t = 0;
  if (!EvaluateArgument(tEvaluator, quantile, t, errors)) {
    return ErrorAnswer(errors);
  }

  double mean = 0;
  double deviation = 0;
  CommandAnswer answer;
  std::vector<AnswerValue> moments;
  std::string momentLines = Moments(t, values, env.precision, mean, deviation, moments);
  std::string order = OrderAndOutliers(a, values, mean, deviation, env.precision, answer.values);
  answer.values.insert(answer.values.end(), moments.begin(), moments.end());
  std::size_t split = order.find('|');
  answer.content = Fill(msg::kStatisticsLevel, {FormatGDigits(100 - 100 * a, 6)});
  answer.content += order.substr(0, split);
  answer.content += momentLines;
  answer.content += kNewLine;
  answer.content += order.substr(split + 1);
  while (!answer.content.empty() &&
         (answer.content.back() == '\r' || answer.content.back() == '\n'))
    answer.content.pop_back();
  return answer;
}

}  // namespace orvo
