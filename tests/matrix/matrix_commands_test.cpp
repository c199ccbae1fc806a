// The "@" commands at the console with inputs too large or too odd for a golden transcript
// (tests/transcripts/matrix*.txt hold the exact answers of the ordinary ones).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

// Sizes beyond 32 bits saturate and are clamped to 20 like any other.
TEST(MatrixDefine, HugeSizesAreClampedToTwenty) {
  ConsoleHarness console;
  std::string answer = console.Answer("@2(1000000000000,-1;" + std::string(30, '1') + ")=");
  EXPECT_EQ(answer.find("Defined mat2  20 * 1\r\n"), 2u);
}

TEST(MatrixDefine, ExtraElementsAreIgnoredAndLongListsAnswer) {
  ConsoleHarness console;
  std::string list;
  for (int i = 0; i < 100000; ++i) list += std::to_string(i % 7) + ";";
  std::string answer = console.Answer("@1(20,20;" + list + "1)=");
  EXPECT_EQ(answer.substr(0, 28), "\r\nDefined mat1  20 * 20\r\n0; ");
  EXPECT_EQ(console.Answer("@rankr(mat1)=").substr(0, 21), "\r\nmat1 Row Rank =7\r\nm");
}

TEST(MatrixCommands, NotANumberElementsGiveAnswersNotCrashes) {
  ConsoleHarness console;
  EXPECT_EQ(Escape(console.Answer("@1(2,2;0*1e400;1;2;3)=")),
            Escape("\r\nDefined mat1  2 * 2\r\n-nan; 1; \r\n2; 3; \r\n\\\\\r\n"));
  for (const char* line : {"@i(mat1)=", "@det(mat1)=", "@ev(mat1)=", "@qr(mat1)=", "@rankr(mat1)=",
                           "@gauss(mat1)=", "@chsky(mat1)=", "@d*(1e300;mat1)=", "@0(mat1)=",
                           "@*(mat1;mat1)=", "@*(mat1;mat1)=", "@ev(mat1)="}) {
    std::string answer = console.Answer(line);
    EXPECT_TRUE(answer.ends_with("\r\n\\\\\r\n")) << line;
  }
}

TEST(ComplexRootsCommand, TwentyRootsFillMatZero) {
  ConsoleHarness console;
  console.Type("@1(1,2;1;0)=");
  std::string answer = console.Answer("@root(20;mat1)=");
  EXPECT_TRUE(answer.starts_with("\r\nComplex mat1 \r\n1; 0; \r\nroot 20() =mat0\r\n1; 0; \r\n"))
      << Escape(answer);
  console.Type("@0(mat2)=");
  EXPECT_EQ(Escape(console.Answer("@rankr(mat2)=").substr(0, 21)),
            Escape("\r\nmat2 Row Rank =2\r\nm"));
  std::string view = console.Answer("@(mat0)=");
  EXPECT_EQ(std::count(view.begin(), view.end(), '\n'), 23);  // title, 20 rows, prompt
}

}  // namespace
}  // namespace orvo::test
