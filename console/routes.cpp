#include "console/detail/routes.h"

#include "base/text.h"
#include "console/completion.h"
#include "console/detail/messages.h"
#include "console/session.h"
#include "matrix/commands.h"

namespace orvo::detail {
namespace {

constexpr Route kAmpersand[] = {
    {"s(", SequenceSumHandler, 0, "&s(a;n;st;f(x)): sum of n terms of f"},
    {"is(", IntegrateHandler, 0, "&is(a;b;f(x)): Simpson integral"},
    {"ir(", IntegrateHandler, 1, "&ir(a;b;f(x)): Romberg integral"},
    {"ig(", IntegrateHandler, 2, "&ig(a;b;f(x)): Gauss-Legendre integral"},
    {"it(", IntegrateHandler, 3, "&it(a;b;f(x)): trapezium integral"},
    {"rt(", RootsHandler, 0, "&rt(a;b;f(x)): real roots of f(x)=0"},
    {"st(", StatisticsHandler, 0, "&st(x1;x2;...;xn): statistics of a sample"},
    {"it1(", IntegrateHandler, 4, "&it1(a;b;f(x)): curve integral of f along its graph"},
    {"it2(", IntegrateHandler, 5, "&it2(a;b;f(x)): length of the graph of f"},
    {"prt(", PolynomialRootsHandler, 0, "&prt(an;...;a1;a0): roots of a polynomial"},
    {"lrt(", LinearEquationsHandler, 0,
     "&lrt(a11;...;a1n|b1|a21;...;a2n|b2|...|an1;...;ann|bn): linear equations"},
    {"plot(", PlotHandler, 0, "&plot(a;b;f(x)): curves of up to four functions"},
    {"u(", UnitsHandler, 0, "&u(expression;unit): a quantity with units, in a unit", true},
    {"oper", HelpHandler, kHelpOper, "&oper=: help on operators"},
    {"func", HelpHandler, kHelpFunc, "&func=: help on functions"},
    {"phys", HelpHandler, kHelpPhys, "&phys=: help on physics functions and constants"},
    {"geom", HelpHandler, kHelpGeom, "&geom=: help on geometry functions"},
    {"chem", HelpHandler, kHelpChem, "&chem=: help on chemistry functions"},
    {"atom", HelpHandler, kHelpAtom, "&atom=: the table of elements"},
    {"other", HelpHandler, kHelpOther, "&other=: other help"},
    {"u", HelpHandler, kHelpUnits, "&u=: help on physical units"},
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
    {"", HelpHandler, kHelpAmpersand, "&=: help on the & commands"},
    {"", HelpHandler, kHelpHash, "#=: help on the # commands"},
    {"", HelpHandler, kHelpAt, "@=: help on the @ commands"},
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

namespace orvo {

std::vector<std::string_view> CommandUsages(char family) {
  switch (family) {
    case '&': {
      std::vector<std::string_view> usages;
      for (const detail::Route& route : detail::AmpersandRoutes()) usages.push_back(route.usage);
      return usages;
    }
    case '#':
      return detail::DefinitionCommandUsages();
    case '@':
      return MatrixCommandUsages();
    default:
      return {};
  }
}

}  // namespace orvo
