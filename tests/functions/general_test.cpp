// The general functions through the console: values at the default 8 digits and every message
// word for word. Expected values are from closed forms or standard tables (Abramowitz & Stegun
// for the Bessel functions, 9.1 / table 9.1).
#include <gtest/gtest.h>

#include "tests/functions/console_rows.h"

namespace orvo::test {
namespace {

TEST(Logarithms, Values) {
  const Row rows[] = {
      {"ln(1)=", "0"},
      {"ln(y)=", "1"},
      {"LN(100)=", "4.6051702"},
      {"lg(1000)=", "3"},
      {"log10(1000)=", "3"},
      {"lg(1e-300)=", "-300"},
      {"log(100)=", "4.6051702"},
      {"log(2,8)=", "3"},
      {"log(10,1e308)=", "308"},
      // The comma is an operator, so the sign after it is dropped: log(2,8).
      {"log(2,-8)=", "3"},
      {"exp(1)=", "2.7182818"},
      {"exp(-750)=", "0"},
      {"e(3)=", "1000"},
      {"e+(2)=", "100"},
      {"e-(2)=", "0.01"},
      {"e()=", "1"},
  };
  ExpectValues(rows);
}

TEST(Logarithms, Messages) {
  const Row rows[] = {
      {"ln(0)=", "Error: ln(x) function, x<=0"},
      {"ln(-1)=", "Error: ln(x) function, x<=0"},
      {"lg(0)=", "Error: lg(x) fuction, x<=0"},
      {"log10(-5)=", "Error: lg(x) fuction, x<=0"},
      {"log(0)=", "Error: log(x) function, x<=0"},
      {"log(-2,8)=", "Error: log(x,y) function, x<=0"},
      {"log(2,(-8))=", "Error: log(x,y) function, y<=0"},
      {"log(0,0)=", "Error: log(x,y) function, x<=0, y<=0"},
      {"log(-2,(-8))=", "Error: log(x,y) function, x<=0, y<=0"},
      // Base 1 divides by ln 1 = 0.
      {"log(1,8)=", "Error: Overflow"},
      {"ln(5,3)=", "Error: ln function, parameter(s) missing or excessive"},
      {"log(2,8,3)=", "Error: log function, parameter(s) missing or excessive"},
      {"exp(710)=", "Error: Overflow"},
      {"e(400)=", "Error: Overflow"},
  };
  ExpectMessages(rows);
}

TEST(Powers, Values) {
  const Row rows[] = {
      {"pow(2,10)=", "1024"},  {"power(2,0.5)=", "1.4142136"},
      {"pow(-8,1/3)=", "-2"},  {"pow(2,-1)=", "2"},  // the sign after the comma is dropped
      {"pow(2,(-1))=", "0.5"}, {"sqrt(16)=", "4"},
      {"sqrt(0)=", "0"},       {"sqrt(-1e-7)=", "0"},
      {"curt(27)=", "3"},      {"curt(-8)=", "-2"},
      {"curt(0)=", "0"},       {"abs(-3)=", "3"},
      {"fabs(-0.5)=", "0.5"},  {"mod(7,3)=", "1"},
      {"mod(-7,3)=", "-1"},    {"mod(7,0)=", "0.07"},
      {"fmod(7.5,2)=", "1.5"}, {"fmod(-7.5,2)=", "-1.5"},
  };
  ExpectValues(rows);
}

TEST(Powers, Messages) {
  const Row rows[] = {
      {"pow(2)=", "Error: pow(x,y) function, missing parameter"},
      {"power(2)=", "Error: pow(x,y) function, missing parameter"},
      {"pow((-4),0.5)=", "Error: minus in the extraction of root"},
      {"pow(2,1,1)=", "Error: pow function, parameter(s) missing or excessive"},
      {"sqrt(-4)=", "Error: minus in the extraction of root"},
      {"mod(7)=", "Error: mod(n,k) function, missing parameter"},
      {"fmod(7,0)=", "Error: fmod(x,y) function, y=0"},
      {"fmod(7)=", "Error: fmod(x,y) function, missing parameter"},
      {"pow(10,400)=", "Error: Overflow"},
  };
  ExpectMessages(rows);
}

TEST(Integers, Values) {
  const Row rows[] = {
      {"fac(5)=", "120"},
      {"fact(0)=", "1"},
      {"fac(0.5)=", "0.88622693"},  // gamma(1.5) = sqrt(pi)/2
      {"fac(170)=", "7.2574156e+306"},
      {"c(5,2)=", "10"},
      {"c(52,5)=", "2598960"},
      {"c(5,5)=", "1"},
      {"c(5.9,2.9)=", "10"},
      // The numerator passes the double range long before C(1000,500) = 2.7028824e+299 does.
      {"c(1000,500)=", "2.7028824e+299"},
      {"c()=", "2.9979246e+08"},
      {"c(5)=", "299792458", "prec=9"},
      {"p(5,2)=", "20"},
      {"p(5)=", "120"},
      {"p(3.7)=", "6"},
      {"p(0)=", "1"},
      {"gcf(12,18)=", "6"},
      {"gcd(-12,18)=", "6"},
      {"gcf(0,5)=", "0"},
      {"gcf(7,13)=", "1"},
      {"lcm(4,6)=", "12"},
      {"lcm(0,5)=", "5"},
      {"lcm(99999989,99999971)=", "9.999996e+15"},
      {"round(-0.5)=", "-1"},
      {"round(2.5)=", "3"},
      {"round(2.4)=", "2"},
      {"int(-1)=", "-1"},
      {"int(-2.7)=", "-2"},
      {"int(-0.5)=", "0"},
      {"fix(3.9)=", "3"},
      {"floor(-2.5)=", "-3"},
      {"ceil(-2.5)=", "-2"},
      {"sign(-3)=", "-1"},
      {"sign(0)=", "0"},
      {"$(5)=", "1"},
      {"not(0)=", "1"},
      {"!(3)=", "0"},
      {"~(0)=", "-1"},
      {"~(5)=", "-6"},
      {"~(1e300)=", "2147483647", "prec=10"},  // 32-bit truncation of an out-of-range value
      {"if(0.5,2,3)=", "3"},
      {"if(1,2,3)=", "2"},
      {"if(-1.5,2,3)=", "2"},
      {"?(0,2,3)=", "3"},
  };
  ExpectValues(rows);
}

TEST(Integers, Messages) {
  const Row rows[] = {
      {"fac(171)=", "Error: Overflow"},
      {"fac(-3)=", "阶乘fac(x) function, x为负整数"},
      {"c(5,0)=", "Error: c(n,k) function, k<=0"},
      {"c(5,0.5)=", "Error: c(n,k) function, k<=0"},
      {"c(2,5)=", "Error: c(n,k) fuction, n<k"},
      {"c(2000,1000)=", "Error: Overflow"},
      {"c(5,2,1)=", "Error: c function, parameter(s) missing or excessive"},
      {"p(5,0)=", "Error: p(n,k) function, k<=0"},
      {"p(2,5)=", "Error: p(n,k) fuction, n<k"},
      {"p(-1)=", "Error: p(n) function, n<0"},
      {"p(1000,500)=", "Error: Overflow"},
      {"gcf(1e8,2)=", "Warning: n or k is too big for gcf(n,k) function"},
      {"gcd(2,-1e9)=", "Warning: n or k is too big for gcf(n,k) function"},
      {"gcf(12)=", "Error: gcf(n,k) function, missing parameter"},
      {"lcm(2,1e8)=", "Warning: n or k is too big for lcm(n,k) function"},
      {"lcm(4)=", "Error: lcm(n,k) function, missing parameter"},
      {"if(1)=", "Error: if(bool,x,y) function, missing parameter"},
      {"if(1,2)=", "Error: if function, parameter(s) missing or excessive"},
      {"int(1,2)=", "Error: int function, parameter(s) missing or excessive"},
  };
  ExpectMessages(rows);
}

TEST(Trigonometry, Values) {
  const Row rows[] = {
      {"sind(30)=", "0.5"},
      {"sind(-30)=", "-0.5"},
      {"sind(390)=", "0.5"},
      {"sin(1)=", "0.84147098"},
      {"sin(-x)=", "-0.84147098", "x=1"},
      // The leading sign applies to the reduced argument: sin(-(1+2)).
      {"sin(-1+2)=", "-0.14112001"},
      {"sin(0)=", "0"},
      {"sin(200000)=", "-0.071451895"},
      {"sinl(200001)=", "0.8007146"},
      {"cos(0)=", "1"},
      {"cos(pi())=", "-1"},
      {"cos(pi()/2)=", "0"},
      {"cos(3pi()/2)=", "0"},
      {"cos(-pi()/2)=", "0"},
      {"cosl(pi()/2)=", "6.123234e-17"},
      {"cosd(60)=", "0.5"},
      {"cosd(90)=", "6.123234e-17"},
      {"tan(pi()/4)=", "1"},
      {"tg(-pi()/4)=", "-1"},
      {"tand(45)=", "1"},
      {"tgd(-45)=", "-1"},
      {"tanl(1)=", "1.5574077"},
      {"asin(1)=", "1.5707963"},
      {"arcsin(-0.5)=", "-0.52359878"},
      {"acos(-1)=", "3.1415927"},
      {"arccos(1)=", "0"},
      {"atan(1)=", "0.78539816"},
      {"arctg(1e300)=", "1.5707963"},
      {"atan2(1,1)=", "0.78539816"},
      {"atan2(0,(-1))=", "3.1415927"},
      {"hypot(3,4)=", "5"},
      {"hypot(3e200,4e200)=", "5e+200"},
      {"sinh(1)=", "1.1752012"},
      {"sh(0)=", "0"},
      {"cosh(1)=", "1.5430806"},
      {"tanh(1)=", "0.76159416"},
      {"th(1000)=", "1"},
      {"asinh(1)=", "0.88137359"},
      {"asinh(-1)=", "-0.88137359"},
      // ln(2e10), not an overflow from the cancellation of -1e10 + 1e10.
      {"asinh(-1e10)=", "-23.718998"},
      {"asinh(1e-20)=", "1e-20"},
      {"arcsinh(1e200)=", "461.21017"},
      {"acosh(1)=", "0"},
      {"ach(2)=", "1.3169579"},
      {"acosh(1e200)=", "461.21017"},
      {"atanh(0.5)=", "0.54930614"},
      {"atanh(-0.9)=", "-1.4722195"},
      {"atanh(1e-20)=", "1e-20"},
  };
  ExpectValues(rows);
}

TEST(Trigonometry, Messages) {
  const char* sinBig =
      "Waring: x is too big for sin(x) function, which makes no sense. You may try to use sinl(x) "
      "function";
  const char* cosBig =
      "Waring: x is too big for cos(x) function, which makes no sense. You may try to use cosl(x) "
      "function";
  const char* tanBig =
      "Waring: x is too big for tan(x) function, which makes no sense. You may try to use tanl(x) "
      "function";
  const Row rows[] = {
      {"sin(200001)=", sinBig},
      {"sin(-1e308)=", sinBig},
      {"cos(200001)=", cosBig},
      {"tan(200001)=", tanBig},
      {"tg(-200001)=", tanBig},
      {"sind(200001)=", "Waring: x is too big for sind(x) function, which makes no sense."},
      {"cosd(-200001)=", "Waring: x is too big for cosd(x) function, which makes no sense."},
      {"tand(200001)=", "Waring: x is too big for tand(x) function, which makes no sense."},
      {"tgd(1e300)=", "Waring: x is too big for tand(x) function, which makes no sense."},
      {"tan(pi()/2)=", "Error: Overflow"},
      {"tand(90)=", "Error: Overflow"},
      {"tand(-90)=", "Error: Overflow"},
      {"asin(2)=", "Error: asin(x) function, x is not in the domain [-1,1]"},
      {"arcsin(-1.0000001)=", "Error: asin(x) function, x is not in the domain [-1,1]"},
      {"acos(-2)=", "Error: acos(x) function, x is not in the domain [-1,1]"},
      {"atan2(1)=", "Error: atan2(x,y) function, missing parameter"},
      {"hypot(3)=", "Error: hypot(x,y) function, missing parameter"},
      {"acosh(0.5)=", "Error: acosh(x) function, x is not in the domain [1,+inf)"},
      {"arccosh(-1e308)=", "Error: acosh(x) function, x is not in the domain [1,+inf)"},
      {"atanh(1)=", "Error: atanh(x) function, x is not in the domain (-1,1)"},
      {"arctgh(-1)=", "Error: atanh(x) function, x is not in the domain (-1,1)"},
      {"sinh(1000)=", "Error: Overflow"},
      {"sin(1,2)=", "Error: sin function, parameter(s) missing or excessive"},
  };
  ExpectMessages(rows);
}

TEST(Angles, ValuesAndMessages) {
  const Row values[] = {
      {"arg(1,1)=", "0.78539816"}, {"arg(-1,2)=", "2.0344439"},  // pi - atan(2)
      {"arg(0,0)=", "0"},          {"arg(0,1)=", "1.5707963"},     {"arg(-1,0)=", "3.1415927"},
      {"arg(1,0)=", "0"},          {"arg(-1,(-1))=", "3.9269908"}, {"arg(0,(-1))=", "4.712389"},
      {"argd(0,-1)=", "90"},  // the sign after the comma is dropped
      {"argd(0,(-1))=", "270"},    {"argd(-1,(-1))=", "225"},      {"argd(1,(-1))=", "315"},
      {"argd(-1,1)=", "135"},      {"argd(-2,0)=", "180"},
  };
  ExpectValues(values);
  const Row messages[] = {
      {"arg(1)=", "Error: arg(x,y) function, missing parameter"},
      {"argd(1)=", "Error: argd(x,y) function, missing parameter"},
  };
  ExpectMessages(messages);
}

TEST(Statistics, Values) {
  const Row rows[] = {
      {"mean()=", "0"},
      {"mean(1,2,3,4)=", "2.5"},
      {"average(-1,1)=", "0"},
      {"hmean(1,2,4)=", "1.7142857"},
      {"stdev(1,2,3,4)=", "1.2909944"},
      {"stdev(5)=", "-nan"},  // 0/0: one value has no sample deviation
      {"stdevn(1,2,3,4)=", "1.118034"},
      {"stdevn(5)=", "0"},
      {"avedev(1,2,3,4)=", "1"},
      {"mol(3,4)=", "5"},
      {"mol(-3,(-4))=", "5"},
      {"polyn(2,1,0,3)=", "7"},
      {"polyn(2,5)=", "5"},
      {"polyn(-1,1,1,1,1)=", "0"},
  };
  ExpectValues(rows);
}

TEST(Statistics, Messages) {
  const Row rows[] = {
      {"hmean(2,0,4)=", "hmean(x1,x2,...,xn) function, some x=0"},
      {"hmean(0)=", "hmean(x1,x2,...,xn) function, some x=0"},
      {"polyn(5)=",
       "Error: polyn(x,an,...,a0) function, missing parameter\r\n"
       "Error: polyn function, parameter(s) missing or excessive"},
      {"mol(1e200)=", "Error: Overflow"},
  };
  ExpectMessages(rows);
}

TEST(Bessel, Values) {
  const Row rows[] = {
      {"j0(0)=", "1"},
      {"j0(1)=", "0.76519769"},
      {"j1(1)=", "0.44005059"},
      {"jn(2,1)=", "0.11490348"},
      {"jn(0,1)=", "0.76519769"},
      {"jn(-1,1)=", "-0.44005059"},
      {"jn(2.9,1)=", "0.11490348"},  // the order is truncated
      {"y0(1)=", "0.088256964"},
      {"y1(1)=", "-0.78121282"},
      {"yn(2,1)=", "-1.6506826"},
      {"yn(0,1)=", "0.088256964"},
      // Orders far beyond the library's cheap range: the value underflows to 0.
      {"jn(2000000000,1)=", "0"},
  };
  ExpectValues(rows);
}

TEST(Bessel, Messages) {
  const Row rows[] = {
      {"jn(2)=", "Error: jn(n,x) function, missing parameter"},
      {"y0(0)=", "Error: y0(x) function, x=0"},
      {"y1(0)=", "Error: y1(x) function, x=0"},
      {"yn(2,0)=", "Error: yn(n,x) function, x=0"},
      {"yn(2)=", "Error: yn(n,x) function, missing parameter"},
      {"yn(2000000000,1)=", "Error: Overflow"},
  };
  ExpectMessages(rows);
}

}  // namespace
}  // namespace orvo::test
