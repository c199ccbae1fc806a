#include "app/display_check.h"

#include <array>

namespace orvo::app {
namespace {

// Qt platform plugins that draw through a display server, by the start of their names
// ("wayland-egl", "xcb:option=...").
constexpr std::array<std::string_view, 2> kDisplayPlatforms = {"xcb", "wayland"};

bool NeedsServer(std::string_view platform) {
  platform = platform.substr(0, platform.find(':'));
  if (platform.empty()) return true;  // Qt's default on a desktop is X11 or Wayland
  for (std::string_view prefix : kDisplayPlatforms) {
    if (platform.starts_with(prefix)) return true;
  }
  return false;
}

// Qt tries the platforms of a list in turn: one that needs no server is enough.
bool AllNeedServer(std::string_view platforms) {
  for (;;) {
    std::size_t semicolon = platforms.find(';');
    if (!NeedsServer(platforms.substr(0, semicolon))) return false;
    if (semicolon == std::string_view::npos) return true;
    platforms.remove_prefix(semicolon + 1);
  }
}

// Qt reads "-platform NAME" and "--platform NAME" alike.
std::string_view PlatformArgument(int argc, const char* const* argv, std::string_view fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") return argv[i + 1];
  }
  return fallback;
}

}  // namespace

bool LacksDisplay(int argc, const char* const* argv, const DisplayEnvironment& environment) {
  if (!environment.display.empty() || !environment.waylandDisplay.empty()) return false;
  return AllNeedServer(PlatformArgument(argc, argv, environment.qpaPlatform));
}

}  // namespace orvo::app
