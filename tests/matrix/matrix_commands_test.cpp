// The "@" matrix commands at the console: typed lines -> the exact answer of the last one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

using Case = ConsoleCase;

class MatrixCommand : public ::testing::TestWithParam<Case> {};

TEST_P(MatrixCommand, AnswersExactly) {
  EXPECT_EQ(EscapedAnswer(GetParam()), Escape(GetParam().answer));
}

const std::string k12 = "@1(2,2;1;2;3;4)=";  // mat1 = 1 2 / 3 4
const std::string k23 = "@1(2,3;1;2;3;4;5;6)=";
const std::string k33 = "@1(3,3;1;2;3;4;5;6;7;8;9)=";

const Case kDefine[] = {
    {{}, "@1(0,-5;7)=", "\r\nDefined mat1  1 * 1\r\n7; \r\n\\\\\r\n"},
    {{}, "@1(2,1e9;1;2)=", "\r\nDefined mat1  2 * 1\r\n1; \r\n2; \r\n\\\\\r\n"},
    {{}, "@1(2,2|5)=", "\r\nDefined mat1  2 * 2\r\n5; 0; \r\n0; 0; \r\n\\\\\r\n"},
    {{},
     "@1(2,2;1.5e3;-1/4;2^10;1e-7)=",
     "\r\nDefined mat1  2 * 2\r\n1500; -0.25; \r\n1024; 1e-07; \r\n\\\\\r\n"},
    {{}, "@1(1,2;1;(1+2)=", "\r\nDefined mat1  1 * 2\r\n1; 3; \r\n\\\\\r\n"},
    {{}, "@1(1,2;1;(1+2))=", "\r\nDefined mat1  1 * 2\r\n1; 3; \r\n\\\\\r\n"},
    // Elements that fail: their messages, each on its own line, cut before the checker's trailer.
    {{}, "@1(1,3;1/0;2;3)=", "\r\nError: divided by zero\r\n\\\\\r\n"},
    {{"@1(1,3;1/0;2;3)="}, "@(mat1)=", "\r\nmat1\r\n-1; 2; 3; \r\n\\\\\r\n"},
    {{}, "@1(1,2;1+);2)=", "\r\nError: bracket: 1 right excessive or 1 left missing\r\n\\\\\r\n"},
    {{}, "@1(1,3;1/0;2;1/0)=", "\r\nError: divided by zero\r\nError: divided by zero\r\n\\\\\r\n"},
    {{}, "@1(1,2;1;1/0)=", "\r\nError: divided by zero\r\n\\\\\r\n"},
    // Elements use their own x, y and z, not the user's.
    {{"x=5"}, "@1(1,3;x;y;z)=", "\r\nDefined mat1  1 * 3\r\n0; 2.71828; 3.14159; \r\n\\\\\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Define, MatrixCommand, ::testing::ValuesIn(kDefine));

const Case kViewAndCopy[] = {
    {{}, "@(mat0)=", "\r\nmat0\r\n0; \r\n\\\\\r\n"},
    {{k12, "prec=12"}, "@(MAT1)=", "\r\nmat1\r\n1; 2; \r\n3; 4; \r\n\\\\\r\n"},
    {{"@2(1,2;1/3;2)=", "prec=12"}, "@(mat2)=", "\r\nmat2\r\n0.333333333333; 2; \r\n\\\\\r\n"},
    {{},
     "@(mat3)=",
     "\r\nError: Illegal format of @(mat) function\r\nThe parameter should be mat0, mat1 or "
     "mat2\r\n\\\\\r\n"},
    {{},
     "@(mat1;mat2)=",
     "\r\nError: Illegal format of @(mat) function\r\nThe parameter should be mat0, mat1 or "
     "mat2\r\n\\\\\r\n"},
    {{k12, "@i(mat1)="}, "@0(mat2)=", "\r\nDone. Now mat2 = mat0\r\n\\\\\r\n"},
    {{k12, "@i(mat1)=", "@0(mat2)="}, "@(mat2)=", "\r\nmat2\r\n-2; 1; \r\n1.5; -0.5; \r\n\\\\\r\n"},
    {{},
     "@0(mat0)=",
     "\r\nError: Illegal format of @0(mat) function\r\nThe parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
};
INSTANTIATE_TEST_SUITE_P(ViewAndCopy, MatrixCommand, ::testing::ValuesIn(kViewAndCopy));

const Case kSingle[] = {
    {{"@1(2,2;1;2;2;4)="},
     "@i(mat1)=",
     "\r\nError: mat1 is singular, it has no inverse\r\n\\\\\r\n"},
    {{"@2(2,2;1;2;2;4)=", "@1(1,1;5)=", "@i(mat1)=", "@i(mat2)="},
     "@(mat0)=",
     "\r\nmat0\r\n0.2; \r\n\\\\\r\n"},
    {{k23}, "@i(mat1)=", "\r\nError: mat1 is not a square matrix\r\n\\\\\r\n"},
    {{},
     "@i(mat0)=",
     "\r\nError: Illegal format of @i(mat) function. The parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
    {{k23},
     "@trans(mat1)=",
     "\r\nmat1\r\n1; 2; 3; \r\n4; 5; 6; \r\nTranspose Matrix mat0\r\n1; 4; \r\n2; 5; \r\n3; 6; "
     "\r\n\\\\\r\n"},
    {{k12},
     "@gauss(mat1)=",
     "\r\nmat1\r\n1; 2; \r\n3; 4; \r\nUpper Triangular Matrix mat0\r\n3; 4; \r\n0; 0.66666667; "
     "\r\n\\\\\r\n"},
    {{"@2(2,3;1;2;3;4;5;6)=", "@qr(mat2)="},
     "@(mat2)=",
     "\r\nmat2\r\n1; 2; 3; \r\n4; 5; 6; \r\n\\\\\r\n"},
    {{k23},
     "@lu(mat1)=",
     "\r\nmat1 LU Split\r\nL mat1\r\n1; 0; \r\n4; 1; \r\nU mat0\r\n1; 2; 3; \r\n0; -3; -6; "
     "\r\n\\\\\r\n"},
    {{k23}, "@chsky(mat1)=", "\r\nFailed in the Cholesky split of mat1\r\n\\\\\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Single, MatrixCommand, ::testing::ValuesIn(kSingle));

const Case kSub[] = {
    {{k23},
     "@sub(mat1;1;3)=",
     "\r\nmat1\r\n1; 2; 3; \r\n4; 5; 6; \r\nSub Matrix mat0\r\n4; 5; \r\n\\\\\r\n"},
    {{k33},
     "@sub(mat1)=",
     "\r\nError: Illegal format of @sub(mat;i;j) fuction, missing paramter(s)\r\n\\\\\r\n"},
    {{k33},
     "@sub(mat3;1;1)=",
     "\r\nError: Illegal format of @sub(mat;i;j) function. The first parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
    {{k33},
     "@sub(mat1;4;1)=",
     "\r\nError: Illegal format of @sub(mat;i;j) function. The row number i should be between 1 "
     "and 3\r\n\\\\\r\n"},
    {{k33},
     "@sub(mat1;-5;1)=",
     "\r\nError: Illegal format of @sub(mat;i;j) function. The row number i should be between 1 "
     "and 3\r\n\\\\\r\n"},
    {{k23},
     "@sub(mat1;1;1e9)=",  // reads as 1
     "\r\nmat1\r\n1; 2; 3; \r\n4; 5; 6; \r\nSub Matrix mat0\r\n5; 6; \r\n\\\\\r\n"},
    {{k23},
     "@sub(mat1;2;0)=",
     "\r\nError: Illegal format of @sub(mat;i;j) function. The column number j should be between "
     "1 and 3\r\n\\\\\r\n"},
    {{"@2(1,3;1;2;3)="},
     "@sub(mat2;1;1)=",
     "\r\nError: mat2 has only one row or one column, it has no sub matrix\r\n\\\\\r\n"},
    {{k33, "@i(mat1)=", "@sub(mat1;9;9)="}, "@(mat0)=", "\r\nmat0\r\n0; \r\n\\\\\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Sub, MatrixCommand, ::testing::ValuesIn(kSub));

const Case kMeasure[] = {
    {{k23}, "@det(mat1)=", "\r\nError: mat1 is not a square matrix\r\n\\\\\r\n"},
    {{},
     "@det(mat)=",
     "\r\nError: Illegal format of @det(mat) function. The parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
    {{"@2(2,2;0;0;0;0)="},
     "@rankr(mat2)=",
     "\r\nmat2 Row Rank =0\r\nmat2 \r\n0; 0; \r\n0; 0; \r\n\\\\\r\n"},
    {{k33},
     "@rankc(mat1)=",
     "\r\nmat1 Column Rank =2\r\nmat1 \r\n1; 2; 3; \r\n4; 5; 6; \r\n7; 8; 9; \r\n\\\\\r\n"},
    {{},
     "@rankc(mat0)=",
     "\r\nError: Illegal format of @rankc(mat) function. The parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
    // Not Hessenberg: reduced first, so these are the eigenvalues of the matrix entered.
    {{"@1(3,3;2;1;1;1;2;1;1;1;2)="},
     "@ev(mat1)=",
     "\r\nmat1 Eigen Values =\r\n1\r\n4\r\n1\r\nmat1 \r\n2; 1; 1; \r\n1; 2; 1; \r\n1; 1; 2; "
     "\r\n\\\\\r\n"},
    {{k23}, "@ev(mat1)=", "\r\nError: mat1 is not a square matrix\r\n\\\\\r\n"},
    {{},
     "@ev(mat3)=",
     "\r\nError: Illegal format of @ev(mat) function. The parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Measure, MatrixCommand, ::testing::ValuesIn(kMeasure));

const std::string k56 = "@2(2,2;5;6;7;8)=";
const Case kPair[] = {
    {{k12, k56}, "@+(mat1;mat2)=", "\r\nmat1 + mat2 =\r\nmat0\r\n6; 8; \r\n10; 12; \r\n\\\\\r\n"},
    {{k12, k56}, "@-(mat2;mat1)=", "\r\nmat2 - mat1 =\r\nmat0\r\n4; 4; \r\n4; 4; \r\n\\\\\r\n"},
    {{k12}, "@*(mat1;mat1)=", "\r\nmat1 * mat1 =\r\nmat0\r\n7; 10; \r\n15; 22; \r\n\\\\\r\n"},
    {{k23, "@2(3,1;1;1;1)="},
     "@*(mat1;mat2)=",
     "\r\nmat1 * mat2 =\r\nmat0\r\n6; \r\n15; \r\n\\\\\r\n"},
    {{k23, k56}, "@+(mat1;mat2)=", "\r\nFailed in the plus calculation\r\n\\\\\r\n"},
    {{k23, k56}, "@-(mat1;mat2)=", "\r\nFailed in the minus calculation\r\n\\\\\r\n"},
    {{k12, k56, "@+(mat1;mat2)=", "@*(mat1;mat3)="},
     "@(mat0)=",
     "\r\nmat0\r\n6; 8; \r\n10; 12; \r\n\\\\\r\n"},
    {{},
     "@*(mat1)=",
     "\r\nError: Illegal format of @* (mat;mat) function. The parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Pair, MatrixCommand, ::testing::ValuesIn(kPair));

const Case kScalar[] = {
    {{k12}, "@d+(2^3;mat1)=", "\r\n8 + mat1 =\r\nmat0\r\n9; 10; \r\n11; 12; \r\n\\\\\r\n"},
    {{k12},
     "@d*(1/3;mat1)=",
     "\r\n0.33333333 * mat1 =\r\nmat0\r\n0.33333333; 0.66666667; \r\n1; 1.3333333; \r\n\\\\\r\n"},
    {{k12}, "@d(2.5;mat1)=", "\r\nDone. Now mat1 is\r\n0; 0; \r\n3; 4; \r\n\\\\\r\n"},
    {{k12},
     "@set(x*10+y+z/10;mat1)=",
     "\r\nDone. Now mat1 is\r\n11.1; 21.2; \r\n32.1; 42.2; \r\n\\\\\r\n"},
    {{k12}, "@set(1/(x-2);mat1)=", "\r\nDone. Now mat1 is\r\n-1; 0; \r\n1; 0.5; \r\n\\\\\r\n"},
    {{k12, "@set(1/x;mat1)="}, "@(mat1)=", "\r\nmat1\r\n1; 2; \r\n3; 4; \r\n\\\\\r\n"},
    {{k12},
     "@d+(1+);mat1)=",
     "\r\nError: bracket: 1 right excessive or 1 left missing\r\n\\\\\r\n"},
    {{},
     "@d+(1;mat0)=",
     "\r\nError: Illegal format of @d+(d;mat) function. The second parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
    {{},
     "@d(1;mat3)=",
     "\r\nError: Illegal format of @d(d;mat) function. The second parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
    {{},
     "@set(x)=",
     "\r\nError: Illegal format of @dset(d;mat) function. The second parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Scalar, MatrixCommand, ::testing::ValuesIn(kScalar));

// The largest size a definition can ask for, however it is written.
TEST(MatrixDefine, SizesAreClampedIntoOneToTwenty) {
  ConsoleHarness console;
  std::string expected = "\r\nDefined mat1  20 * 1\r\n1; \r\n";
  for (int i = 1; i < 20; ++i) expected += "0; \r\n";
  expected += "\\\\\r\n";
  EXPECT_EQ(Escape(console.Answer("@1(21,1e9)=")), Escape(expected));

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

}  // namespace
}  // namespace orvo::test
