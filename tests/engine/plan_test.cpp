// Replayed plans of operators, brackets and zeros of either sign against fresh evaluations.
#include <gtest/gtest.h>

#include <limits>

#include "tests/engine/replay_check.h"

namespace orvo::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Plan, ReplayAgreesWithAFreshEvaluation) {
  // Operators, then calls: signs, several arguments, branches with their own fold counts,
  // messages, a failed check that must repeat its messages.
  const char* expressions =
      "x^2 1/(1+x^2) sqrt(1-x^2)*4 x^3-2*x^2+3*x-4 (x+1)*(x+2)*(x+3)*(x+4)/(x+5) "
      "(((((1)*x+2)*x+3)*x+4)*x+5)*x+6 sin(x)*exp(-x) 1/x (x,2) fac(x) fac(x,1) int(x)+x! "
      "x>1&&x<3||x==0 x%3+x%y 5%(x-1) 2^5%(x-1) x% 50%*x (-x)^(1/3) x^0.5 (-x)^0.5 10^(x*200) "
      "x:2+x#2 (x-1):(x-1) (((x))) -x+-x y*x+z x<<2>>1&255|x x*(0-1) (x*(0-1))*2 x*(0-1)-x "
      "(x-1)*(x+1) fac((x*(0-1))) ((x)*(0-1))^2 x^3 (x-1)^3 x^(1+2) x^(0-3) x^4 x^2.5 x^(1/3) x^y "
      "2^x pow(x,3) x^3/0 x/0+x/0 sin(-x)+cos(+x)*tan(x) sin(-x+1) sin(x-1) -sin(x) "
      "sin(sin(sin(x))) sqrt(x)+sqrt(-x) ln(x) log(x) log(x,2) log(2,x) atan2(x,1)+hypot(x,3) "
      "mean(x,1,2)+stdev(x,1) polyn(x,1,2,3) polyn(x) c(x+5,2) p(x+5,2) asin(x) sind(x*100000) "
      "sin(x*100000) sin(x,1) sin() pow(x) pow(x,3,1) gcd(x,6)+lcm(x,4) mod(x,3) if(x>1,2,3) "
      "not(x) sign(-x) e(x) invn(0.3)+x invn(x) erfinv(x/10) 1/sin(x) (x,1)+sin(x) (x+1 "
      // Whole plans that run as one piece of code, and the kernels computed in line.
      "x+1 x-1 2*x 2*x+1 2*x-1 1/(x^2+1) sqrt(1-x^2) exp(-x^2) sin(2*x) sin(x)/x x*sin(x) "
      "sin(x)*cos(x) exp(x) abs(x) abs(-x) abs(x-1) abs(-(x-1)) sqrt(-x)+sqrt(x-1) sqrt(-(x-1)) "
      "exp(-(x-1))*2 x^3+1 (x-1)^4+1 (x-1)^5+x 1/(x*x-1) ";
  const ReplayPoint points[] = {{0, 0},     {1, 2},      {-1, -2},   {2, Evaluator::kE}, {2.5, 0},
                                {-3.75, 1}, {1e-9, 1e9}, {1e300, 2}, {-0.0, 0},          {-8, 3},
                                {7, -0.0},  {kNaN, 1},   {kInf, 1},  {-kInf, 1}};
  ExpectReplayAgrees(expressions, points);
}

// The replay leaves out or defers the "+0" that the normaliser's fillers add; atan2(0, v) shows
// whether v is -0 (pi) or +0 (0), so any zero whose sign went wrong would show here.
TEST(Plan, SignsOfZeroSurviveTheReplay) {
  const char* expressions =
      "atan2(0,x) atan2(0,x+y) atan2(0,x-y) atan2(0,x*y) atan2(0,x/(y+1)) atan2(0,x+y-y) "
      "atan2(0,x-y+y) atan2(0,(x)+y) atan2(0,x+(y)) atan2(0,(x)-(y)) atan2(0,(x)-y) atan2(0,x-(y)) "
      "atan2(0,(x)+(y)) atan2(0,((x))-y) atan2(0,x+y+1-1) atan2(0,(x+y)*2) atan2(0,(x-y)^3) "
      "atan2(0,(x+y)^2) atan2(0,(x)^3) atan2(0,x^3+y) atan2(0,(x)^3-y) atan2(0,x-y-(y)) "
      "atan2(0,(x)*y) atan2(0,(x)/2) atan2(0,(x)+y*2) atan2(0,y*2+(x)) atan2(0,(x)-(y)-(x)) "
      "atan2(0,(x)+(y)+(x)) atan2(0,x*y-(x)*y) atan2(0,sin(x)+y) atan2(0,(x)*(0-1)) "
      "atan2(0,(x)^4-y) atan2(0,(x)^(1/3)) atan2(0,(x)^y) atan2(0,(x)%(y+1)) atan2(0,fac((x))) "
      "atan2(0,(x)<y) atan2(0,int((x))) atan2(0,abs((x))) atan2((x),1) atan2(0,x-(y)-0) "
      "atan2(0,x-(y)+y) atan2(0,(x)-(y)-0) atan2(0,x+(y)+y) atan2(0,(x)+y-0) atan2(0,x-sin(y)-0) "
      "atan2(0,(x)-0) atan2(0,x-(y)^3-0) ";
  const ReplayPoint points[] = {{0, 0}, {-0.0, 0}, {0, -0.0}, {-0.0, -0.0},
                                {1, 1}, {-1, -1},  {2, -2}};
  ExpectReplayAgrees(expressions, points);
}

}  // namespace
}  // namespace orvo::test
