#pragma once

#include "base/version.h"

// The window's own words. The console's texts belong to the command console.
namespace orvo::app::text {

inline constexpr char kTitle[] = "Orvo";  // window, message boxes and dialogs

// The menu bar: three commands, no submenus.
inline constexpr char kMenuAbout[] = "&ABOUT";
inline constexpr char kMenuFont[] = "&FONT";
inline constexpr char kMenuHelp[] = "&HELP";
// Beside them, the switch of the status line.
inline constexpr char kMenuView[] = "&VIEW";

// The status line and the empty console.
inline constexpr char kWorking[] = "Working... Esc cancels";
inline constexpr char kCopied[] = "Copied the last answer: %1";  // %1: the value
inline constexpr char kNothingToCopy[] = "No answer to copy";
inline constexpr char kNoValueToCopy[] = "The last answer has no value to copy";
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
inline constexpr char kColourDialogTitle[] = "Orvo: text colour";

// The chart of "&plot", its context menu and what saving it may answer.
inline constexpr char kPlotTitle[] = "Plot";
inline constexpr char kPlotSavePng[] = "Save as &PNG...";
inline constexpr char kPlotSaveSvg[] = "Save as &SVG...";
inline constexpr char kPlotReset[] = "Show the whole &range";
inline constexpr char kPlotPngFilter[] = "PNG images (*.png)";
inline constexpr char kPlotSvgFilter[] = "SVG images (*.svg)";
inline constexpr char kPlotImageFailed[] = "The image could not be made";
inline constexpr char kPlotNotSaved[] = "The chart could not be saved as %1: %2";

// The settings file, beside the executable or in the user's configuration folder.
inline constexpr char kSettingsFileName[] = "font&color.txt";
inline constexpr char kConfigFolder[] = "orvo";

// The session: the file in the state folder, the menu command that starts anew, what is said.
inline constexpr char kSessionFileName[] = "session.txt";
inline constexpr char kMenuNew[] = "&NEW";
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
