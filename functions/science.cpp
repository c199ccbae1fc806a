// Physical constants, unit conversions and small formulas of physics and chemistry. Masses,
// charges and lengths are taken without their signs.
#include <cmath>

#include "functions/detail/branches.h"
#include "functions/detail/messages.h"

namespace orvo::detail {
namespace {

// The physical constants are the CODATA 2022 recommended values. Since 2019 h, e, k and N_A are
// exact by definition, and so are the Faraday constant N_A e, the gas constant N_A k and the
// molar volume R 273.15 K / 101325 Pa, given here as the doubles nearest to them.
constexpr double kGravitation = 6.6743e-11;  // G, m^3/(kg s^2)
constexpr double kCoulomb = 8987551786.2;    // 1/(4 pi ep), N m^2/C^2

// A number as a template argument. Clang before 18 takes no double there, but takes a class
// that holds one; the rows still read Constant<96485.33212331001>.
struct Literal {
  double value;
  constexpr Literal(double v) : value(v) {}
};

// A constant ignores its single argument: pi() and pi(7) are both pi.
template <Literal kValue>
void Constant(FunctionCall& call) {
  call.value = kValue.value;
}

// av(n) and atm(n): the constant times |n|, or the constant itself for n = 0.
template <Literal kValue>
void ScaledConstant(FunctionCall& call) {
  double n = call.args[0];
  call.value = n == 0 ? kValue.value : kValue.value * std::fabs(n);
}

// g() is the gravitational constant; g(h) is h times the acceleration of gravity, at the poles
// (h > 0) or at the equator (h < 0).
void Gravity(FunctionCall& call) {
  double x = call.signedFirst;
  call.value = x == 0 ? kGravitation : x > 0 ? 9.80665 * x : -9.78033 * x;
}

void RadiansToDegrees(FunctionCall& call) {
  call.value = call.signedFirst * 57.29577951308232;
}

void DegreesToRadians(FunctionCall& call) {
  call.value = call.signedFirst * 0.017453292519943295;
}

// Celsius to kelvin and back, never below absolute zero.
void Kelvin(FunctionCall& call) {
  double k = call.signedFirst + 273.15;
  call.value = k < 0 ? 0 : k;
}

void Celsius(FunctionCall& call) {
  double t = call.signedFirst - 273.15;
  call.value = t < -273.15 ? -273.15 : t;
}

// The resultant of forces f1 and f2 at an angle theta (radians).
void Resultant(FunctionCall& call) {
  double f1 = call.signedFirst;
  double f2 = Arg(call, 2);
  call.value = std::sqrt(f1 * f1 + (2 * f1 * std::cos(Arg(call, 3)) + f2) * f2);
}

void ReducedMass(FunctionCall& call) {
  double m1 = std::fabs(call.args[0]);
  double m2 = std::fabs(Arg(call, 2));
  call.value = m1 * m2 / (m1 + m2);
}

// sqrt(1 - v^2/c^2), the Lorentz contraction factor; 0 at and beyond the speed of light.
void Contraction(FunctionCall& call) {
  double v = std::fabs(call.args[0]);
  double w = 1 - v * v * 1.1126500560536183e-17;
  call.value = w <= 0 ? 0 : std::sqrt(w);
}

void GravityField(FunctionCall& call) {
  call.value = kGravitation * std::fabs(call.args[0]) / std::fabs(Arg(call, 2));
}

void CoulombField(FunctionCall& call) {
  call.value = kCoulomb * std::fabs(call.args[0]) / std::fabs(Arg(call, 2));
}

// The period 2 pi sqrt(m/k) of a mass on a spring.
void Oscillation(FunctionCall& call) {
  call.value = 6.283185307179586 * std::sqrt(std::fabs(call.args[0] / Arg(call, 2)));
}

// The Williams-Landel-Ferry shift log aT at temperature T for reference Tref.
double WlfShift(double a, double b, double t, double tref) {
  return -((t - tref) * a) / ((t - tref) + b);
}

void Wlf(FunctionCall& call) {
  call.value = WlfShift(17.44, 51.6, call.signedFirst, Arg(call, 2));
}

void Wlfs(FunctionCall& call) {
  call.value = WlfShift(8.86, 101.6, call.signedFirst, Arg(call, 2));
}

// Scherrer's crystal size from the X-ray wavelength, the half peak width in degrees and the
// diffraction angle 2 theta in degrees.
double ScherrerSize(double lambda, double fwhm, double twoTheta) {
  return (lambda * 0.89) / (fwhm * 0.017453292519943295) /
         std::cos(twoTheta * 0.008726646259971648);
}

void Xrd(FunctionCall& call) {
  call.value = ScherrerSize(call.signedFirst, Arg(call, 2), Arg(call, 3));
}

// The same for the K-alpha line of an anode metal.
template <Literal kWavelength>
void XrdAnode(FunctionCall& call) {
  call.value = ScherrerSize(kWavelength.value, call.signedFirst, Arg(call, 2));
}

// Molar masses of CcHhOo and CcHhOoNn.
constexpr double kCarbon = 12.0107;
constexpr double kHydrogen = 1.00794;
constexpr double kOxygen = 15.9994;
constexpr double kNitrogen = 14.0067;

double Cho(const FunctionCall& call) {
  return kCarbon * std::fabs(call.args[0]) + kHydrogen * std::fabs(Arg(call, 2)) +
         kOxygen * std::fabs(Arg(call, 3));
}

void MolarMassCho(FunctionCall& call) {
  call.value = Cho(call);
}

void MolarMassChon(FunctionCall& call) {
  call.value = Cho(call) + kNitrogen * std::fabs(Arg(call, 4));
}

constexpr FunctionRow kRows[] = {
    One(Fn::kPi, "pi", "pi(): pi", Constant<3.141592653589793>),
    One(Fn::kEl, "el", "el(): Euler's constant", Constant<0.5772156649015329>),  // Euler's constant
    One(Fn::kU, "u", "u(): atomic mass unit, kg",
        Constant<1.66053906892e-27>),  // atomic mass unit, kg
    One(Fn::kEv, "ev", "ev(): elementary charge, C",
        Constant<1.602176634e-19>),  // elementary charge, C
    One(Fn::kF, "f", "f(): Faraday constant, C/mol",
        Constant<96485.33212331001>),  // Faraday constant, C/mol
    One(Fn::kH, "h", "h(): Planck constant, J s",
        Constant<6.62607015e-34>),  // Planck constant, J s
    One(Fn::kEp, "ep", "ep(): electric constant, F/m",
        Constant<8.8541878188e-12>),  // electric constant, F/m
    One(Fn::kMu, "mu", "mu(): magnetic constant in 1e-7 N/A^2",
        Constant<12.5663706127>),  // magnetic constant / 1e-7, N/A^2
    One(Fn::kG, "g", "g(n): n times the acceleration of gravity; g() is the gravitational constant",
        Gravity),
    One(Fn::kMe, "me", "me(): electron mass, kg", Constant<9.1093837139e-31>),  // electron mass, kg
    One(Fn::kMp, "mp", "mp(): proton mass, kg", Constant<1.67262192595e-27>),   // proton mass, kg
    One(Fn::kMn, "mn", "mn(): neutron mass, kg", Constant<1.67492750056e-27>),  // neutron mass, kg
    One(Fn::kAv, "av", "av(n): the number of particles in n mol; av() is the Avogadro constant",
        ScaledConstant<6.02214076e+23>),  // Avogadro constant, 1/mol
    One(Fn::kR, "r", "r(): molar gas constant, J/(mol K)",
        Constant<8.31446261815324>),  // gas constant, J/(mol K)
    One(Fn::kBo, "bo", "bo(): Boltzmann constant, J/K",
        Constant<1.380649e-23>),  // Boltzmann constant, J/K
    Exact(Fn::kFf, "ff", "ff(f1,f2,theta): resultant of two forces at the angle theta", 3,
          msg::kFfMissing, Resultant),
    FixedWithStatus(Fn::kMass, "mass", "mass(m1,m2): reduced mass", 2, msg::kMassMissing,
                    Code(Fn::kFf), ReducedMass),
    One(Fn::kVc, "vc", "vc(v): relativistic factor of the speed v", Contraction),
    ExactWithStatus(Fn::kCho, "cho", "cho(c,h,o): molar mass of CcHhOo, g/mol", 3, msg::kChoMissing,
                    Code(Fn::kFf), MolarMassCho),
    ExactWithStatus(Fn::kChon, "chon", "chon(c,h,o,n): molar mass of CcHhOoNn, g/mol", 4,
                    msg::kChonMissing, Code(Fn::kFf), MolarMassChon),
    One(Fn::kK, "k", "k(t): degrees Celsius to kelvin", Kelvin),
    One(Fn::kVm, "vm", "vm(): molar volume of an ideal gas, m^3/mol",
        Constant<0.022413969545014137>),  // molar volume of an ideal gas, m^3/mol
    One(Fn::kAtm, "atm", "atm(n): n standard atmospheres in Pa", ScaledConstant<101325.0>),  // Pa
    One(Fn::kRtod, "rtod", "rtod(x): radians to degrees", RadiansToDegrees),
    One(Fn::kDtor, "dtor", "dtor(x): degrees to radians", DegreesToRadians),
    Fixed(Fn::kGmr, "gmr", "gmr(m,r): gravitational potential of a mass m at the distance r", 2,
          msg::kGmrMissing, GravityField),
    Fixed(Fn::kKqr, "kqr", "kqr(q,r): electric potential of a charge q at the distance r", 2,
          msg::kKqrMissing, CoulombField),
    Fixed(Fn::kFreq, "freq", "freq(m,k): period of a mass m on a spring of stiffness k", 2,
          msg::kFreqMissing, Oscillation),
    One(Fn::kT, "t", "t(k): kelvin to degrees Celsius", Celsius),
    Fixed(Fn::kWlf, "wlf", "wlf(T,Tg): WLF shift of a polymer", 2, msg::kWlfMissing, Wlf),
    Fixed(Fn::kWlfs, "wlfs", "wlfs(T,Ts): WLF shift with a reference temperature", 2,
          msg::kWlfsMissing, Wlfs),
    Fixed(Fn::kXrd, "xrd", "xrd(lambda,FWHM,2theta): crystal size by Scherrer's formula", 3,
          msg::kXrdMissing, Xrd),
    Fixed(Fn::kXrdcu, "xrdcu", "xrdcu(FWHM,2theta): crystal size for Cu K-alpha radiation", 2,
          msg::kXrdcuMissing, XrdAnode<0.154056>),  // copper
    Fixed(Fn::kXrdcr, "xrdcr", "xrdcr(FWHM,2theta): crystal size for Cr K-alpha radiation", 2,
          msg::kXrdcrMissing, XrdAnode<0.22897>),  // chromium
    Fixed(Fn::kXrdfe, "xrdfe", "xrdfe(FWHM,2theta): crystal size for Fe K-alpha radiation", 2,
          msg::kXrdfeMissing, XrdAnode<0.193604>),  // iron
    Fixed(Fn::kXrdco, "xrdco", "xrdco(FWHM,2theta): crystal size for Co K-alpha radiation", 2,
          msg::kXrdcoMissing, XrdAnode<0.178897>),  // cobalt
    One(Fn::kAl, "al", "al(): fine-structure constant",
        Constant<0.0072973525643>),  // fine-structure constant
    One(Fn::kRb, "rb", "rb(): Rydberg constant, 1/m",
        Constant<10973731.568157>),  // Rydberg constant, 1/m
};

}  // namespace

std::span<const FunctionRow> ScienceBranches() {
  return kRows;
}

}  // namespace orvo::detail
