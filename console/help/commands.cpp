// The pages of the three command families: "&=" (numerical tools), "#=" (functions of the
// user's own) and "@=" (matrices and complex numbers).
#include "console/detail/help_pages.h"

namespace orvo::detail {
namespace {

constexpr std::string_view kAmpersand[] = {
    "& Functions\r\n"
    "Numerical tools: the parameters are separated by ; and may be expressions\r\n"
    "End the line with = and press Enter; the precision (prec=) sets the tolerance 10^-prec\r\n"
    "More help: &oper= &func= &geom= &phys= &chem= &atom= &other= &u=",

    "\r\n\r\n&is(a;b;f(x))  &ir(a;b;f(x))  &ig(a;b;f(x))  &it(a;b;f(x))\r\n"
    "Integral of f(x) from a to b by Simpson's rule, Romberg's method, Gauss-Legendre\r\n"
    "(5 points) and the trapezium rule; a and b may come in either order\r\n"
    "The steps are refined until two results agree to 10^-prec; the answer shows the\r\n"
    "value, the steps used (Times) and the last relative change (Eps)\r\n"
    "&it1(a;b;f(x)): curve integral of f along its own graph, the integral of\r\n"
    "  f(x)*sqrt(1+f'(x)^2) from a to b\r\n"
    "&it2(a;b;f(x)): length of the graph of f(x) from a to b\r\n"
    "f(x) may use y and z; a and b are calculated with y=e and z=pi\r\n"
    "`&is(0;1;x^2)=`0.33333333  `&ig(0;1;x^3)=`0.25  `&it1(0;1;x)=`0.70710678\r\n"
    "`&it2(0;1;x)=`1.4142136",

    "\r\n\r\n&s(a;n;st;f(x))\r\n"
    "Sum of n terms f(a)+f(a+st)+f(a+2*st)+...; st is a plain number, not an\r\n"
    "expression, and 0 means 1\r\n"
    "`&s(1;100;1;x)=`5050  `&s(1;10;2;x^2)=`1330",

    "\r\n\r\n&st(x1;x2;...;xn)  &st(a|x1;x2;...;xn)\r\n"
    "Statistics of a sample of at least two values: maximum, minimum, median, mean,\r\n"
    "sum, standard deviation, average deviation and the confidence interval of the\r\n"
    "mean by the t distribution\r\n"
    "a is the significance level, 0<a<1, 0.05 when left out (confidence level 95 %)\r\n"
    "With a=0.05 Grubbs' test looks for abnormal values\r\n"
    "`&st(1;2;3;4;5)=`  `&st(0.1|1;2;3)=`",

    "\r\n\r\n&rt(f(x))  &rt(a;b;f(x))\r\n"
    "Up to five real roots of f(x)=0 by Newton's method from random starting points\r\n"
    "in [a,b], [-10,10] when left out; a root outside [a,b] may be found too\r\n"
    "f(x)=0 is the same when the expression contains x\r\n"
    "`&rt(x^2-4)=`  `&rt(0;5;x^2-2x-3)=`  `x^3-x=0`",

    "\r\n\r\n&prt(an;...;a1;a0)\r\n"
    "All real and complex roots of the polynomial an*x^n+...+a1*x+a0\r\n"
    "(the coefficients from the highest power down)\r\n"
    "an;...;a1;a0=0 is the same\r\n"
    "`&prt(1;-3;2)=`  `1;0;1=0`",

    "\r\n\r\n&lrt(a11;...;a1n|b1|a21;...;a2n|b2|...|an1;...;ann|bn)\r\n"
    "Solves up to 20 linear equations ai1*x1+ai2*x2+...+ain*xn=bi: each row holds its\r\n"
    "coefficients separated by ; and then | and the right side and | again\r\n"
    "The answer shows the matrix as read and the roots x[1] to x[n]\r\n"
    "`&lrt(2;1|3|1;-1|0)=`",

    "\r\n\r\n&plot(a;b;f(x))  &plot(a;b;f(x);g(x);...)\r\n"
    "Samples up to four functions of x from a to b and sums up each curve: its minimum\r\n"
    "and maximum, where it crosses zero, its poles and jumps, where it has no value\r\n"
    "The window draws the curves beside the console; orvo-cli draws them on a terminal\r\n"
    "`&plot(0;4;x^2-2)=`  `&plot(-5;5;sin(x);x^2/10-1)=`",

    "\r\n\r\n&u(expression)  &u(expression;unit)\r\n"
    "Physical units: numbers with units, their dimensions checked, converted to the unit\r\n"
    "after ; or written in the simplest SI unit; &u= lists the units and the rules\r\n"
    "`&u(60mph;km/h)=`  `&u(3kg*9.81m/s^2)=`",
};

constexpr std::string_view kHash[] = {
    "# Functions\r\n"
    "Up to ten functions of your own, which expressions and commands then call like\r\n"
    "the built-in ones",

    "\r\n\r\n#define(name(p1,p2,...);expression)\r\n"
    "Defines the function name with the parameters p1,p2,...:\r\n"
    "`#define(f(x,y);x^2+y)=`  `f(2,3)=`7  `f(f(1,1),2)=`6\r\n"
    "A parameter is a name without brackets or operators; the expression must use\r\n"
    "each parameter and must not contain the name of the function\r\n"
    "Empty brackets define a function without parameters: #define(two();1+1)\r\n"
    "A definition may call the functions defined before; it keeps them as they were\r\n"
    "Boolean operators help, as in the step of the 3x+1 problem:\r\n"
    "`#define(step(n);?(n&1,3*n+1,n/2))=`  `step(7)=`22  `step(22)=`11",

    "\r\n\r\n#undef(name)\r\n"
    "Removes the function name: `#define(g(x);2*x)=`  `#undef(g)=`\r\n"
    "#undef()= removes all the defined functions, after a question",

    "\r\n\r\n#viewdef=\r\n"
    "Lists the defined functions with their parameters and expressions\r\n"
    "`#define(half(t);t/2)=`  `#viewdef=`",

    "\r\n\r\n#savedef=\r\n"
    "Saves the defined functions in a definition file (.def) chosen in a file dialog,\r\n"
    "which opens in Orvo's folder (see #include). A name without / is saved there,\r\n"
    "a path with / is used as given",

    "\r\n\r\n#loaddef=\r\n"
    "Loads a definition file chosen in a file dialog; its functions replace all the\r\n"
    "defined ones. Dropping a definition file on the console loads it too",

    "\r\n\r\n#include(name)\r\n"
    "Loads the definition file name from Orvo's folder: $ORVO_HOME when it is set,\r\n"
    "else $XDG_CONFIG_HOME/orvo, that is ~/.config/orvo; when the file is not there,\r\n"
    "from the folder of the orvo executable. A name without an extension gets .def\r\n"
    "when no file has the name as typed\r\n"
    "A definition file holds one function a line, as #savedef writes it:\r\n"
    "#define(f(x,y);(x^2+y))\r\n"
    "Other lines are ignored, and at most ten functions are read",
};

constexpr std::string_view kAt[] = {
    "@ matrix and complex functions\r\n\r\n",

    "Three matrices of up to 20*20: mat1 and mat2 are yours, mat0 holds the results\r\n"
    "@1(m,n;a11;...;amn)\tdefines mat1 with m rows and n columns, the elements row\r\n"
    "\t\t\tby row (expressions; the missing ones are 0); @2(...) mat2\r\n"
    "@1(n,n)\t\t\tthe n*n identity matrix\r\n"
    "@(mat1)\t\t\tshows mat0, mat1 or mat2\r\n"
    "@0(mat1)\t\tcopies mat0 into mat1 or mat2\r\n"
    "@+(mat1;mat2)\t\tmat0 = mat1+mat2\r\n"
    "@-(mat1;mat2)\t\tmat0 = mat1-mat2\r\n"
    "@*(mat1;mat2)\t\tmat0 = mat1*mat2\r\n"
    "@d+(d;mat1)\t\tmat0 = d+a for each element a of mat1\r\n"
    "@d-(d;mat1)\t\tmat0 = d-a for each element a\r\n"
    "@d*(d;mat1)\t\tmat0 = d*a for each element a\r\n"
    "@d(d;mat1)\t\tthe elements of mat1 smaller than d in size become 0\r\n"
    "@set(f(x);mat1)\t\teach element becomes f(element); in f(x), x is the\r\n"
    "\t\t\telement, y its row and z its column\r\n"
    "@i(mat1)\t\tmat0 = inverse (zeros for a singular matrix)\r\n"
    "@trans(mat1)\t\tmat0 = transpose\r\n"
    "@gauss(mat1)\t\tmat0 = upper triangular form by Gaussian elimination\r\n"
    "@sub(mat1;i;j)\t\tmat0 = mat1 without row i and column j\r\n"
    "@det(mat1)\t\tdeterminant\r\n"
    "@rankr(mat1)\t\trow rank\r\n"
    "@rankc(mat1)\t\tcolumn rank\r\n"
    "@ev(mat1)\t\teigenvalues, real and complex\r\n"
    "@qr(mat1)\t\tQR split: mat1 = Q (orthogonal), mat0 = R; Q*R is the old mat1\r\n"
    "@lu(mat1)\t\tLU split without pivoting: mat1 = L, mat0 = U\r\n"
    "@chsky(mat1)\t\tCholesky split of a symmetric positive definite matrix:\r\n"
    "\t\t\tmat0 = G with G*G' = mat1\r\n"
    "mat2 may stand for mat1 everywhere. Elements smaller than 5e-15 in size show as 0\r\n"
    "`@1(2,2;1;2;3;4)=`  `@2(2,2)=`  `@*(mat1;mat2)=`  `@det(mat1)=`  `@i(mat1)=`\r\n"
    "`@ev(mat1)=`  `@0(mat2)=`",

    "\r\n\r\nComplex numbers are 1*2 matrices, the real part and then the imaginary part:\r\n"
    "@1(1,2;3;4) makes mat1 = 3+4i\r\n"
    "@sin(mat1)  @cos(mat1)  @tan(mat1)  @sinh(mat1)  @cosh(mat1)  @tanh(mat1)\r\n"
    "@exp(mat1)  @ln(mat1)  @lg(mat1)\r\n"
    "\t\t\tmat0 = the function of mat1 (or mat2)\r\n"
    "@pow(mat1;mat2)\t\tmat0 = mat1 to the power mat2\r\n"
    "@c*(mat1;mat2)\t\tmat0 = mat1*mat2\r\n"
    "@c/(mat1;mat2)\t\tmat0 = mat1/mat2\r\n"
    "@log(mat1;mat2)\t\tmat0 = the logarithm of mat2 to the base mat1\r\n"
    "@root(n;mat1)\t\tthe n roots of mat1, one a row of mat0, n from 2 to 20;\r\n"
    "\t\t\t@root(mat1) gives the two square roots\r\n"
    "A division by (nearly) 0 gives 1e16+1e16i\r\n"
    "`@1(1,2;3;4)=`  `@ln(mat1)=`  `@2(1,2;8;0)=`  `@root(3;mat2)=`  `@c/(mat2;mat1)=`",

    "\r\n\r\nThe angle of the complex number x+yi is arg(x,y) in radians, from 0 to 2pi\r\n"
    "(argd(x,y) in degrees), and its modulus is mol(x,y):\r\n"
    "`arg(3,4)=`0.92729522  `mol(3,4)=`5\r\n"
    "@ln, @lg, @log and @pow take the angle from 0 to 2pi: @ln of 0-1i is 0+4.712389i",
};

}  // namespace

HelpBlocks AmpersandBlocks() {
  return kAmpersand;
}

HelpBlocks HashBlocks() {
  return kHash;
}

HelpBlocks AtBlocks() {
  return kAt;
}

}  // namespace orvo::detail
