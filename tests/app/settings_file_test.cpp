// The settings file "font&color.txt": reading it safely, and what its lines change.
#include "app/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace orvo::app {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("orvo-settings-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& content) {
    fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }

  fs::path dir_;
};

// The kind colours follow the background unless the file gives them.
ConsoleLook Look(int size, std::string name, Rgb text, Rgb background) {
  return ConsoleLook{size, std::move(name), text, background, KindsFor(background)};
}

ConsoleLook WithKeywords() {
  ConsoleLook look;
  look.kinds.answer = {0, 200, 255};
  look.italic = true;
  return look;
}

const ConsoleLook kDefault;  // 14 pt Verdana, light grey on black

struct Case {
  const char* what;
  const char* file;
  ConsoleLook expected;
};

TEST_F(SettingsFileTest, LinesChangeTheLookAfterValidation) {
  const Case cases[] = {
      {"all eight lines, comments after the numbers",
       "200\nVerdana\n0\t//Font color red\n0\n0\n255\t//Background\n255\n255\n",
       Look(200, "Verdana", {0, 0, 0}, {255, 255, 255})},
      {"only a size: name and colours stay", "200", Look(200, "Verdana", {192, 192, 192}, {})},
      {"size below 8 pt stays", "50\nCourier\n", Look(140, "Courier", {192, 192, 192}, {})},
      {"size 8 pt is fine", "80\n", Look(80, "Verdana", {192, 192, 192}, {})},
      {"absurd size stays", "2000000000\n", kDefault},
      {"equal colours keep both previous colours", "160\n\n9\n9\n9\n9\n9\n9\n",
       Look(160, "Verdana", {192, 192, 192}, {})},
      {"colours keep their low byte", "0\n\n256\n-1\n511\n1\n2\n3\n",
       Look(140, "Verdana", {0, 255, 255}, {1, 2, 3})},
      {"not numbers read as 0", "abc\n\nred\ngreen\nblue\n", kDefault},
      {"empty file", "", kDefault},
      {"a byte order mark is not part of the size",
       "\xEF\xBB\xBF"
       "180\n",
       Look(180, "Verdana", {192, 192, 192}, {})},
      {"name is the whole line", "100\n Deja Vu \t\n",
       Look(100, " Deja Vu \t", {192, 192, 192}, {})},
      {"keyword lines after the eight; a colour lost on the background is not taken",
       "140\nVerdana\n192\n192\n192\n0\n0\n0\nanswer 0 200 255\t// cyan\nitalic 1\nerror 9 0 "
       "0\nbold\nunknown 1 2 3\n",
       WithKeywords()},
  };
  for (const Case& c : cases) {
    ConsoleLook look = LoadSettingsFile(kDefault, Write("font&color.txt", c.file));
    EXPECT_EQ(look, c.expected) << c.what;
  }
}

TEST_F(SettingsFileTest, ValidationFallsBackToThePreviousLookNotTheDefault) {
  ConsoleLook previous = Look(300, "Serif", {1, 1, 1}, {2, 2, 2});
  EXPECT_EQ(LoadSettingsFile(previous, Write("a.txt", "10\n\n5\n5\n5\n5\n5\n5\n")), previous);
}

TEST_F(SettingsFileTest, WhatIsNotASmallRegularFileChangesNothing) {
  ConsoleLook previous = Look(300, "Serif", {1, 1, 1}, {2, 2, 2});
  fs::path fifo = dir_ / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string big = Write("big.txt", "200\n" + std::string(kMaxSettingsBytes, '\n'));
  const std::string paths[] = {
      dir_.string(), fifo.string(), "/dev/zero", "/dev/null", (dir_ / "missing.txt").string(), big};
  // A reader that waited on the fifo or read /dev/zero to its end would hang here; the test
  // runner's time limit then fails the test.
  for (const std::string& path : paths) {
    EXPECT_FALSE(ReadSettingsLines(path).has_value()) << path;
    EXPECT_EQ(LoadSettingsFile(previous, path), previous) << path;
  }
}

TEST_F(SettingsFileTest, ReadsLinesWithoutTheirLineEnds) {
  auto lines = ReadSettingsLines(Write("a.txt", "1\r\n\r\nx\ry\n4\n5\n6\n7\n8\n9\n"));
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, (std::vector<std::string>{"1", "", "x\ry", "4", "5", "6", "7", "8", "9"}));
}

// What the window writes reads back the same, by a reader of the eight lines too.
TEST_F(SettingsFileTest, WrittenFileReadsBack) {
  ConsoleLook look = WithKeywords();
  look.background = {250, 250, 250};
  look.text = {20, 20, 20};
  look.kinds = kLightKinds;
  look.bold = true;
  EXPECT_EQ(LoadSettingsFile(kDefault, Write("w.txt", SettingsFileText(look))), look);
}

}  // namespace
}  // namespace orvo::app
