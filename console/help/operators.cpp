// The "&oper=" page: the operators of the expression language. The blocks "=", "=0", "e+  e-",
// "# %", "Boolean operators:", "Boolean function:", "Bit operators:" and "Priority grade" are the
// calculator's long-standing wording and are kept word for word; only the example marks are
// added.
#include "console/detail/help_pages.h"

namespace orvo::detail {
namespace {

constexpr std::string_view kBlocks[] = {
    "Operators\r\n\r\n",

    "=\r\n"
    "Equal sign\r\n"
    "When it is the last character of an expression, press Enter to proceed",

    "\r\n\r\n=0\r\n"
    "Get roots sign\r\n"
    "When it is the last two characters of an expression, press enter to proceed\r\n"
    "If expresson contains x, use &rt() function to get roots\r\n"
    "else use &prt() function to get roots\r\n"
    "Parameters are the same as &rt() and &prt() functions",

    "\r\n\r\ne+  e-\r\n"
    "Scientific notation\r\n"
    "`3.1e+5` = `3.1 * 10^5`\r\n"
    "`3.1e-5` = `3.1 * 10^(-5)`\r\n"
    "The positive sign + can be omitted, like 3e5 and -1e6\r\n"
    "e+, e- must be followed by an integer\r\n"
    "If not, it will be converted to integer by truncation, like `3e2.8` = `3e2`\r\n"
    "If e+ or e- are followed by bracket, it will be taken as a function\r\n"
    "Like `e(3)`=`10^3`  `e-(0.1)`=`10^(-0.1)`\r\n"
    "`(-3*2)e+(2+0.5)` = `-6*10^(2.5)`",

    "\r\n\r\n() [] {}\r\n"
    "Brackets\r\n"
    "The three kinds are the same: any opening bracket is closed by any closing one\r\n"
    "`{1+[2]}*2=`6\r\n"
    "A number or a variable before a bracket multiplies it: `2(3+1)=`8\r\n"
    "Two bracketed groups side by side are multiplied: `(1+1)(2+1)=`6\r\n"
    "A number right after a closing bracket is a power: `(1+2)2=`9\r\n"
    "Empty brackets hold 0, so pi() is pi(0)\r\n"
    "With bracketon a double click just left of a bracket selects the bracketed text",

    "\r\n\r\n^\r\n"
    "Power\r\n"
    "`2^10=`1024\r\n"
    "For a negative x, x^y is -(|x|^y) unless y is an even whole number:\r\n"
    "`(-2)^3=`-8  `(-2)^2=`4\r\n"
    "For |y|<1 it is a root: an odd root keeps the sign, `(-8)^(1/3)=`-2\r\n"
    "An even root of a negative number is an error: (-4)^0.5\r\n"
    "A digit after x, y or z is a power: x2 is x^2\r\n"
    "Powers are calculated from left to right: `2^3^2=`64 is (2^3)^2",

    "\r\n\r\n!\r\n"
    "Factorial\r\n"
    "`5!=`120 is the same as fac(5)\r\n"
    "A number that is not whole gives gamma(x+1): `0.5!` = `gamma(1.5)`\r\n"
    "`3!!=`720 is (3!)!\r\n"
    "Above 170! the result is too big: Error: Overflow\r\n"
    "!() and != are not the factorial but boolean operators, see below",

    "\r\n\r\n# %\r\n"
    "Real number and integer remainder.\r\n"
    "x#y stands for the real remainder of x/y\r\n"
    "n%k stands for the integer remainder of n/k\r\n"
    "x and y are the real numbers, n and k are the integers\r\n"
    "And x#y is the same as fmod(x,y) function\r\n"
    "n%k is the same as mod(n,k) function\r\n"
    "If # followed by 0, `x#0`=`x/1000`\r\n"
    "If % followed by 0, `x%0`=`x/100`",

    "\r\n\r\n%\r\n"
    "Percent sign\r\n"
    "A % at the end, or before a closing bracket, an operator or a comparison,\r\n"
    "divides by 100: `50%=`0.5\r\n"
    "The percent sign goes before * and /: `200*15%=`30\r\n"
    "Followed by a number, % is the integer remainder (see # %): `7%3=`1",

    "\r\n\r\n*\r\n"
    "Multiplication\r\n"
    "The sign may be left out between a number and a variable, a bracket or a\r\n"
    "function name, and between two variables: 2x  xy  3(x+1)  2sin(x)\r\n"
    "`x=3`  `2x=`6  `2(x+1)=`8  `xz=`9.424778",

    "\r\n\r\n/\r\n"
    "Division\r\n"
    "`7/2=`3.5\r\n"
    "A division by 0 gives Error: divided by zero",

    "\r\n\r\n:\r\n"
    "Integer quotient\r\n"
    "n:k divides the integer parts of n and k and cuts the result towards zero\r\n"
    "`7:2=`3  `-7:2=`-3  `7.9:2.1=`3\r\n"
    "An integer part of k equal to 0 is an error",

    "\r\n\r\n+\r\n"
    "Addition\r\n"
    "`1+2=`3\r\n"
    "A sign right after another operator is dropped: 1+-4 is 1+4, 2*-3 is 2*3\r\n"
    "`1+-4=`5",

    "\r\n\r\n-\r\n"
    "Subtraction and minus sign\r\n"
    "`5-8=`-3\r\n"
    "The minus sign is applied after the power: `-2^2=`-4  `(-2)^2=`4\r\n"
    "A minus sign right after an operator, a comparison or a comma is dropped,\r\n"
    "so write a negative number there in brackets: `2*(-3)=`-6  `3>(-1)=`1",

    "\r\n\r\n'\r\n"
    "Digit separator, which is left out: `1'000'000/8=`125000\r\n"
    "\r\n"
    ",\r\n"
    "Separates the parameters of a function: `pow(2,10)=`1024\r\n"
    "A sign right after a comma is dropped: `pow(2,-1)=`2 is pow(2,1)\r\n"
    "So put a negative parameter in brackets: `pow(2,(-1))=`0.5\r\n"
    "\r\n"
    ";\r\n"
    "Separates the parameters of the & # @ commands: `&s(1;10;1;x)=`55",

    "\r\n\r\nBoolean operators:\r\n"
    "!() or not()\tNot\r\n"
    "&& or and\tAnd\r\n"
    "|| or or\t\tOr\r\n"
    "> >=\t\tbigger, not smaller\r\n"
    "< <=\t\tsmaller, not bigger\r\n"
    "==\t\tequal\r\n"
    "!= <>\t\tnot equal\r\n"
    "The return values of boolean operators are true=1 and false=0",

    "\r\n\r\nBoolean function:\r\n"
    "?(bool,x,y) or if(bool,x,y)\r\n"
    "if bool!=0 return x, else return y\r\n"
    "\r\n"
    "$(x) or sign(x)\r\n"
    "if x>0 return 1, if x<0 return -1, if x=0 return 0",

    "\r\n\r\nBit operators:\r\n"
    "~()\t\tBit Not\r\n"
    "&\t\tBit And\r\n"
    "|\t\tBit Or\r\n"
    "&| or |&\t\tBit Xor",

    "\r\n\r\nPriority grade\r\n"
    "1st Grade:  () e+ e- !() ?() ~() $()\r\n"
    "2nd Grade: ^ ! % (Percent sign)\r\n"
    "3rd Grade:  * / # % : \r\n"
    "4th Grade: + -\r\n"
    "5th Grade: Boolean and bit operators except !() ?() $() ~()\r\n"
    "Operators in the same grade calculate sequentially\r\n"
    "If there are two operators coming together, Only the first operator will be read in\r\n"
    "The exceptions are the factorial sign, percent sign and boolean operators\r\n"
    "`11^-3` = `11^3`   `1+-4-%^4`=`1+4-4`\r\n"
    "`3%%`=`(3%)%`   `3!!`=`(3!)!`   `3%!`=`(3%)!`\r\n"
    "Boolean and bit operators are useful in defining functions\r\n"
    "For example, #define ( func(x) ; ?( x&1 , 3*x+1 , x/2) )",
};

}  // namespace

HelpBlocks OperatorBlocks() {
  return kBlocks;
}

}  // namespace orvo::detail
