// The "&func=" page: the general and special functions, one block per function with its
// synonyms, in the order the help index has always listed them.
#include "console/detail/help_pages.h"

namespace orvo::detail {
namespace {

constexpr std::string_view kBlocks[] = {
    "General Functions\r\n\r\n",

    "c(n,k)\r\n"
    "Combinations: n!/(k!(n-k)!), the ways to choose k things out of n\r\n"
    "n and k are cut to integers, k>=1 and n>=k: `c(5,2)=`10\r\n"
    "With one parameter or none, c() is the speed of light (see &phys=)",

    "\r\n\r\np(n,k)\r\n"
    "Permutations: n!/(n-k)!, the ordered choices of k things out of n\r\n"
    "n and k are cut to integers, k>=1 and n>=k: `p(5,2)=`20\r\n"
    "p(n) with one parameter is the factorial of the integer part of n>=0: `p(5)=`120",

    "\r\n\r\nj0(x), j1(x), jn(n,x)\r\n"
    "Bessel functions of the first kind of order 0, 1 and n (n cut to an integer)\r\n"
    "`j0(0)=`1  `jn(0,1.5)` = `j0(1.5)`",

    "\r\n\r\ny0(x), y1(x), yn(n,x)\r\n"
    "Bessel functions of the second kind of order 0, 1 and n (n cut to an integer), x<>0\r\n"
    "`yn(1,2)` = `y1(2)`",

    "\r\n\r\nln(x) or log(x)\r\n"
    "Natural logarithm, x>0: `ln(1)=`0  `log(exp(2))=`2",

    "\r\n\r\nlg(x) or log10(x)\r\n"
    "Common logarithm (base 10), x>0: `lg(1000)=`3  `log10(0.01)=`-2",

    "\r\n\r\nlog(x,y)\r\n"
    "Logarithm of y to the base x, ln(y)/ln(x), x>0 and y>0: `log(2,8)=`3",

    "\r\n\r\nabs(x) or fabs(x)\r\n"
    "Absolute value: `abs(-3)=`3  `fabs(3)=`3",

    "\r\n\r\nexp(x)\r\n"
    "e to the power x: `exp(1)=`2.7182818",

    "\r\n\r\nfac(x) or fact(x)\r\n"
    "Factorial, the same as x!: 1*2*...*x for a whole x>=0, `fac(5)=`120  `fact(0)=`1\r\n"
    "Any other x gives gamma(x+1): `fac(0.5)` = `gamma(1.5)`\r\n"
    "x must not be a negative whole number; above 170 it is too big (Error: Overflow)",

    "\r\n\r\nmol(x1,x2,...,xn)\r\n"
    "Length of the vector (x1,x2,...,xn), sqrt(x1^2+x2^2+...+xn^2)\r\n"
    "`mol(3,4)=`5  `mol(1,2,2)=`3",

    "\r\n\r\npow(x,y) or power(x,y)\r\n"
    "x to the power y, the same as x^y: `pow(2,10)=`1024  `power(2,0.5)=`1.4142136\r\n"
    "A sign right after the comma is dropped: write pow(2,(-1)) for 2^(-1), `pow(2,(-1))=`0.5",

    "\r\n\r\nmod(n,k)\r\n"
    "Integer remainder of n/k with the sign of n, the same as n%k\r\n"
    "`mod(7,3)=`1  `mod(-7,3)=`-1",

    "\r\n\r\nfmod(x,y)\r\n"
    "Real remainder of x/y with the sign of x, x-y*int(x/y), y<>0\r\n"
    "`fmod(7,2.5)=`2  `fmod(-7,2.5)=`-2",

    "\r\n\r\nsqrt(x)\r\n"
    "Square root, x>=0: `sqrt(2)=`1.4142136",

    "\r\n\r\ncurt(x)\r\n"
    "Cube root x^(1/3) for x>=0: `curt(27)=`3\r\n"
    "For a negative x write the power: `(-8)^(1/3)=`-2",

    "\r\n\r\narg(x,y)\r\n"
    "Angle of the point (x,y), anticlockwise from the positive x axis, in radians from\r\n"
    "0 to 2pi: `arg(0,1)=`1.5707963  `arg(-1,0)=`3.1415927",

    "\r\n\r\nargd(x,y)\r\n"
    "The same angle in degrees, from 0 to 360: `argd(1,1)=`45  `argd(0,(-1))=`270",

    "\r\n\r\nerf(x)\r\n"
    "Error function, 2/sqrt(pi) times the integral of exp(-t^2) from 0 to x\r\n"
    "inverf(x) or erfinv(x): its inverse, -1<x<1\r\n"
    "ndis(x): standard normal distribution, the probability of a value below x,\r\n"
    "  (erf(x/sqrt(2))+1)/2\r\n"
    "ndis(x,ave,std): normal density exp(-t^2/2)/(sqrt(2pi)*std) with t=(x-ave)/std\r\n"
    "invndis(x), ndisinv(x), invn(x) or ninv(x): the inverse of ndis(x), 0<x<1\r\n"
    "tdis(t,f): t distribution with f degrees of freedom, the probability of a value\r\n"
    "  between -t and t (negative for a negative t)\r\n"
    "tdisinv(x,f), invtdis(x,f), invt(x,f) or tinv(x,f): the t with tdis(t,f)=1-x,\r\n"
    "  the two-sided critical value for the significance level x, 0<x<1\r\n"
    "`ndis(0)=`0.5  `ndis(0,0,1)=`0.39894228  `invt(0.05,10)=` about 2.2281\r\n"
    "The inverse functions are accurate to the last digit shown at prec=16,\r\n"
    "and every call gives the same value",

    "\r\n\r\nfdis(x,f1,f2)\r\n"
    "F distribution with f1 and f2 degrees of freedom: the probability of a value\r\n"
    "above x (0 for x<0)\r\n"
    "fdisinv(x,f1,f2), invfdis(x,f1,f2), invf(x,f1,f2) or finv(x,f1,f2):\r\n"
    "  the F with fdis(F,f1,f2)=x, 0<x<1\r\n"
    "kdis(x,f): chi-square distribution with f degrees of freedom, the probability of a\r\n"
    "  value below x (0 for x<0)\r\n"
    "bdis(x,p,q): binomial distribution, the probability of at least q successes in p\r\n"
    "  trials that each succeed with the probability x; 0<=x<=1, 0<=q<=p\r\n"
    "`fdis(1,2,2)=`0.5  `kdis(2,2)=`0.63212056  `bdis(0.5,2,1)=`0.75",

    "\r\n\r\nbeta(x,y)\r\n"
    "Beta function gamma(x)*gamma(y)/gamma(x+y), x>0 and y>0: `beta(2,3)=`0.083333333\r\n"
    "betainc(x,a,b), incbeta(x,a,b) or ibeta(x,a,b): regularised incomplete beta\r\n"
    "  function, the integral of t^(a-1)*(1-t)^(b-1) from 0 to x divided by beta(a,b),\r\n"
    "  0<=x<=1, a>0, b>0: `betainc(0.5,2,2)=`0.5",

    "\r\n\r\ngamma(x)\r\n"
    "Gamma function, gamma(n)=(n-1)! for a whole n>0; x must not be 0 or a negative\r\n"
    "whole number: `gamma(5)=`24  `gamma(0.5)=`1.7724539\r\n"
    "gammaln(x) or lngamma(x): ln(gamma(x)), x>0\r\n"
    "gammainc(x,a), incgamma(x,a) or igamma(x,a): regularised lower incomplete gamma\r\n"
    "  function, the integral of t^(x-1)*exp(-t) from 0 to a divided by gamma(x),\r\n"
    "  x>0, a>=0: `gammainc(1,1)=`0.63212056\r\n"
    "invgammaln(x) or gammalninv(x): the inverse of gammaln on its rising branch\r\n"
    "  (above 1.4616), x>=-0.121486: `invgammaln(ln(6))=` about 4",

    "\r\n\r\nmean(x1,x2,...,xn) or average(..)\r\n"
    "Arithmetic mean (x1+x2+...+xn)/n, also written average(x1,x2,...,xn)\r\n"
    "hmean(x1,x2,...,xn): harmonic mean n/(1/x1+1/x2+...+1/xn), no x may be 0\r\n"
    "`mean(1,2,3,4)=`2.5  `average(2,4)=`3  `hmean(1,2,4)=`1.7142857",

    "\r\n\r\nstdev(x1,x2,...,xn) and stdevn(x1,x2,...,xn)\r\n"
    "Standard deviation of a sample, sqrt((sum of (xi-mean)^2)/(n-1)), n>=2\r\n"
    "stdevn divides by n instead of n-1: the deviation of a whole population\r\n"
    "`stdev(1,2,3,4)=`1.2909944  `stdevn(1,2,3,4)=`1.118034",

    "\r\n\r\navedev(x1,x2,...,xn)\r\n"
    "Average deviation from the mean, (sum of |xi-mean|)/n: `avedev(1,2,3,4)=`1",

    "\r\n\r\npolyn(x0,an,an-1,...,a0)\r\n"
    "Value of the polynomial an*x^n+...+a1*x+a0 at x=x0: `polyn(2,1,0,3)=`7",

    "\r\n\r\nlcm(n,k)\r\n"
    "Least common multiple of the integer parts of |n| and |k|, both below 1e8\r\n"
    "`lcm(4,6)=`12",

    "\r\n\r\ngcf(n,k) or gcd(n,k)\r\n"
    "Greatest common factor of the integer parts of |n| and |k|, both below 1e8\r\n"
    "`gcf(12,18)=`6  `gcd(7,5)=`1",

    "\r\n\r\nsin(x)\r\n"
    "Sine of x in radians, |x|<=200000: `sin(pi()/6)=`0.5\r\n"
    "sind(x): sine of x in degrees, |x|<=200000: `sind(30)=`0.5\r\n"
    "sinl(x): sine of x in radians without the limit (for a very big x the\r\n"
    "  result tells little): `sinl(1e6)=`-0.3499935",

    "\r\n\r\ncos(x)\r\n"
    "Cosine of x in radians, |x|<=200000: `cos(pi())=`-1  `cos(pi()/2)=`0\r\n"
    "cosd(x): cosine of x in degrees: `cosd(60)=`0.5\r\n"
    "cosl(x): cosine of x in radians without the limit: `cosl(0)=`1",

    "\r\n\r\ntan(x) or tg(x)\r\n"
    "Tangent of x in radians, |x|<=200000: `tan(pi()/4)=`1\r\n"
    "tand(x) or tgd(x): tangent of x in degrees: `tand(45)=`1  `tgd(-45)=`-1\r\n"
    "tanl(x): tangent of x in radians without the limit: `tanl(0)=`0",

    "\r\n\r\nasin(x) or arcsin(x)\r\n"
    "Arc sine in radians, -1<=x<=1, from -pi/2 to pi/2: `asin(1)=`1.5707963",

    "\r\n\r\nacos(x) or arccos(x)\r\n"
    "Arc cosine in radians, -1<=x<=1, from 0 to pi: `acos(-1)=`3.1415927",

    "\r\n\r\natan(x), atg(x), arctg(x) or arctan(x)\r\n"
    "Arc tangent in radians, between -pi/2 and pi/2: `atan(1)=`0.78539816\r\n"
    "atan2(y,x): angle of the point (x,y) in radians, from -pi to pi (arg(x,y) gives\r\n"
    "  it from 0 to 2pi): `atan2(1,1)=`0.78539816  `atan2(1,(-1))=`2.3561945",

    "\r\n\r\nsinh(x) or sh(x)\r\n"
    "Hyperbolic sine (exp(x)-exp(-x))/2: `sinh(1)=`1.1752012",

    "\r\n\r\ncosh(x) or ch(x)\r\n"
    "Hyperbolic cosine (exp(x)+exp(-x))/2: `cosh(1)=`1.5430806",

    "\r\n\r\ntanh(x), th(x) or tgh(x)\r\n"
    "Hyperbolic tangent sinh(x)/cosh(x): `tanh(1)=`0.76159416",

    "\r\n\r\nasinh(x), ash(x), arcsh(x) or arcsinh(x)\r\n"
    "Inverse hyperbolic sine ln(x+sqrt(x^2+1)): `asinh(1)=`0.88137359",

    "\r\n\r\nacosh(x), ach(x), arcch(x) or arccosh(x)\r\n"
    "Inverse hyperbolic cosine ln(x+sqrt(x^2-1)), x>=1: `acosh(2)=`1.3169579",

    "\r\n\r\natanh(x), ath(x), atgh(x), arcth(x), arctgh(x) or arctanh(x)\r\n"
    "Inverse hyperbolic tangent ln((1+x)/(1-x))/2, -1<x<1: `atanh(0.5)=`0.54930614",

    "\r\n\r\nsi(x)\r\n"
    "Sine integral, the integral of sin(t)/t from 0 to x, |x|<=200000\r\n"
    "`si(1)=`0.94608307",

    "\r\n\r\nci(x)\r\n"
    "Cosine integral, Euler's constant+ln|x|-(the integral of (1-cos(t))/t from 0 to |x|),\r\n"
    "x<>0, |x|<=200000: `ci(1)=`0.33740392",

    "\r\n\r\nei(x)\r\n"
    "Exponential integral of -|x|, Ei(-|x|): Euler's constant+ln|x|+(the integral of\r\n"
    "(exp(-t)-1)/t from 0 to |x|), x<>0; ei(x) and ei(-x) are the same\r\n"
    "`ei(1)=`-0.21938393",

    "\r\n\r\nint(x) or fix(x)\r\n"
    "Integer part, cut towards zero: `int(-2.7)=`-2  `fix(2.7)=`2",

    "\r\n\r\nround(x)\r\n"
    "Nearest whole number, halves away from zero: `round(2.5)=`3  `round(-0.5)=`-1",

    "\r\n\r\nfloor(x)\r\n"
    "The largest whole number not above x: `floor(-2.5)=`-3",

    "\r\n\r\nceil(x)\r\n"
    "The smallest whole number not below x: `ceil(-2.5)=`-2",

    "\r\n\r\nans() or ans(n)\r\n"
    "The value of the last answer that had one (an expression, prec=, the first value of a\r\n"
    "tool), or of the n-th last: ans(1) is ans(). It is the full number behind the printed\r\n"
    "digits and works in every command, as in &is(0;1;ans()*x)=. A definition keeps the value\r\n"
    "ans() had when it was defined; a definition named ans is used instead",
};

}  // namespace

HelpBlocks FunctionBlocks() {
  return kBlocks;
}

}  // namespace orvo::detail
