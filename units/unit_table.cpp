// The unit table. Definitions are exact where a standard fixes them:
//   SI     the SI Brochure, 9th edition (2019, updated 2022): the base and derived units, the
//          non-SI units accepted for use with the SI (min, h, d, au, deg, ha, L, t, Da, eV) and
//          the prefixes, ronna, quetta, ronto and quecto included; the defining constants c,
//          h, e, k, N_A are exact.
//   NIST   NIST SP 811 (2008), appendix B: the inch (0.0254 m), the avoirdupois pound
//          (0.45359237 kg), the US gallon (231 cubic inches), the imperial gallon (4.54609 L),
//          the standard atmosphere (101325 Pa), the conventional mmHg (133.322387415 Pa), the
//          thermochemical calorie (4.184 J), the International Table BTU (1055.05585262 J),
//          standard gravity (9.80665 m/s^2) and the nautical mile (1852 m).
//   IEC    IEC 80000-13: the binary prefixes Ki to Yi; a byte is 8 bits.
//   IAU    IAU 2012 and 2015 resolutions: the astronomical unit, the light year and the parsec.
//   CODATA CODATA 2022 recommended values of the measured constants (G, eps0, mu0, m_e, m_p, u).
// A bit is a count and has no dimension, like an angle: 1 B is 8, 1 rad is 1, 1 deg is pi/180.
#include <numbers>

#include "units/detail/unit_table.h"

