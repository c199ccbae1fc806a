#pragma once
#include <string_view>

// Whether the window has a display to open on, decided before Qt tries: Qt's own answer to a
// missing display is to abort the process.
namespace orvo::app {

// What the decision reads from the environment.
struct DisplayEnvironment {
  std::string_view display;         // DISPLAY
  std::string_view waylandDisplay;  // WAYLAND_DISPLAY
  std::string_view qpaPlatform;     // QT_QPA_PLATFORM
};

// True when the window would need a display server and neither X11 nor Wayland names one. The
// platform is the one of "-platform NAME" among the arguments, else QT_QPA_PLATFORM (a list
// separated by ";"), else Qt's default; only X11 and Wayland, and the default, need a display,
// so offscreen, minimal, vnc and the like always pass.
bool LacksDisplay(int argc, const char* const* argv, const DisplayEnvironment& environment);

}  // namespace orvo::app
