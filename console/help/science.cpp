// The "&phys=", "&geom=" and "&chem=" pages: formulas and constants of physics, geometry and
// chemistry. Constants are listed with the values the functions return (CODATA 2022), shown at
// a precision that prints them in full.
#include "console/detail/help_pages.h"

namespace orvo::detail {
namespace {

constexpr std::string_view kPhysics[] = {
    "Physics functions\r\n"
    "ff(f1,f2,theta): resultant of two forces f1 and f2 at the angle theta (radians),\r\n"
    "  sqrt(f1^2+f2^2+2*f1*f2*cos(theta))\r\n"
    "freq(m,k): 2pi*sqrt(m/k), the period of a mass m on a spring of stiffness k\r\n"
    "  (the frequency is 1/freq(m,k))\r\n"
    "gmr(m,r): G*m/r, the gravitational potential of a mass m at the distance r\r\n"
    "kqr(q,r): q/(4pi*ep()*r) = 8987551786.2*q/r, the electric potential of a charge q\r\n"
    "  at the distance r\r\n"
    "mass(m1,m2): reduced mass m1*m2/(m1+m2)\r\n"
    "vc(v): sqrt(1-v^2/c^2), the relativistic factor of the speed v (0 for v>=c)\r\n"
    "hmean(x1,x2,...,xn): harmonic mean (see &func=); n resistors in parallel give\r\n"
    "  hmean(r1,r2,...,rn)/n\r\n"
    "The signs of masses, charges and distances do not matter\r\n"
    "`ff(3,4,pi()/2)=`5  `freq(1,1)=`6.2831853  `kqr(1e-9,1)=`8.9875518  `mass(2,2)=`1\r\n"
    "`vc(0)=`1  `hmean(2,2)/2=`1",

    "\r\n\r\nSome constant functions\r\n"
    "The parameter is not used: `u()`=`u(1)`; at `prec=15` they show these values\r\n"
    "(CODATA 2022; h, ev, av, bo and the constants made of them are exact)\r\n"
    "`u()=`1.66053906892e-27\tatomic mass unit, kg\r\n"
    "`ev()=`1.602176634e-19\telementary charge, C (1 eV in J)\r\n"
    "`f()=`96485.33212331\tFaraday constant, C/mol\r\n"
    "`h()=`6.62607015e-34\tPlanck constant, J s\r\n"
    "`ep()=`8.8541878188e-12\telectric constant, F/m\r\n"
    "`mu()=`12.5663706127\tmagnetic constant in 1e-7 N/A^2, close to 4pi\r\n"
    "`c()=`299792458\t\tspeed of light in vacuum, m/s\r\n"
    "`g()=`6.6743e-11\t\tNewtonian constant of gravitation, m^3/(kg s^2)\r\n"
    "`g(1)=`9.80665\t\tstandard acceleration of gravity, m/s^2; g(n) is n times it\r\n"
    "`g(-1)=`9.78033\t\tacceleration of gravity at the equator; g(-n) is n times it\r\n"
    "`al()=`0.0072973525643\tfine-structure constant\r\n"
    "`rb()=`10973731.568157\tRydberg constant, 1/m\r\n"
    "`me()=`9.1093837139e-31\telectron mass, kg\r\n"
    "`mp()=`1.67262192595e-27\tproton mass, kg\r\n"
    "`mn()=`1.67492750056e-27\tneutron mass, kg",

    "\r\n\r\nOther physical constants, the conversion expression:\r\n"
    "reduced Planck constant, J s\t`h()/(2pi())=`1.0545718e-34\r\n"
    "Boltzmann constant, J/K\t\t`r()/av()=`1.380649e-23\r\n"
    "Stefan-Boltzmann constant, W/(m^2 K^4)\r\n"
    "\t\t\t\t`2*pi()^5*bo()^4/(15*h()^3*c()^2)=`5.6703744e-08\r\n"
    "Bohr magneton, J/T\t\t`ev()*h()/(4pi()*me())=`9.2740101e-24\r\n"
    "nuclear magneton, J/T\t\t`ev()*h()/(4pi()*mp())=`5.0507837e-27\r\n"
    "Bohr radius, m\t\t\t`al()/(4pi()*rb())=`5.2917721e-11\r\n"
    "classical electron radius, m\t`al()^3/(4pi()*rb())=`2.8179403e-15\r\n"
    "Compton wavelength, m\t\t`h()/(me()*c())=`2.4263102e-12\r\n"
    "Hartree energy, J\t\t`2h()*c()*rb()=`4.3597447e-18\r\n"
    "magnetic flux quantum, Wb\t`h()/(2ev())=`2.0678338e-15\r\n"
    "conductance quantum, S\t\t`2ev()^2/h()=`7.7480917e-05\r\n"
    "von Klitzing constant, ohm\t`h()/ev()^2=`25812.807\r\n"
    "Coulomb constant, N m^2/C^2\t`1/(4pi()*ep())=`8.9875518e+09\r\n"
    "impedance of vacuum, ohm\t`mu()*1e-7*c()=`376.73031\r\n"
    "proton-electron mass ratio\t`mp()/me()=`1836.1527\r\n"
    "1 eV in K\t\t\t`ev()/bo()=`11604.518\r\n"
    "1 eV in Hz\t\t\t`ev()/h()=`2.4179892e+14",
};

constexpr std::string_view kGeometry[] = {
    "Geometry functions\r\n"
    "rtod(x): radians to degrees, x*180/pi: `rtod(pi())=`180\r\n"
    "dtor(x): degrees to radians, x*pi/180: `dtor(180)=`3.1415927\r\n"
    "hypot(x,y): sqrt(x^2+y^2), the hypotenuse of the legs x and y: `hypot(3,4)=`5\r\n"
    "artri(a,b,c): area of the triangle with the sides a, b, c (Heron's formula)\r\n"
    "cirtri(a,b,c): radius of the circle through its corners, a*b*c/(4*area)\r\n"
    "inrtri(a,b,c): radius of the circle inscribed in it, 2*area/(a+b+c)\r\n"
    "  a, b, c>0 and each shorter than the sum of the other two\r\n"
    "  `artri(3,4,5)=`6  `cirtri(3,4,5)=`2.5  `inrtri(3,4,5)=`1\r\n"
    "arrpg(n,x): area of the regular polygon of n sides of length x, n*x^2/(4tan(pi/n))\r\n"
    "cirrpg(n,x): radius of its circumscribed circle, x/(2sin(pi/n))\r\n"
    "inrrpg(n,x): radius of its inscribed circle, x/(2tan(pi/n))\r\n"
    "  n>=3 is cut to an integer, x>0: `arrpg(4,1)=`1  `cirrpg(6,1)=`1  `inrrpg(4,1)=`0.5\r\n"
    "circir(n,r): side of the regular polygon of n sides around a circle of radius r,\r\n"
    "  2r*tan(pi/n)\r\n"
    "inrcir(n,r): side of the regular polygon of n sides inside a circle of radius r,\r\n"
    "  2r*sin(pi/n)\r\n"
    "  n>=3 (not cut to an integer): `circir(4,1)=`2  `inrcir(6,1)=`1",

    "\r\n\r\nSolids, points and lines\r\n"
    "vsphere(r): volume of the sphere of radius r, 4pi*r^3/3\r\n"
    "sfsphere(r): its surface, 4pi*r^2\r\n"
    "vcylinder(r,h): volume of the cylinder of radius r and height h, pi*r^2*h\r\n"
    "sfcylinder(r,h): its whole surface, 2pi*r*(r+h)\r\n"
    "vcone(r,h): volume of the cone of base radius r and height h, pi*r^2*h/3\r\n"
    "sfcone(r,h): its whole surface, pi*r*(r+sqrt(r^2+h^2))\r\n"
    "vtorus(a,b): volume of the ring of outer radius a and inner radius b,\r\n"
    "  pi^2*(a+b)*(a-b)^2/4\r\n"
    "sftorus(a,b): its surface, pi^2*(a^2-b^2)\r\n"
    "  The signs of r, h, a, b do not matter\r\n"
    "  `vsphere(1)=`4.1887902  `sfsphere(1)=`12.566371  `vcylinder(1,2)=`6.2831853\r\n"
    "  `sfcylinder(1,1)=`12.566371  `vcone(1,3)=`3.1415927  `sfcone(3,4)=`75.398224\r\n"
    "  `vtorus(3,1)=`39.478418  `sftorus(3,1)=`78.956835\r\n"
    "distpp(x1,y1,x2,y2): distance between the points (x1,y1) and (x2,y2)\r\n"
    "distpl(x,y,a,b,c): distance from the point (x,y) to the line a*x+b*y+c=0\r\n"
    "anglell(a1,b1,a2,b2): angle in radians, from 0 to pi/2, between the lines\r\n"
    "  a1*x+b1*y+c1=0 and a2*x+b2*y+c2=0\r\n"
    "  `distpp(0,0,3,4)=`5  `distpl(0,0,3,4,(-10))=`2  `anglell(1,0,0,1)=`1.5707963",

    "\r\n\r\nSome constant functions\r\n"
    "The parameter is not used: `pi()`=`pi(1)`; at `prec=16` they show these values\r\n"
    "`pi()=`3.141592653589793\t\tpi\r\n"
    "`el()=`0.5772156649015329\t\tEuler's constant\r\n"
    "`exp(1)=`2.718281828459045\te, the base of ln(x)\r\n"
    "The variables z and y start as pi and e",
};

constexpr std::string_view kChemistry[] = {
    "Chemistry functions\r\n"
    "cho(c,h,o): molar mass of the compound CcHhOo in g/mol,\r\n"
    "  12.0107*c+1.00794*h+15.9994*o: `cho(6,12,6)=`180.15588\r\n"
    "chon(c,h,o,n): molar mass of CcHhOoNn, adding 14.0067*n: `chon(1,4,1,2)=`60.05526\r\n"
    "k(t): degrees Celsius to kelvin, t+273.15 (never below 0): `k(25)=`298.15\r\n"
    "t(k): kelvin to degrees Celsius, k-273.15 (never below -273.15): `t(0)=`-273.15\r\n"
    "wlf(T,Tg): WLF shift log10(aT) = -17.44*(T-Tg)/(51.6+T-Tg) of a polymer at the\r\n"
    "  temperature T above its glass transition temperature Tg: `wlf(150,100)=`-8.5826772\r\n"
    "wlfs(T,Ts): the same with the constants 8.86 and 101.6 and a reference\r\n"
    "  temperature Ts: `wlfs(150,100)=`-2.9221636\r\n"
    "xrd(lambda,FWHM,2theta): crystal size by Scherrer's formula 0.89*lambda/(B*cos(theta)),\r\n"
    "  B the peak width FWHM in radians; FWHM and 2theta are typed in degrees, and the\r\n"
    "  size has the unit of the wavelength lambda\r\n"
    "xrdcu(FWHM,2theta): the same for Cu K-alpha radiation, lambda=0.154056 nm\r\n"
    "xrdcr(FWHM,2theta): Cr K-alpha, lambda=0.22897 nm\r\n"
    "xrdfe(FWHM,2theta): Fe K-alpha, lambda=0.193604 nm\r\n"
    "xrdco(FWHM,2theta): Co K-alpha, lambda=0.178897 nm\r\n"
    "`xrdcu(0.5,30)=`16.265877  `xrd(0.154056,0.5,30)=`16.265877",

    "\r\n\r\nSome constant functions\r\n"
    "The parameter is not used, except by av and atm: at `prec=15` they show\r\n"
    "`av()=`6.02214076e+23\tAvogadro constant, 1/mol; av(n) is the number in n mol\r\n"
    "`r()=`8.31446261815324\tmolar gas constant, J/(mol K)\r\n"
    "`bo()=`1.380649e-23\tBoltzmann constant, J/K\r\n"
    "`vm()=`0.0224139695450141\tmolar volume of an ideal gas at 273.15 K and 101.325 kPa, "
    "m^3/mol\r\n"
    "`atm()=`101325\t\tstandard atmosphere, Pa; atm(n) is n atm in Pa\r\n"
    "`av(2)=`1.204428152e+24  `atm(2)=`202650",
};

}  // namespace

HelpBlocks PhysicsBlocks() {
  return kPhysics;
}

HelpBlocks GeometryBlocks() {
  return kGeometry;
}

HelpBlocks ChemistryBlocks() {
  return kChemistry;
}

}  // namespace orvo::detail
