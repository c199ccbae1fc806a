#pragma once
#include "console/help_pages.h"

// The data of each help page (console/help/).
namespace orvo::detail {

HelpBlocks OperatorBlocks();
HelpBlocks FunctionBlocks();
HelpBlocks PhysicsBlocks();
HelpBlocks GeometryBlocks();
HelpBlocks ChemistryBlocks();
HelpBlocks AtomBlocks();
HelpBlocks OtherBlocks();
HelpBlocks AmpersandBlocks();
HelpBlocks HashBlocks();
HelpBlocks AtBlocks();
HelpBlocks UnitsBlocks();

}  // namespace orvo::detail
