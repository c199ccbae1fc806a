#pragma once
#include <string_view>

// Messages and fixed answer lines of the numerical tools, exactly as the console shows them.
// "%s" and "%d" mark where Fill (base/message.h) puts its values, in order.
namespace orvo::msg {

// The value, the steps counted and the last relative change.
inline constexpr std::string_view kIntegralAnswer = "%s\r\nTimes: %d\r\nEps: %s";
// After the answer, when the independent estimate does not agree with the value.
inline constexpr std::string_view kIntegralUnconfirmed =
    "\r\nWarning: the value could not be confirmed; an independent estimate gives %s";
inline constexpr std::string_view kIntegralUnconfirmedFault =
    "\r\nWarning: the value could not be confirmed; an independent estimate failed: %s";
// After the message of an integrand that fails at an end point but not inside.
inline constexpr std::string_view kIntegralEndPointHint =
    "Hint: &ig(a;b;f(x)) does not evaluate the end points";

inline constexpr std::string_view kIntegralMissing =
    "Error: &i(a;b;f(x)) Function, missing parameters";
inline constexpr std::string_view kIntegralExcessive =
    "Error: &i(a;b;f(x)) Function, parameters excessive";

inline constexpr std::string_view kSumMissing =
    "Error: &s(a;n;st;f(x)) Function, missing parameters";
inline constexpr std::string_view kSumExcessive =
    "Error: &s(a;n;st;f(x)) Function, parameters excessive";

// Worded like the other "&" commands' messages: the function is empty.
inline constexpr std::string_view kRootsMissing =
    "Error: &g(a=-10;b=10;f(x)) Function, missing parameters";
inline constexpr std::string_view kRootsExcessive =
    "Error: &g(a=-10;b=10;f(x)) Function, parameters excessive";
inline constexpr std::string_view kRootsFailed =
    "Failed in getting roots\r\nYou may decrease the precision and proceed again";
inline constexpr std::string_view kRootsMayBeMore =
    "May have some other roots, you may proceed again";

inline constexpr std::string_view kPolynomialWait =
    "\r\nThe process may take a long time. Please wait...";
inline constexpr std::string_view kPolynomialFailed = "Failed in getting the roots";
inline constexpr std::string_view kPolynomialNotAll =
    "Not all the roots were got, you may proceed again or decrease the precision";
// The real part, "+" before an imaginary part that is not negative, the imaginary part.
inline constexpr std::string_view kPolynomialRoot = "%s%s%si";
inline constexpr std::string_view kPolynomialLowered =
    "The precision is too high, if changed to %d, the roots were";

inline constexpr std::string_view kStatisticsLevel = "Confidence level: %s %\r\n";
inline constexpr std::string_view kStatisticsOrder = "Max: %s\r\nMin: %s\r\nMedian: %s\r\n|";
inline constexpr std::string_view kStatisticsMoments =
    "Mean: %s\r\nSum: %s\r\nStandard deviation: %s\r\nAverage deviation: %s\r\n"
    "Conf. interval (t dist.): %s +- %s";
inline constexpr std::string_view kStatisticsTooFew =
    "Error: At least input two numbers, separated by \";\" sign";
inline constexpr std::string_view kStatisticsOutliers =
    "Abnormal value(s) were detected through Grubbs method\r\n";
// Each value the test finds abnormal, in the list after kStatisticsOutliers.
inline constexpr std::string_view kStatisticsOutlier = "%s ";
inline constexpr std::string_view kStatisticsNoOutliers =
    "No abnormal value were detected through Grubbs method";

}  // namespace orvo::msg
