#include "engine/detail/name_table.h"

#include <utility>

#include "base/text.h"

namespace orvo::detail {
namespace {

struct NameRow {
  std::string_view name;  // as it stands after normalisation
  int code;               // synonyms share a code
};

// The whole vocabulary of built-in functions and constants. Names that hold x, y, z, e or digits
// appear in the upper-case spelling the normaliser gives them, so the splitter keeps them whole.
constexpr NameRow kNames[] = {
    {"c", 1},
    {"p", 2},
    {"ln", 3},
    {"lg", 4},
    {"LOGTEN", 4},
    {"log", 5},
    {"EXP", 6},
    {"pow", 7},
    {"power", 7},
    {"sqrt", 8},
    {"curt", 9},
    {"JZERO", 10},
    {"JONE", 11},
    {"jn", 12},
    {"YZERO", 13},
    {"YONE", 14},
    {"YN", 15},
    {"gamma", 16},
    {"gammaln", 17},
    {"lngamma", 17},
    {"igamma", 18},
    {"gammainc", 18},
    {"incgamma", 18},
    {"beta", 19},
    {"ibeta", 20},
    {"betainc", 20},
    {"incbeta", 20},
    {"si", 21},
    {"ci", 22},
    {"ei", 23},
    {"sin", 24},
    {"cos", 25},
    {"tg", 26},
    {"tan", 26},
    {"asin", 27},
    {"arcsin", 27},
    {"acos", 28},
    {"arccos", 28},
    {"atg", 29},
    {"atan", 29},
    {"arctg", 29},
    {"arctan", 29},
    {"sind", 30},
    {"cosd", 31},
    {"tgd", 32},
    {"tand", 32},
    {"sh", 33},
    {"sinh", 33},
    {"ch", 34},
    {"cosh", 34},
    {"th", 35},
    {"tgh", 35},
    {"tanh", 35},
    {"ash", 36},
    {"asinh", 36},
    {"arcsh", 36},
    {"arcsinh", 36},
    {"ach", 37},
    {"acosh", 37},
    {"arcch", 37},
    {"arccosh", 37},
    {"ath", 38},
    {"atgh", 38},
    {"atanh", 38},
    {"arcth", 38},
    {"arctgh", 38},
    {"arctanh", 38},
    {"artri", 39},
    {"inrtri", 40},
    {"cirtri", 41},
    {"arrpg", 42},
    {"inrrpg", 43},
    {"cirrpg", 44},
    {"HYPOT", 45},
    {"mean", 46},
    {"average", 46},
    {"hmean", 47},
    {"stdev", 48},
    {"avedev", 49},
    {"stdevn", 50},
    {"erf", 51},
    {"ndis", 52},
    {"tdis", 53},
    {"fdis", 54},
    {"bdis", 55},
    {"kdis", 56},
    {"abs", 57},
    {"fabs", 57},
    {"fac", 58},
    {"fact", 58},
    {"mol", 59},
    {"mod", 60},
    {"fmod", 61},
    {"polYN", 62},
    {"lcm", 63},
    {"gcf", 64},
    {"gcd", 64},
    {"arg", 65},
    {"argd", 66},
    {"round", 67},
    {"int", 68},
    {"FIX", 68},  // protected like the other names with x, y, z or digits
    {"floor", 69},
    {"ceil", 70},
    {"ATANTWO", 71},
    {"pi", 100},
    {"el", 101},
    {"u", 102},
    {"ev", 103},
    {"f", 104},
    {"h", 105},
    {"ep", 106},
    {"mu", 107},
    {"g", 108},
    {"me", 109},
    {"mp", 110},
    {"mn", 111},
    {"av", 112},
    {"r", 113},
    {"bo", 114},
    {"ff", 115},
    {"mass", 116},
    {"vc", 117},
    {"cho", 118},
    {"chon", 119},
    {"k", 120},
    {"vm", 121},
    {"atm", 122},
    {"vsphere", 123},
    {"sfsphere", 124},
    {"vCYLinder", 125},
    {"sfCYLinder", 126},
    {"vcone", 127},
    {"sfcone", 128},
    {"vtorus", 129},
    {"sftorus", 130},
    {"rtod", 131},
    {"dtor", 132},
    {"distpp", 133},
    {"distpl", 134},
    {"anglell", 135},
    {"gmr", 136},
    {"kqr", 137},
    {"freq", 138},
    {"t", 139},
    {"wlf", 140},
    {"wlfs", 141},
    {"XRD", 142},
    {"XRDcu", 143},
    {"XRDcr", 144},
    {"XRDfe", 145},
    {"XRDco", 146},
    {"al", 147},
    {"rb", 148},
    {"not", 158},
    {"?", 159},
    {"if", 159},
    {"~", 160},
    {"$", 161},
    {"sign", 161},
    {"sinl", 241},
    {"cosl", 251},
    {"tanl", 261},
    {"inrcir", 431},
    {"circir", 432},
    {"inverf", 511},
    {"erfinv", 511},
    {"invn", 521},
    {"ninv", 521},
    {"invndis", 521},
    {"ndisinv", 521},
    {"invt", 531},
    {"tinv", 531},
    {"invtdis", 531},
    {"tdisinv", 531},
    {"invf", 541},
    {"finv", 541},
    {"invfdis", 541},
    {"fdisinv", 541},
    {"e", 1000},
    {"e+", 1000},
    {"e-", 1001},
    {"invgammaln", 1811},
    {"gammalninv", 1811},
};

static_assert(std::size(kNames) == 184, "the language has 184 function names");

}  // namespace

int LookUpFunctionCode(std::string_view name) {
  if (name.empty() || name.size() > 10) return -1;
  for (const NameRow& row : kNames) {
    if (row.name == name) return row.code;
  }
  return -1;
}

std::string DisplayName(std::string_view name) {
  // Undo the normaliser's protections; the rest only needs lower case.
  static constexpr std::pair<std::string_view, std::string_view> kSpellings[] = {
      {"LOGTEN", "log10"}, {"JONE", "j1"},  {"JZERO", "j0"},
      {"YONE", "y1"},      {"YZERO", "y0"}, {"ATANTWO", "atan2"},
  };
  std::string result(name);
  for (auto [held, shown] : kSpellings) ReplaceAll(result, held, shown);
  ToLowerAsciiInPlace(result);
  return result;
}

}  // namespace orvo::detail

namespace orvo {

std::vector<FunctionName> FunctionNames() {
  std::vector<FunctionName> result;
  for (const detail::NameRow& row : detail::kNames) {
    result.push_back({detail::DisplayName(row.name), row.code});
  }
  return result;
}

}  // namespace orvo
