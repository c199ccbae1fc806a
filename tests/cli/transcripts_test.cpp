// Replays every golden transcript through the real orvo-cli --transcript and compares the whole
// console text byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/support/console_harness.h"
#include "tests/support/transcript_file.h"

namespace orvo::test {
namespace {

namespace fs = std::filesystem;

std::vector<TranscriptCase> AllCases() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(ORVO_TRANSCRIPT_DIR)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<TranscriptCase> cases;
  for (const fs::path& file : files) {
    for (TranscriptCase& c : ReadTranscriptFile(file.string())) cases.push_back(std::move(c));
  }
  return cases;
}

// Runs orvo-cli --transcript in a scratch folder of its own, so no user configuration counts.
std::string RunCli(const std::vector<std::string>& lines) {
  fs::path home = fs::temp_directory_path() / ("orvo-transcript-" + std::to_string(::getpid()));
  fs::create_directories(home);
  fs::path input = home / "input.txt";
  {
    std::ofstream out(input, std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
  }
  std::string command = "cd '" + home.string() + "' && ORVO_HOME='" + home.string() +
                        "' XDG_CONFIG_HOME='" + home.string() +
                        "' '" ORVO_CLI_PATH "' --transcript < '" + input.string() + "'";
  std::string output;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      output.append(buffer, n);
    ::pclose(pipe);
  }
  fs::remove_all(home);
  return output;
}

class Transcript : public ::testing::TestWithParam<TranscriptCase> {};

TEST_P(Transcript, ConsoleTextMatches) {
  const TranscriptCase& c = GetParam();
  std::string actual = RunCli(c.lines);
  EXPECT_EQ(Escape(actual), Escape(c.expected))
      << c.file << ": " << c.name << "\nactual as literals:\n"
      << ToLiterals(actual);
}

// A case is named by its file and its title ("core_an_error_answers_on_its_own_line"), so that a
// name says which case it is and stays when cases are added before it. Two cases of one title
// would be a repeat: the run then stops at once.
std::string CaseName(const ::testing::TestParamInfo<TranscriptCase>& info) {
  std::string name;
  for (char ch : fs::path(info.param.file).stem().string() + " " + info.param.name) {
    if (std::isalnum(static_cast<unsigned char>(ch)) != 0) {
      name += ch;
    } else if (name.back() != '_') {
      name += '_';
    }
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Golden, Transcript, ::testing::ValuesIn(AllCases()), CaseName);

TEST(TranscriptFiles, AtLeastOneCaseRuns) {
  EXPECT_FALSE(AllCases().empty());
}

}  // namespace
}  // namespace orvo::test
