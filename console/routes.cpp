#include "console/detail/routes.h"

#include "base/text.h"

namespace orvo::detail {
namespace {

constexpr Route kAmpersand[] = {
    {"s(", SequenceSumHandler},
    {"is(", IntegrateHandler, 0},  // Simpson
    {"ir(", IntegrateHandler, 1},  // Romberg
    {"ig(", IntegrateHandler, 2},  // Gauss-Legendre
    {"it(", IntegrateHandler, 3},  // trapezium
    {"rt(", RootsHandler},
    {"st(", StatisticsHandler},
    {"it1(", IntegrateHandler, 4},  // curve integral of the first kind
    {"it2(", IntegrateHandler, 5},  // arc length
    {"prt(", PolynomialRootsHandler},
    {"lrt(", LinearEquationsHandler},
    {"plot(", PlotHandler},
    {"oper", HelpHandler, kHelpOper},
    {"func", HelpHandler, kHelpFunc},
    {"phys", HelpHandler, kHelpPhys},
    {"geom", HelpHandler, kHelpGeom},
    {"chem", HelpHandler, kHelpChem},
    {"atom", HelpHandler, kHelpAtom},
    {"other", HelpHandler, kHelpOther},
};

constexpr Route kHash[] = {
    {"undef(", DefinitionHandler},  {"savedef", DefinitionHandler}, {"viewdef", DefinitionHandler},
    {"loaddef", DefinitionHandler}, {"define(", DefinitionHandler}, {"include(", DefinitionHandler},
};

constexpr Route kAt[] = {
    {"(", MatrixHandler},      {"1(", MatrixHandler},     {"2(", MatrixHandler},
    {"0(", MatrixHandler},     {"i(", MatrixHandler},     {"+(", MatrixHandler},
    {"-(", MatrixHandler},     {"*(", MatrixHandler},     {"d(", MatrixHandler},
    {"d+(", MatrixHandler},    {"d-(", MatrixHandler},    {"d*(", MatrixHandler},
    {"qr(", MatrixHandler},    {"lu(", MatrixHandler},    {"ln(", MatrixHandler},
    {"lg(", MatrixHandler},    {"ev(", MatrixHandler},    {"sub(", MatrixHandler},
    {"set(", MatrixHandler},   {"det(", MatrixHandler},   {"log(", MatrixHandler},
    {"sin(", MatrixHandler},   {"cos(", MatrixHandler},   {"tan(", MatrixHandler},
    {"exp(", MatrixHandler},   {"pow(", MatrixHandler},   {"c*(", MatrixHandler},
    {"c/(", MatrixHandler},    {"sinh(", MatrixHandler},  {"cosh(", MatrixHandler},
    {"tanh(", MatrixHandler},  {"root(", MatrixHandler},  {"trans(", MatrixHandler},
    {"gauss(", MatrixHandler}, {"rankc(", MatrixHandler}, {"rankr(", MatrixHandler},
    {"chsky(", MatrixHandler},
};

// Each family's page when nothing follows its character ("&=", "#=", "@=").
constexpr Route kFamilyPages[] = {
    {"", HelpHandler, kHelpAmpersand},
    {"", HelpHandler, kHelpHash},
    {"", HelpHandler, kHelpAt},
};

}  // namespace

std::span<const Route> AmpersandRoutes() {
  return kAmpersand;
}
std::span<const Route> HashRoutes() {
  return kHash;
}
std::span<const Route> AtRoutes() {
  return kAt;
}

const Route* FamilyPage(char family) {
  return family == '&' ? &kFamilyPages[0] : family == '#' ? &kFamilyPages[1] : &kFamilyPages[2];
}

const Route* FindRoute(std::span<const Route> routes, std::string_view text) {
  for (const Route& route : routes) {
    if (StartsWith(text, route.word)) return &route;
  }
  return nullptr;
}

}  // namespace orvo::detail