namespace orvo::detail {
namespace {

using enum PrefixRule;
constexpr double kPi = std::numbers::pi;

constexpr double kInch = 0.0254;                           // NIST
constexpr double kFoot = 12 * kInch;                       // NIST
constexpr double kPound = 0.45359237;                      // NIST
constexpr double kGravity = 9.80665;                       // NIST: standard acceleration of gravity
constexpr double kPoundForce = kPound * kGravity;          // NIST
constexpr double kUsGallon = 231 * kInch * kInch * kInch;  // NIST
constexpr double kImperialGallon = 4.54609e-3;             // NIST
constexpr double kPlanck = 6.62607015e-34;                 // SI, exact
constexpr double kElementaryCharge = 1.602176634e-19;      // SI, exact
constexpr double kBoltzmann = 1.380649e-23;                // SI, exact
constexpr double kAvogadro = 6.02214076e23;                // SI, exact
constexpr double kLightSpeed = 299792458;                  // SI, exact
constexpr double kJulianYear = 365.25 * 86400;             // IAU: the year of the light year
constexpr double kAstronomicalUnit = 149597870700;         // IAU 2012, exact
constexpr double kDalton = 1.66053906892e-27;              // CODATA 2022

constexpr UnitRow kRows[] = {
    // SI base units; the kilogram is the gram with its prefix.
    {"m", 1, Dim(1), kSi, 0, "length"},
    {"g", 1e-3, Dim(0, 1), kSi, 0, "mass"},
    {"s", 1, Dim(0, 0, 1), kSi, 0, "time"},
    {"A", 1, Dim(0, 0, 0, 1), kSi, 0, "electric current"},
    {"K", 1, Dim(0, 0, 0, 0, 1), kSi, 0, "temperature"},
    {"mol", 1, Dim(0, 0, 0, 0, 0, 1), kSi, 0, "amount of substance"},
    {"cd", 1, Dim(0, 0, 0, 0, 0, 0, 1), kSi, 0, "luminous intensity"},
    // SI derived units with special names.
    {"rad", 1, kDimensionless, kSi},
    {"sr", 1, kDimensionless, kSi},
    {"Hz", 1, Dim(0, 0, -1), kSi, 0, "frequency"},
    {"N", 1, Dim(1, 1, -2), kSi, 0, "force"},
    {"Pa", 1, Dim(-1, 1, -2), kSi, 0, "pressure"},
    {"J", 1, Dim(2, 1, -2), kSi, 0, "energy"},
    {"W", 1, Dim(2, 1, -3), kSi, 0, "power"},
    {"C", 1, Dim(0, 0, 1, 1), kSi, 0, "electric charge"},
    {"V", 1, Dim(2, 1, -3, -1), kSi, 0, "voltage"},
    {"F", 1, Dim(-2, -1, 4, 2), kSi, 0, "capacitance"},
    {"ohm \u03A9", 1, Dim(2, 1, -3, -2), kSi, 0, "resistance"},
    {"S", 1, Dim(-2, -1, 3, 2), kSi, 0, "conductance"},
    {"Wb", 1, Dim(2, 1, -2, -1), kSi, 0, "magnetic flux"},
    {"T", 1, Dim(0, 1, -2, -1), kSi, 0, "magnetic flux density"},
    {"H", 1, Dim(2, 1, -2, -2), kSi, 0, "inductance"},
    {"lm", 1, Dim(0, 0, 0, 0, 0, 0, 1), kSi},
    {"lx", 1, Dim(-2, 0, 0, 0, 0, 0, 1), kSi, 0, "illuminance"},
    {"Bq", 1, Dim(0, 0, -1), kSi},
    {"Gy", 1, Dim(2, 0, -2), kSi},
    {"Sv", 1, Dim(2, 0, -2), kSi},
    {"kat", 1, Dim(0, 0, -1, 0, 0, 1), kSi, 0, "catalytic activity"},
    // Time (SI accepted; the week and the Julian year of 365.25 days).
    {"min", 60, Dim(0, 0, 1)},
    {"h", 3600, Dim(0, 0, 1)},
    {"d", 86400, Dim(0, 0, 1)},
    {"wk", 7 * 86400, Dim(0, 0, 1)},
    {"yr", kJulianYear, Dim(0, 0, 1)},
    // Angles (SI accepted; the gon and the revolution).
    {"deg \u00B0", kPi / 180, kDimensionless},
    {"arcmin", kPi / 10800, kDimensionless},
    {"arcsec", kPi / 648000, kDimensionless},
    {"grad", kPi / 200, kDimensionless},
    {"rev", 2 * kPi, kDimensionless},
    {"pi", kPi, kDimensionless},
    // Length.
    {"in", kInch, Dim(1)},
    {"ft", kFoot, Dim(1)},
    {"yd", 3 * kFoot, Dim(1)},
    {"mi", 5280 * kFoot, Dim(1)},
    {"furlong", 660 * kFoot, Dim(1)},
    {"nmi", 1852, Dim(1)},
    {"au", kAstronomicalUnit, Dim(1)},
    {"ly", kLightSpeed* kJulianYear, Dim(1)},
    {"pc", kAstronomicalUnit * 648000 / kPi, Dim(1), kSi},
    // Area and volume.
    {"ha", 1e4, Dim(2), kNone, 0, "area"},
    {"acre", 43560 * kFoot* kFoot, Dim(2)},
    {"L l", 1e-3, Dim(3), kSi, 0, "volume"},
    {"gal", kUsGallon, Dim(3)},
    {"galUK", kImperialGallon, Dim(3)},
    {"floz", kUsGallon / 128, Dim(3)},
    {"flozUK", kImperialGallon / 160, Dim(3)},
    // Speed and acceleration.
    {"mph", 5280 * kFoot / 3600, Dim(1, 0, -1), kNone, 0, "velocity"},
    {"knot kn", 1852.0 / 3600, Dim(1, 0, -1)},
    {"g0", kGravity, Dim(1, 0, -2), kNone, 0, "acceleration"},
    // Mass.
    {"t", 1000, Dim(0, 1)},
    {"lb", kPound, Dim(0, 1)},
    {"oz", kPound / 16, Dim(0, 1)},
    {"Da", kDalton, Dim(0, 1), kSi},
    {"u", kDalton, Dim(0, 1)},
    // Force and pressure.
    {"lbf", kPoundForce, Dim(1, 1, -2)},
    {"kgf", kGravity, Dim(1, 1, -2)},
    {"dyn", 1e-5, Dim(1, 1, -2)},
    {"bar", 1e5, Dim(-1, 1, -2), kSi},
    {"atm", 101325, Dim(-1, 1, -2)},
    {"Torr", 101325.0 / 760, Dim(-1, 1, -2)},
    {"mmHg", 133.322387415, Dim(-1, 1, -2)},
    {"psi", kPoundForce / (kInch * kInch), Dim(-1, 1, -2)},
    // Energy, power and charge.
    {"eV", kElementaryCharge, Dim(2, 1, -2), kSi},
    {"cal", 4.184, Dim(2, 1, -2), kSi},
    {"Wh", 3600, Dim(2, 1, -2), kSi},
    {"BTU Btu", 1055.05585262, Dim(2, 1, -2)},
    {"erg", 1e-7, Dim(2, 1, -2)},
    {"hp", 550 * kFoot* kPoundForce, Dim(2, 1, -3)},
    {"Ah", 3600, Dim(0, 0, 1, 1), kSi},
    // Temperatures: degC and degF after a number are points of their scales, elsewhere (and as
    // deltadegC, deltadegF) the size of their degree. Rankine is absolute.
    {"degC \u00B0C", 1, Dim(0, 0, 0, 0, 1), kNone, 273.15},
    {"degF \u00B0F", 5.0 / 9, Dim(0, 0, 0, 0, 1), kNone, 459.67},
    {"degR Rankine", 5.0 / 9, Dim(0, 0, 0, 0, 1)},
    {"deltadegC", 1, Dim(0, 0, 0, 0, 1)},
    {"deltadegF", 5.0 / 9, Dim(0, 0, 0, 0, 1)},
    // Information.
    {"bit", 1, kDimensionless, kBytes},
    {"B", 8, kDimensionless, kBytes},
    // Constants, each with its unit.
    {"c", kLightSpeed, Dim(1, 0, -1)},
    {"G", 6.67430e-11, Dim(3, -1, -2)},
    {"h_P", kPlanck, Dim(2, 1, -1)},
    {"hbar", kPlanck / (2 * kPi), Dim(2, 1, -1)},
    {"q_e", kElementaryCharge, Dim(0, 0, 1, 1)},
    {"k_B", kBoltzmann, Dim(2, 1, -2, 0, -1)},
    {"N_A", kAvogadro, Dim(0, 0, 0, 0, 0, -1)},
    {"R", kAvogadro* kBoltzmann, Dim(2, 1, -2, 0, -1, -1)},
    {"eps0", 8.8541878188e-12, Dim(-3, -1, 4, 2)},
    {"mu0", 1.25663706127e-6, Dim(1, 1, -2, -2)},
    {"m_e", 9.1093837139e-31, Dim(0, 1)},
    {"m_p", 1.67262192595e-27, Dim(0, 1)},
};

// SI Brochure table 7 (micro also as the micro sign and the Greek mu), IEC 80000-13.
constexpr Prefix kPrefixes[] = {
    {"da", 1e1},          {"Ki", 0x1p10, true}, {"Mi", 0x1p20, true}, {"Gi", 0x1p30, true},
    {"Ti", 0x1p40, true}, {"Pi", 0x1p50, true}, {"Ei", 0x1p60, true}, {"Zi", 0x1p70, true},
    {"Yi", 0x1p80, true}, {"\u00B5", 1e-6},     {"\u03BC", 1e-6},     {"Q", 1e30},
    {"R", 1e27},          {"Y", 1e24},          {"Z", 1e21},          {"E", 1e18},
    {"P", 1e15},          {"T", 1e12},          {"G", 1e9},           {"M", 1e6},
    {"k", 1e3},           {"h", 1e2},           {"d", 1e-1},          {"c", 1e-2},
    {"m", 1e-3},          {"u", 1e-6},          {"n", 1e-9},          {"p", 1e-12},
    {"f", 1e-15},         {"a", 1e-18},         {"z", 1e-21},         {"y", 1e-24},
    {"r", 1e-27},         {"q", 1e-30},
};

const UnitRow* FindExact(std::string_view name) {
  for (const UnitRow& row : kRows) {
    std::string_view names = row.names;
    while (!names.empty()) {
      std::size_t end = names.find(' ');
      if (names.substr(0, end) == name) return &row;
      names.remove_prefix(end == std::string_view::npos ? names.size() : end + 1);
    }
  }
  return nullptr;
}

bool Takes(PrefixRule rule, const Prefix& prefix) {
  switch (rule) {
    case kNone:
      return false;
    case kSi:
      return !prefix.binary;
    case kBytes:
      return prefix.binary || prefix.factor >= 1e3;
  }
  return false;
}

}  // namespace

std::span<const UnitRow> UnitRows() {
  return kRows;
}

std::span<const Prefix> Prefixes() {
  return kPrefixes;
}

std::optional<FoundUnit> FindUnit(std::string_view name) {
  if (const UnitRow* row = FindExact(name)) return FoundUnit{row, 1};
  for (const Prefix& prefix : kPrefixes) {
    if (name.size() <= prefix.symbol.size() || !name.starts_with(prefix.symbol)) continue;
    const UnitRow* row = FindExact(name.substr(prefix.symbol.size()));
    if (row != nullptr && Takes(row->prefixes, prefix)) return FoundUnit{row, prefix.factor};
  }
  return std::nullopt;
}

std::string_view KindOf(const Dimension& dimension) {
  if (dimension.IsNone()) return "dimensionless";
  for (const UnitRow& row : kRows) {
    if (!row.kind.empty() && row.dimension == dimension) return row.kind;
  }
  return {};
}

}  // namespace orvo::detail
