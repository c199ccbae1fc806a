// The "@" complex commands at the console: typed lines -> the exact answer of the last one.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

using Case = ConsoleCase;

class ComplexCommand : public ::testing::TestWithParam<Case> {};

TEST_P(ComplexCommand, AnswersExactly) {
  EXPECT_EQ(EscapedAnswer(GetParam()), Escape(GetParam().answer));
}

const std::string k34 = "@1(1,2;3;4)=";  // mat1 = 3 + 4i
const std::string k12 = "@2(1,2;1;2)=";  // mat2 = 1 + 2i

const Case kFunctions[] = {
    {{k34, "prec=12"},
     "@lg(mat1)=",
     "\r\nComplex mat1 \r\n3; 4; \r\nlg(mat1) = mat0\r\n0.698970004336; 0.402719196273; "
     "\r\n\\\\\r\n"},
    {{"@2(1,2;1.5707963267948966;0)="},
     "@tan(mat2)=",
     "\r\nComplex mat2 \r\n1.5707963; 0; \r\ntan(mat2) = mat0\r\n1e+16; 1e+16; \r\n\\\\\r\n"},
    {{"@1(1,2;0;1)="},
     "@cosh(mat1)=",
     "\r\nComplex mat1 \r\n0; 1; \r\ncosh(mat1) = mat0\r\n0.54030231; 0; \r\n\\\\\r\n"},
    {{k34, "@exp(mat1)="}, "@(mat0)=", "\r\nmat0\r\n-13.128783; -15.200784; \r\n\\\\\r\n"},
    {{"@1(2,1;1;2)="},
     "@exp(mat1)=",
     "\r\nmat1 is not a 1*2 matrix, which can not do complex calculation\r\n\\\\\r\n"},
    {{},
     "@sinh(mat0)=",
     "\r\nError: Illegal format of @sinh(mat) function. The parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Functions, ComplexCommand, ::testing::ValuesIn(kFunctions));

const Case kPairs[] = {
    {{k34, k12},
     "@c*(mat1;mat2)=",
     "\r\nComplex mat1 \r\n3; 4; \r\nComplex mat2 \r\n1; 2; \r\nc*() =mat0\r\n-5; 10; "
     "\r\n\\\\\r\n"},
    {{k34, k12},
     "@c/(mat1;mat2)=",
     "\r\nComplex mat1 \r\n3; 4; \r\nComplex mat2 \r\n1; 2; \r\nc/() =mat0\r\n2.2; -0.4; "
     "\r\n\\\\\r\n"},
    {{"@1(1,2;0;1)=", "@2(1,2;2;0)="},
     "@pow(mat1;mat2)=",
     "\r\nComplex mat1 \r\n0; 1; \r\nComplex mat2 \r\n2; 0; \r\npow() =mat0\r\n-1; 0; "
     "\r\n\\\\\r\n"},
    {{k34},
     "@c*(mat1;mat1)=",
     "\r\nComplex mat1 \r\n3; 4; \r\nComplex mat1 \r\n3; 4; \r\nc*() =mat0\r\n-7; 24; "
     "\r\n\\\\\r\n"},
    {{"@1(2,2)=", "@2(1,3)="},
     "@pow(mat1;mat2)=",
     "\r\nmat1 is not a 1*2 matrix, which can not do complex calculation\r\n\\\\\r\n"},
    {{k34, "@2(1,3)="},
     "@log(mat1;mat2)=",
     "\r\nmat2 is not a 1*2 matrix, which can not do complex calculation\r\n\\\\\r\n"},
    {{},
     "@c*(mat1)=",
     "\r\nError: Illegal format of @c* (mat;mat) function. The parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
    {{},
     "@log(mat0;mat1)=",
     "\r\nError: Illegal format of @log (mat;mat) function. The parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Pairs, ComplexCommand, ::testing::ValuesIn(kPairs));

const Case kRoots[] = {
    {{"@1(1,2;-4;0)="},
     "@root(4;mat1)=",
     "\r\nComplex mat1 \r\n-4; 0; \r\nroot 4() =mat0\r\n1; 1; \r\n-1; 1; \r\n-1; -1; \r\n"
     "1; -1; \r\n\\\\\r\n"},
    {{"@1(1,2;-4;0)="},
     "@root(;mat1)=",
     "\r\nComplex mat1 \r\n-4; 0; \r\nroot 2() =mat0\r\n0; 2; \r\n0; -2; \r\n\\\\\r\n"},
    {{k34}, "@root(-5;mat1)=", "\r\nError: @Root(n;mat) function, n<=1\r\n\\\\\r\n"},
    {{k34}, "@root(abc;mat1)=", "\r\nError: @Root(n;mat) function, n<=1\r\n\\\\\r\n"},
    {{k34}, "@root(1e9;mat1)=", "\r\nError: @Root(n;mat) function, n<=1\r\n\\\\\r\n"},
    {{k34},
     "@root(21;mat1)=",
     "\r\nError: @Root(n;mat) function, n>20, mat0 can hold at most 20 roots\r\n\\\\\r\n"},
    {{k34, "@ln(mat1)=", "@root(1000000;mat1)=", "@root(0;mat1)="},
     "@(mat0)=",
     "\r\nmat0\r\n1.6094379; 0.92729522; \r\n\\\\\r\n"},
    {{"@1(2,2)="},
     "@root(3;mat1)=",
     "\r\nmat1 is not a 1*2 matrix, which can not do complex calculation\r\n\\\\\r\n"},
    {{},
     "@root(3;mat0)=",
     "\r\nError: Illegal format of @root (n;mat) function. The second parameter should be mat1 or "
     "mat2\r\n\\\\\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Roots, ComplexCommand, ::testing::ValuesIn(kRoots));

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
