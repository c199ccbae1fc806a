#include "console/detail/routes.h"

#include "base/text.h"
#include "console/detail/messages.h"
#include "console/session.h"

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
    {"u(", UnitsHandler, 0, true},
    {"oper", HelpHandler, kHelpOper},
    {"func", HelpHandler, kHelpFunc},
    {"phys", HelpHandler, kHelpPhys},
    {"geom", HelpHandler, kHelpGeom},
    {"chem", HelpHandler, kHelpChem},
    {"atom", HelpHandler, kHelpAtom},
    {"other", HelpHandler, kHelpOther},
    {"u", HelpHandler, kHelpUnits},
};

// The "&" words: the tools of the numeric module and the help pages.
CommandAnswer AmpersandHandler(ConsoleSession& session, const Route&, std::string_view text) {
  const Route* route = FindRoute(kAmpersand, text);
  if (route == nullptr) return FailedAnswer(std::string(msg::kNoSuchAmpersand));
  return route->run(session, *route, text.substr(route->word.size()));
}

constexpr Route kFamilies[] = {
    {"&", AmpersandHandler},
    {"#", DefinitionHandler},
    {"@", MatrixHandler},
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

const Route* FamilyPage(char family) {
  return family == '&' ? &kFamilyPages[0] : family == '#' ? &kFamilyPages[1] : &kFamilyPages[2];
}

bool RunsAsTyped(std::string_view command) {
  const Route* route =
      StartsWith(command, "&") ? FindRoute(kAmpersand, command.substr(1)) : nullptr;
  return route != nullptr && route->asTyped;
}

const Route* FamilyRoute(char family) {
  return FindRoute(kFamilies, std::string_view(&family, 1));
}

const Route* FindRoute(std::span<const Route> routes, std::string_view text) {
  for (const Route& route : routes) {
    if (StartsWith(text, route.word)) return &route;
  }
  return nullptr;
}

}  // namespace orvo::detail
