// The replayed plan of a prepared expression must agree with a fresh evaluation, bit for bit,
// message for message.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <span>
#include <sstream>

#include "base/random.h"
#include "engine/evaluator.h"

namespace orvo {
namespace {

struct Outcome {
  double value;
  int status;
  std::string errors;
};

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

struct Point {
  double x;
  double y;
};

// Evaluates each expression once prepared and replayed at every point, and each time also in a
// fresh evaluator whose generator is in the same state (the inverse searches draw from it).
void ExpectReplayAgrees(const char* expressions, std::span<const Point> points) {
  std::istringstream words(expressions);
  for (std::string text; words >> text;) {
    Random rng;
    Evaluator kept(rng);
    kept.SetExpression(text);
    for (const Point& point : points) {
      Random freshRng = rng;
      Evaluator fresh(freshRng);
      fresh.SetX(point.x);
      fresh.SetY(point.y);
      fresh.SetExpression(text);
      Outcome expected{};
      expected.status = fresh.Evaluate(expected.value, expected.errors);

      kept.SetX(point.x);
      kept.SetY(point.y);
      Outcome replayed{};
      replayed.status = kept.Evaluate(replayed.value, replayed.errors);

      std::string where = text + " at x=" + std::to_string(point.x) + " (" +
                          (std::signbit(point.x) ? "-" : "+") + "), y=" + std::to_string(point.y);
      EXPECT_TRUE(SameBits(replayed.value, expected.value))
          << where << ": " << replayed.value << " vs " << expected.value;
      EXPECT_EQ(replayed.status, expected.status) << where;
      EXPECT_EQ(replayed.errors, expected.errors) << where;
      EXPECT_EQ(rng.Next(), freshRng.Next()) << where << ": the generators parted";
    }
  }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Plan, ReplayAgreesWithAFreshEvaluation) {
  // Operators, then calls: signs, several arguments, branches with their own fold counts,
  // messages.
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
      "not(x) sign(-x) e(x) invn(0.3)+x invn(x) erfinv(x/10) 1/sin(x) (x,1)+sin(x) ";
  const Point points[] = {{0, 0},     {1, 2},      {-1, -2},   {2, Evaluator::kE}, {2.5, 0},
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
  const Point points[] = {{0, 0}, {-0.0, 0}, {0, -0.0}, {-0.0, -0.0}, {1, 1}, {-1, -1}, {2, -2}};
  ExpectReplayAgrees(expressions, points);
}

}  // namespace
}  // namespace orvo
