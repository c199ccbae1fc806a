#pragma once
#include <span>
#include <string>
#include <string_view>

// The help pages: fixed texts carried as data. A page is a list of blocks joined in order; most
// blocks begin with an empty line, and the console shows the page with a prompt line after it.
// The window lists the pages in its Help menu, so they are part of the console's interface.
//
// What a user can type is marked in the blocks with backquotes, which the console never shows:
//   `c(5,2)=`10           a line to type; text right after the closing mark (up to a blank or a
//                         line end) is how its answer begins
//   `3%%`=`(3%)%`         two expressions that the page says are equal
// The marked lines of one block are meant to be typed in order into one console, so a block can
// define something and then use it. The tests type them all.
namespace orvo {

// The pages, as the "&" help words name them (a help route's `arg`).
enum HelpTopic : int {
  kHelpOper,
  kHelpFunc,
  kHelpPhys,
  kHelpGeom,
  kHelpChem,
  kHelpAtom,
  kHelpOther,
  kHelpAmpersand,
  kHelpHash,
  kHelpAt,
  kHelpUnits,
};

inline constexpr char kExampleMark = '`';

using HelpBlocks = std::span<const std::string_view>;

// The blocks of one page, marks included; empty for a topic that has no page.
HelpBlocks HelpPageBlocks(HelpTopic topic);

// The page as the console shows it: the blocks joined, without the marks and without the prompt.
std::string HelpPageText(HelpTopic topic);

}  // namespace orvo
