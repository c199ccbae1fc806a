// The general functions through the console: values at the default 8 digits and every message
// word for word. The worked examples are golden transcripts (tests/transcripts/functions.txt);
// these rows are the zeros, signs, boundaries, huge and not-a-number cases around them. Expected
// values are from closed forms or standard tables (Abramowitz & Stegun for the Bessel functions,
// 9.1 / table 9.1).
#include <gtest/gtest.h>

#include "tests/functions/console_rows.h"

namespace orvo::test {
namespace {

TEST(Logarithms, Answers) {
  const Row rows[] = {
      {"ln(y)=", "1"},
      {"lg(1e-300)=", "-300"},
      {"log(100)=", "4.6051702"},  // one argument: the natural logarithm
      {"log(10,1e308)=", "308"},
      {"exp(-750)=", "0"},
      {"e+(2)=", "100"},
      {"e()=", "1"},
      {"ln(0)=", "Error: ln(x) function, x<=0"},
      {"log(0)=", "Error: log(x) function, x<=0"},
      {"log(2,(-8))=", "Error: log(x,y) function, y<=0"},
      {"log(0,0)=", "Error: log(x,y) function, x<=0, y<=0"},
      {"log(1,8)=", "Error: Overflow"},  // base 1 divides by ln 1 = 0
      {"exp(710)=", "Error: Overflow"},
  };
  ExpectAnswers(rows);
}

TEST(Powers, Answers) {
  const Row rows[] = {
      {"power(2,0.5)=", "1.4142136"},
      {"pow(-8,1/3)=", "-2"},
      {"pow(2,(-1))=", "0.5"},
      {"sqrt(0)=", "0"},
      {"sqrt(-1e-7)=", "0"},
      {"curt(-8)=", "-2"},
      {"abs(-3)=", "3"},
      {"mod(-7,3)=", "-1"},
      {"mod(7,0)=", "0.07"},
      {"fmod(-7.5,2)=", "-1.5"},
      {"pow((-4),0.5)=", "Error: minus in the extraction of root"},
      {"pow(10,400)=", "Error: Overflow"},
      {"mod(7)=", "Error: mod(n,k) function, missing parameter"},
      {"fmod(7,0)=", "Error: fmod(x,y) function, y=0"},
      {"fmod(7)=", "Error: fmod(x,y) function, missing parameter"},
  };
  ExpectAnswers(rows);
}

TEST(Integers, Answers) {
  const Row rows[] = {
      {"fact(0)=", "1"},
      {"fac(0.5)=", "0.88622693"},  // gamma(1.5) = sqrt(pi)/2
      {"fac(170)=", "7.2574156e+306"},
      {"c(5,5)=", "1"},
      {"c(5.9,2.9)=", "10"},
      // The numerator passes the double range long before C(1000,500) = 2.7028824e+299 does.
      {"c(1000,500)=", "2.7028824e+299"},
      {"p(3.7)=", "6"},
      {"p(0)=", "1"},
      {"gcd(-12,18)=", "6"},
      {"gcf(0,5)=", "0"},
      {"lcm(0,5)=", "5"},
      {"lcm(99999989,99999971)=", "9.999996e+15"},
      {"round(2.5)=", "3"},
      {"int(-0.5)=", "0"},
      {"floor(-2.5)=", "-3"},
      {"ceil(-2.5)=", "-2"},
      {"sign(0)=", "0"},
      {"$(5)=", "1"},
      {"not(0)=", "1"},
      {"~(0)=", "-1"},
      {"~(1e300)=", "2147483647", "prec=10"},  // 32-bit truncation of an out-of-range value
      {"if(-1.5,2,3)=", "2"},
      {"?(0,2,3)=", "3"},
      {"c(5,0.5)=", "Error: c(n,k) function, k<=0"},
      {"c(2000,1000)=", "Error: Overflow"},
      {"p(5,0)=", "Error: p(n,k) function, k<=0"},
      {"p(2,5)=", "Error: p(n,k) fuction, n<k"},
      {"p(1000,500)=", "Error: Overflow"},
      {"gcf(12)=", "Error: gcf(n,k) function, missing parameter"},
      {"lcm(2,1e8)=", "Warning: n or k is too big for lcm(n,k) function"},
      {"lcm(4)=", "Error: lcm(n,k) function, missing parameter"},
      {"if(1)=", "Error: if(bool,x,y) function, missing parameter"},
  };
  ExpectAnswers(rows);
}

TEST(Trigonometry, Answers) {
  const Row rows[] = {
      {"sind(390)=", "0.5"},
      // The leading sign applies to the reduced argument: sin(-(1+2)).
      {"sin(-1+2)=", "-0.14112001"},
      {"sin(200000)=", "-0.071451895"},
      {"cos(3pi()/2)=", "0"},
      {"cosl(pi()/2)=", "6.123234e-17"},
      {"cosd(90)=", "6.123234e-17"},
      {"tg(-pi()/4)=", "-1"},
      {"tgd(-45)=", "-1"},
      {"tanl(1)=", "1.5574077"},
      {"arcsin(-0.5)=", "-0.52359878"},
      {"acos(-1)=", "3.1415927"},
      {"arctg(1e300)=", "1.5707963"},
      {"atan2(0,(-1))=", "3.1415927"},
      {"hypot(3e200,4e200)=", "5e+200"},
      {"sh(0)=", "0"},
      {"cosh(1)=", "1.5430806"},
      {"th(1000)=", "1"},
      {"asinh(-1)=", "-0.88137359"},
      // ln(2e10), not an overflow from the cancellation of -1e10 + 1e10.
      {"asinh(-1e10)=", "-23.718998"},
      {"asinh(1e-20)=", "1e-20"},
      {"arcsinh(1e200)=", "461.21017"},
      {"acosh(1)=", "0"},
      {"acosh(1e200)=", "461.21017"},
      {"atanh(-0.9)=", "-1.4722195"},
      {"atanh(1e-20)=", "1e-20"},
      {"cos(200001)=",
       "Waring: x is too big for cos(x) function, which makes no sense. You may try to use cosl(x) "
       "function"},
      {"tan(200001)=",
       "Waring: x is too big for tan(x) function, which makes no sense. You may try to use tanl(x) "
       "function"},
      {"cosd(-200001)=", "Waring: x is too big for cosd(x) function, which makes no sense."},
      {"tand(200001)=", "Waring: x is too big for tand(x) function, which makes no sense."},
      {"asin(2)=", "Error: asin(x) function, x is not in the domain [-1,1]"},
      {"arcsin(-1.0000001)=", "Error: asin(x) function, x is not in the domain [-1,1]"},
      {"acos(-2)=", "Error: acos(x) function, x is not in the domain [-1,1]"},
      {"atan2(1)=", "Error: atan2(x,y) function, missing parameter"},
      {"hypot(3)=", "Error: hypot(x,y) function, missing parameter"},
      {"acosh(0.5)=", "Error: acosh(x) function, x is not in the domain [1,+inf)"},
      {"atanh(1)=", "Error: atanh(x) function, x is not in the domain (-1,1)"},
      {"arctgh(-1)=", "Error: atanh(x) function, x is not in the domain (-1,1)"},
      {"sinh(1000)=", "Error: Overflow"},
  };
  ExpectAnswers(rows);
}

TEST(Angles, Answers) {
  const Row rows[] = {
      {"arg(-1,0)=", "3.1415927"},
      {"arg(-1,(-1))=", "3.9269908"},
      {"arg(0,(-1))=", "4.712389"},
      {"argd(-1,1)=", "135"},
      {"argd(1,(-1))=", "315"},
      {"arg(1)=", "Error: arg(x,y) function, missing parameter"},
      {"argd(1)=", "Error: argd(x,y) function, missing parameter"},
  };
  ExpectAnswers(rows);
}

TEST(Statistics, Answers) {
  const Row rows[] = {
      {"hmean(1,2,4)=", "1.7142857"},
      {"stdev(1,2,3,4)=", "1.2909944"},
      {"stdev(5)=", "-nan"},  // 0/0: one value has no sample deviation
      {"stdevn(1,2,3,4)=", "1.118034"},
      {"stdevn(5)=", "0"},
      {"avedev(1,2,3,4)=", "1"},
      {"mol(-3,(-4))=", "5"},
      {"polyn(2,5)=", "5"},
      {"mol(1e200)=", "Error: Overflow"},
  };
  ExpectAnswers(rows);
}

TEST(Bessel, Answers) {
  const Row rows[] = {
      {"j0(0)=", "1"},
      {"j0(1)=", "0.76519769"},
      {"j1(1)=", "0.44005059"},
      {"jn(2,1)=", "0.11490348"},
      {"jn(-1,1)=", "-0.44005059"},
      {"jn(2.9,1)=", "0.11490348"},  // the order is truncated
      {"y0(1)=", "0.088256964"},
      {"y1(1)=", "-0.78121282"},
      {"yn(2,1)=", "-1.6506826"},
      // Orders far beyond the library's cheap range: the value underflows to 0.
      {"jn(2000000000,1)=", "0"},
      {"jn(2)=", "Error: jn(n,x) function, missing parameter"},
      {"y0(0)=", "Error: y0(x) function, x=0"},
      {"y1(0)=", "Error: y1(x) function, x=0"},
      {"yn(2,0)=", "Error: yn(n,x) function, x=0"},
      {"yn(2)=", "Error: yn(n,x) function, missing parameter"},
      {"yn(2000000000,1)=", "Error: Overflow"},
  };
  ExpectAnswers(rows);
}

}  // namespace
}  // namespace orvo::test
