// The window's refusal to start without a display, decided before Qt would abort.
#include "app/display_check.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace orvo::app {
namespace {

TEST(DisplayCheck, PlatformsThatNeedADisplay) {
  const struct {
    std::vector<const char*> args;
    DisplayEnvironment environment;
    bool lacks;
  } rows[] = {
      {{"orvo"}, {}, true},
      {{"orvo"}, {":0", "", ""}, false},
      {{"orvo"}, {"", "wayland-0", ""}, false},
      {{"orvo"}, {"", "", "xcb"}, true},
      {{"orvo"}, {"", "", "wayland-egl;xcb"}, true},
      {{"orvo"}, {"", "", "offscreen"}, false},
      {{"orvo"}, {"", "", "wayland;offscreen"}, false},
      {{"orvo"}, {"", "", "vnc:size=800x600"}, false},
      {{"orvo", "-platform", "offscreen"}, {}, false},
      {{"orvo", "--platform", "minimal"}, {}, false},
      {{"orvo", "-platform", "xcb"}, {"", "", "offscreen"}, true},  // the argument wins
      {{"orvo", "--new", "-platform"}, {}, true},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(LacksDisplay(static_cast<int>(row.args.size()), row.args.data(), row.environment),
              row.lacks)
        << row.args.back() << " " << row.environment.qpaPlatform;
  }
}

TEST(DisplayCheck, WindowWithoutDisplaySaysWhereToGo) {
  std::string output;
  FILE* pipe = ::popen(
      "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" ORVO_PATH "' 2>&1; echo $?", "r");
  ASSERT_NE(pipe, nullptr);
  char buffer[512];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    output.append(buffer, n);
  ::pclose(pipe);
  EXPECT_EQ(output,
            "orvo: no display found (DISPLAY/WAYLAND_DISPLAY); the terminal calculator is "
            "orvo-cli\n1\n");
}

}  // namespace
}  // namespace orvo::app
