#pragma once

#include "base/version.h"

// The window's own words. The console's texts belong to the command console.
namespace orvo::app::text {

inline constexpr char kTitle[] = "Orvo";  // window, message boxes and dialogs

// The menus. The console's own commands (the help index, the about text, the font) are here
// too, with the window's other commands and their shortcuts.
inline constexpr char kMenuFile[] = "&File";
inline constexpr char kMenuNewSession[] = "&New session...";
inline constexpr char kMenuSavePlot[] = "&Save plot...";
inline constexpr char kMenuQuit[] = "&Quit";
inline constexpr char kMenuEdit[] = "&Edit";
inline constexpr char kMenuUndo[] = "&Undo";
inline constexpr char kMenuRedo[] = "&Redo";
inline constexpr char kMenuCopyAnswer[] = "&Copy answer";
inline constexpr char kMenuPaste[] = "&Paste";
inline constexpr char kMenuSelectAll[] = "Select &all";
inline constexpr char kMenuView[] = "&View";
inline constexpr char kMenuStatusLine[] = "&Status line";
inline constexpr char kMenuPlot[] = "&Plot";
inline constexpr char kMenuWrap[] = "&Wrap long lines";
inline constexpr char kMenuFont[] = "&Font and colours...";
inline constexpr char kMenuHelp[] = "&Help";
inline constexpr char kMenuHelpIndex[] = "Help &index";
inline constexpr char kMenuOperators[] = "&Operators";
inline constexpr char kMenuFunctions[] = "&Functions";
inline constexpr char kMenuNumerical[] = "&Numerical tools";
inline constexpr char kMenuMatrices[] = "&Matrices";
inline constexpr char kMenuDefinitions[] = "&Definitions";
inline constexpr char kMenuShortcuts[] = "&Keyboard shortcuts";
inline constexpr char kMenuAbout[] = "&About Orvo";

// The help pane.
inline constexpr char kHelpTitle[] = "Help";
inline constexpr char kHelpSearch[] = "Find (Ctrl+F)";
inline constexpr char kHelpIndexPage[] =
    "View Functions:\r\n&oper= &func= &geom= &phys= &chem= &atom= &other= &= @= #=\r\n"
    "Choose a page in the list above, or input one of them in the console and press Enter\r\n"
    "Press Enter with no char input to clear screen\r\n"
    "\r\nCtrl+F finds a word on the page shown.\r\n"
    "F1 with the caret on a name shows where the pages describe it.\r\n";
inline constexpr char kShortcutsPage[] =
    "Keyboard shortcuts\r\n"
    "\r\n"
    "Enter                 run the last line (a line ending in = is evaluated)\r\n"
    "Enter on an old line  copy its command to the last line\r\n"
    "Number-pad Enter      add = and run\r\n"
    "Enter on empty line   clear the screen (Ctrl+Z brings it back)\r\n"
    "Up, Down             earlier and later commands\r\n"
    "Ctrl+Z, Ctrl+Shift+Z  undo and redo typing and screen changes\r\n"
    "Ctrl+Shift+C          copy the last answer's value\r\n"
    "Ctrl+V                paste; each pasted line runs as a command\r\n"
    "Esc                   stop a long command\r\n"
    "Tab                   a tab character\r\n"
    "Double click          on a bracket: the bracketed text; else the number or word\r\n"
    "F1                    help (on a name: where the pages describe it)\r\n"
    "F2                    bracket checking on or off\r\n"
    "F3                    on-screen keyboard (onboard or florence)\r\n"
    "Ctrl+F                find in the help pane\r\n"
    "Ctrl+Q, Ctrl+W        quit\r\n";

// The status line and the empty console.
inline constexpr char kWorking[] = "Working... Esc cancels";
inline constexpr char kCopied[] = "Copied the last answer: %1";  // %1: the value
inline constexpr char kNothingToCopy[] = "No answer to copy";
inline constexpr char kNoValueToCopy[] = "The last answer has no value to copy";
inline constexpr char kOldLinesReadOnly[] =
    "Earlier lines stay as they are: typing goes to the last line. To reuse a line, put the "
    "caret on it and press Enter, or select it and copy.";
inline constexpr char kNothingToUndo[] =
    "Nothing to undo: answers stay; Ctrl+Z takes back typing and screen changes";
inline constexpr char kNothingToRedo[] = "Nothing to redo";
inline constexpr char kNoOnScreenKeyboard[] =
    "No on-screen keyboard found: F3 starts onboard or florence when one is installed";
inline constexpr char kNewSessionStarted[] =
    "started a new session; the last one is kept as %1";  // %1: the backup file
inline constexpr char kPlaceholder[] =
    "Type an expression ending in = and press Enter \u00B7 F1 help";

// The console's context menu entry that opens the About box.
inline constexpr char kAboutEntry[] = "&About Orvo...";

inline constexpr char kAboutBoxTitle[] = "About Orvo";
inline constexpr char kAboutBoxText[] =
    "<p><b>Orvo " ORVO_VERSION
    "</b></p>"
    "<p>A scientific calculator driven by command lines: type an expression or a command after "
    "the last prompt line and press Enter.</p>"
    "<p>Press F1 in the console for the list of help pages.</p>"
    "<p>Licensed under the MIT license.</p>";

inline constexpr char kFontDialogTitle[] = "Orvo: console font";
inline constexpr char kLookDialogTitle[] = "Orvo: font and colours";
inline constexpr char kLookFont[] = "&Font...";
inline constexpr char kLookBackground[] = "&Background";
inline constexpr char kLookDark[] = "&Dark set";
inline constexpr char kLookLight[] = "&Light set";
// %1: the kind of line, %2: its contrast, %3: the least allowed.
inline constexpr char kLookRefused[] =
    "Not taken: %1 would have a contrast of only %2:1 against the background (at least %3:1 "
    "keeps them readable).";
inline constexpr char kLookPreview[] =
    "1+2=3\n\\\\\n5*-2=10\n\\\\\nsin(1e6)=\nWaring: x is too big for sin(x)\n-0.34999037\n"
    "\\\\\n1/0=\nError: divided by zero\n\\\\\n&foo=\nError: There was no such & function\n"
    "Input &= and press Enter to see & functions\n\\\\\n";

// The chart of "&plot", its context menu and what saving it may answer.
inline constexpr char kPlotTitle[] = "Plot";
inline constexpr char kPlotSavePng[] = "Save as &PNG...";
inline constexpr char kPlotSaveSvg[] = "Save as &SVG...";
inline constexpr char kPlotReset[] = "Show the whole &range";
inline constexpr char kPlotSaveFilter[] = "PNG images (*.png);;SVG images (*.svg)";
inline constexpr char kPlotFileName[] = "orvo-plot.png";
inline constexpr char kPlotImageFailed[] = "The image could not be made";
inline constexpr char kPlotNotSaved[] = "The chart could not be saved as %1: %2";

// The settings file, beside the executable or in the user's configuration folder.
inline constexpr char kSettingsFileName[] = "font&color.txt";
inline constexpr char kConfigFolder[] = "orvo";

// The session: the file in the state folder, the menu command that starts anew, what is said.
inline constexpr char kSessionFileName[] = "session.txt";
inline constexpr char kNewQuestion[] =
    "Start a new, empty session? The current one is kept as %1 (in place of the one kept there "
    "before).";
inline constexpr char kSessionMovedAside[] =
    "The saved session could not be read (%1). It is kept as %2; this window starts empty.";
inline constexpr char kSessionKeptInPlace[] =
    "The saved session could not be read (%1) nor moved aside (%2). It stays as it is, and "
    "this window does not save over it.";
inline constexpr char kSessionNotSaved[] = "The session could not be saved: %1";
inline constexpr char kFontNotSaved[] = "The font and colours could not be saved: %1";

}  // namespace orvo::app::text
