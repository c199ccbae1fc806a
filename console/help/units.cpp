// The "&u=" page: physical units, their rules and the units by kind.
#include "console/detail/help_pages.h"

namespace orvo::detail {
namespace {

constexpr std::string_view kUnits[] = {
    "Physical units\r\n"
    "&u(expression)  &u(expression;unit)\r\n"
    "Numbers carry units; the dimensions are checked, and the value is converted to the\r\n"
    "unit after ; or else written in the simplest SI unit (N, J, Pa, ..., or kg*m/s^2)\r\n"
    "The answer follows the = at the precision (prec=): 60mph;km/h gives 96.56064 km/h\r\n"
    "`&u(60mph;km/h)=`  `&u(9.81m/s^2*3kg)=`  `&u(2.5kWh;MJ)=`  `&u(1atm;psi)=`",

    "\r\n\r\nHow to write units\r\n"
    "Case matters: mPa is a millipascal and MPa a megapascal, ms and Ms differ\r\n"
    "Blanks are removed, so units are joined with * or /: N*m, km/h, J/(mol*K)\r\n"
    "A number followed by a unit is one operand, and ^ binds tighter: 2m^2 is two\r\n"
    "square metres, 1/2m is 1/(2 m); + - * / ^ ( ) and a unary minus as usual\r\n"
    "A number's exponent wins over a prefix: 1E3m is 1000 m, not one exametre\r\n"
    "A whole name wins over a prefix and a name: min is the minute, Pa the pascal,\r\n"
    "cd the candela, nmi the nautical mile; then the longest prefix: dam is 10 m\r\n"
    "h is the hour (km/h); Planck's constant is h_P; t is the tonne, G the constant\r\n"
    "of gravitation; names of your own (#define) are not used inside &u\r\n"
    "The target must be a unit (km/h, J/(mol*K), deg), never a bare number",

    "\r\n\r\nTemperatures\r\n"
    "A number followed by degC or degF is a point of that scale: 25degC is 298.15 K\r\n"
    "A difference of temperatures is in K, deltadegC or deltadegF; elsewhere degC and\r\n"
    "degF are the size of their degree (J/degC is J/K)\r\n"
    "The target degC or degF reads the result as a temperature on that scale\r\n"
    "`&u(25degC;degF)=`  `&u(300K;degC)=`  `&u(30degC-25degC;deltadegF)=`",

    "\r\n\r\nFunctions and powers\r\n"
    "Angles have no dimension: rad, deg, grad, rev, arcmin and arcsec are factors\r\n"
    "The functions of &func= take dimensionless arguments: sin(30deg) is 0.5\r\n"
    "sqrt, curt, abs and ^ with a number work on any quantity; the exponent of a unit\r\n"
    "is a fraction p/q with q up to 12: m^(1/2), m^0.25\r\n"
    "`&u(sin(30deg))=`0.5  `&u(sqrt(16m^2))=`  `&u(atan(1);deg)=`",

    "\r\n\r\nUnits (* takes the SI prefixes)\r\n"
    "Length       m* in ft yd mi nmi furlong au ly pc*\r\n"
    "Mass         g* t lb oz u Da*\r\n"
    "Time         s* min h d wk yr (the Julian year, 365.25 d)\r\n"
    "Area         ha acre\r\n"
    "Volume       L* l* gal (US) galUK floz (US) flozUK\r\n"
    "Speed        mph knot kn\r\n"
    "Force        N* lbf kgf dyn\r\n"
    "Pressure     Pa* bar* atm Torr mmHg psi\r\n"
    "Energy       J* eV* cal* Wh* BTU Btu erg\r\n"
    "Power        W* hp (mechanical, 550 ft*lbf/s)\r\n"
    "Electricity  A* C* V* F* ohm* S* Wb* T* H* Ah*\r\n"
    "Temperature  K* degC degF degR Rankine deltadegC deltadegF\r\n"
    "Angle        rad* sr* deg arcmin arcsec grad rev pi\r\n"
    "Other SI     Hz* mol* cd* lm* lx* Bq* Gy* Sv* kat*\r\n"
    "Data         bit B, with k M G T ... and the binary Ki Mi Gi Ti ...: kB, MiB, GiB\r\n"
    "Constants    c g0 G h_P hbar q_e k_B N_A R eps0 mu0 m_e m_p\r\n"
    "Prefixes     Q R Y Z E P T G M k h da d c m u n p f a z y r q (u is micro)\r\n"
    "Exact where defined (NIST SP 811, SI Brochure); constants from CODATA 2022",
};

}  // namespace

HelpBlocks UnitsBlocks() {
  return kUnits;
}

}  // namespace orvo::detail
