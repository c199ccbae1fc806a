// The "&other=" page: the settings, the screen store, the keys of the window, its font and
// colours, and the terminal face.
#include "console/detail/help_pages.h"

namespace orvo::detail {
namespace {

constexpr std::string_view kBlocks[] = {
    "Other operations\r\n\r\n",

    "x=\r\n"
    "x=, y=, z= and prec= without = at the end set the variables and the precision\r\n"
    "x=5 sets x to 5; the value may be any expression, also of x, y and z: x=x+1  y=2*x\r\n"
    "x starts as 0, y as e=2.7182818 and z as pi=3.1415927; y=e and z=pi set them back\r\n"
    "A value that cannot be calculated leaves the variable as it was and shows why\r\n"
    "x=, y=, z= with = at the end show the values\r\n"
    "prec=n shows results with n significant digits, 6 to 16 (8 at the start); prec= shows n\r\n"
    "The numerical tools stop refining when they agree to 10^-prec\r\n"
    "`x=5`  `x=x+1`  `x^2=`36  `prec=12`  `1/3=`0.333333333333  `prec=`12",

    "\r\n\r\nbracketon & bracketoff\r\n"
    "bracketon: a double click just left of a bracket selects the bracketed text,\r\n"
    "so you see which brackets pair up (an unpaired bracket is selected alone)\r\n"
    "bracketoff: a double click selects a word as usual\r\n"
    "F2 switches between the two\r\n"
    "`bracketoff`  `bracketon`",

    "\r\n\r\nsave 1,2,3,...,10\r\n"
    "save n keeps the whole console text in slot n (1 to 10) and clears the screen\r\n"
    "load n brings the screen of slot n back; the slot keeps it\r\n"
    "delete n empties slot n, so that it can be saved again\r\n"
    "The slots last until Orvo is closed; nothing is written to disk\r\n"
    "`save 1`  `load 1`  `delete 1`",

    "\r\n\r\nPress Enter (on the main keyboard) with no char input\r\n"
    "The screen is cleared, wherever the caret is\r\n"
    "Enter after a line that ends with = runs it, wherever the caret is in the line;\r\n"
    "a line without = at the end is a setting or gives only a new prompt line",

    "\r\n\r\nPress Enter (on the numberpad)\r\n"
    "Adds = at the end of the line and runs it: 1+2 and the Enter of the numberpad\r\n"
    "give 1+2=3",

    "\r\n\r\nPress F1\r\n"
    "Shows the list of help pages, like the HELP menu:\r\n"
    "&oper= &func= &geom= &phys= &chem= &atom= &other= &= @= #=",

    "\r\n\r\nPress F3\r\n"
    "Starts an on-screen keyboard: onboard, or florence when onboard is not installed\r\n"
    "(nothing happens when neither is)\r\n"
    "Tab types a tab character into the console",

    "\r\n\r\nFont and Color\r\n"
    "The FONT menu chooses the font of the console and the colour of its text\r\n"
    "At start Orvo reads font&color.txt beside the orvo executable, or else\r\n"
    "~/.config/orvo/font&color.txt ($XDG_CONFIG_HOME/orvo/font&color.txt)\r\n"
    "Its eight lines hold the font size in tenths of a point, the font name, the red,\r\n"
    "green and blue (0 to 255) of the text colour and then those of the background\r\n"
    "Anything after the number on a line is ignored, so a line may carry a comment\r\n"
    "A size outside 80 to 1440, an empty name, or equal text and background colours\r\n"
    "keep the values they would replace\r\n"
    "Dropping such a file on the menu bar applies it at once\r\n"
    "Without the file: 14 pt Verdana, light grey on black",

    "\r\n\r\nPress Esc\r\n"
    "Stops a long calculation, such as an integral or the roots of a big polynomial",

    "\r\n\r\n&plot in the window\r\n"
    "&plot(a;b;f(x);...)= draws its curves beside the console; a new &plot replaces them\r\n"
    "The wheel zooms about the pointer, dragging moves, a double click shows a to b again\r\n"
    "The pointer shows x and each f(x); dots mark the minimum and maximum, rings the zeros\r\n"
    "A right click saves the chart as PNG or SVG; the x of its title bar closes it\r\n"
    "`&plot(-5;5;sin(x);x^2/10-1)=`",

    "\r\n\r\norvo-cli\r\n"
    "The same calculator in a terminal:\r\n"
    "orvo-cli '1+2=' 'x=5' 'x^2='\ttypes each argument as a line and prints the answers\r\n"
    "echo '2^10=' | orvo-cli\t\ttypes the lines of a pipe\r\n"
    "orvo-cli\t\t\ton a terminal: interactive, with line editing and\r\n"
    "\t\t\t\thistory; Ctrl+C stops a long calculation, Ctrl+D quits\r\n"
    "orvo-cli --transcript < lines\tprints the whole console text, byte for byte\r\n"
    "orvo-cli --plot FILE.svg ...\twrites the chart of the last &plot to FILE.svg;\r\n"
    "\t\t\t\twithout it a terminal shows each chart in braille\r\n"
    "The exit status is 1 when an answer was an error\r\n"
    "A file dialog or a question of a command reads its answer from the next line:\r\n"
    "a path, or y or n; an empty line cancels",
};

}  // namespace

HelpBlocks OtherBlocks() {
  return kBlocks;
}

}  // namespace orvo::detail
