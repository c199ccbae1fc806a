// The help pages: a page replaces the whole console, and the Enter key's own line break then
// leaves the caret on the empty line below its prompt.
#include "console/help_pages.h"

#include <algorithm>

#include "base/text.h"
#include "console/detail/help_pages.h"
#include "console/detail/routes.h"
#include "console/session.h"

namespace orvo {
namespace {

// Indexed by HelpTopic.
constexpr HelpBlocks (*kPages[])() = {
    detail::OperatorBlocks,   // kHelpOper
    detail::FunctionBlocks,   // kHelpFunc
    detail::PhysicsBlocks,    // kHelpPhys
    detail::GeometryBlocks,   // kHelpGeom
    detail::ChemistryBlocks,  // kHelpChem
    detail::AtomBlocks,       // kHelpAtom
    detail::OtherBlocks,      // kHelpOther
    detail::AmpersandBlocks,  // kHelpAmpersand
    detail::HashBlocks,       // kHelpHash
    detail::AtBlocks,         // kHelpAt
    detail::UnitsBlocks,      // kHelpUnits
};
static_assert(std::size(kPages) == kHelpUnits + 1, "one page per help topic");

}  // namespace

HelpBlocks HelpPageBlocks(HelpTopic topic) {
  if (topic < 0 || topic >= static_cast<int>(std::size(kPages))) return {};
  return kPages[topic]();
}

std::string HelpPageText(HelpTopic topic) {
  std::string page;
  for (std::string_view block : HelpPageBlocks(topic)) page += block;
  std::erase(page, kExampleMark);
  return page;
}

namespace detail {

// A page is never a failure, whatever its lines begin with ("Error function" on &func=).
CommandAnswer HelpHandler(ConsoleSession&, const Route& route, std::string_view) {
  std::string page = HelpPageText(static_cast<HelpTopic>(route.arg));
  if (page.empty()) return {"", Placement::kAtCaret};
  return {std::move(page), Placement::kReplacesScreen};
}

}  // namespace detail
}  // namespace orvo
