#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "base/message.h"
#include "base/number_text.h"
#include "base/random.h"
#include "base/text.h"

namespace orvo {
namespace {

TEST(FormatG, MatchesPrintf) {
  const double values[] = {0.0,         -0.0,    1.0 / 3,
                           2.5,         1e21,    1.5e-7,
                           123456789.0, -42.125, std::numeric_limits<double>::infinity(),
                           5e-324};
  for (double v : values) {
    for (int p : {6, 8, 12, 15}) {
      char expected[64];
      std::snprintf(expected, sizeof expected, "%.*g", p, v);
      EXPECT_EQ(FormatG(v, p), expected) << v << " at " << p;
    }
  }
  // At 16 digits the shortest decimal that reads back as the same double, laid out as %.16g.
  const std::pair<double, const char*> sixteen[] = {
      {-1e-20, "-1e-20"},
      {5e-324, "5e-324"},
      {0.1 + 0.2, "0.3"},  // not the 0.30000000000000004 that %.17g shows
      {10.0, "10"},
      {1.5e-7, "1.5e-07"},
      {0.0001, "0.0001"},
      {1e21, "1e+21"},
      {1e16, "1e+16"},
      {-42.125, "-42.125"},
      {1234567890123456.0, "1234567890123456"},
      {0.0, "0"},
      {-0.0, "-0"},
  };
  for (const auto& [v, text] : sixteen) EXPECT_EQ(FormatG(v, 16), text) << v;
  EXPECT_EQ(FormatG(1.0 / 3, 0), "0.333333");  // outside 1..16: %g
  EXPECT_EQ(FormatG(1.0 / 3, 17), "0.333333");
  // The longest exact expansion of a double, as printf gives it.
  std::string tiny = FormatGDigits(4.9e-324, 800);
  EXPECT_EQ(tiny.substr(0, 8) + tiny.substr(tiny.size() - 10), "4.94065665625e-324");
  EXPECT_EQ(tiny.size(), 757u);
}

TEST(Fill, PutsValuesInOrder) {
  EXPECT_EQ(Fill("No. %d of %s", {"3", "%s"}), "No. 3 of %s");
  EXPECT_EQ(Fill("100% %d%%", {"5"}), "100% 5%%");
  EXPECT_EQ(Fill("%s and %d", {"a"}), "a and %d");
  EXPECT_EQ(Fill("ends in %", {"x"}), "ends in %");
}

TEST(ParseDouble, ReadsLikeAtof) {
  EXPECT_EQ(ParseDouble("3.5"), 3.5);
  EXPECT_EQ(ParseDouble(".5"), 0.5);
  EXPECT_EQ(ParseDouble("3e2.8"), 300);
  EXPECT_EQ(ParseDouble("1.2.3"), 1.2);
  EXPECT_EQ(ParseDouble("  -2"), -2);
  EXPECT_EQ(ParseDouble("x"), 0);
  EXPECT_EQ(ParseDouble("."), 0);
  EXPECT_EQ(ParseDouble("--1"), 0);
  EXPECT_TRUE(std::isinf(ParseDouble("1e400")));
  EXPECT_EQ(ParseDouble("1e-400"), 0);
}

// Beyond the double range the magnitude decides, not the exponent's sign.
TEST(ParseDouble, OutOfRangeIsOverflowOrUnderflowByMagnitude) {
  const std::string zeros(400, '0');
  EXPECT_EQ(ParseDouble("0." + zeros + "1"), 0);
  EXPECT_EQ(ParseDouble("-0." + zeros + "1"), 0);
  EXPECT_EQ(ParseDouble("0." + zeros + "1e5"), 0);
  EXPECT_EQ(ParseDouble("1" + zeros + "e-5"), HUGE_VAL);
  EXPECT_EQ(ParseDouble("0.001e310"), 1e307);
  EXPECT_EQ(ParseDouble("0.01e-307"), 1e-309);
  EXPECT_EQ(ParseDouble("-1e400"), -HUGE_VAL);
  EXPECT_EQ(ParseDouble("1e99999999999999999999"), HUGE_VAL);
  EXPECT_EQ(ParseDouble("1e-99999999999999999999"), 0);
}

TEST(ParseInt, ReadsLikeAtoiAndSaturates) {
  EXPECT_EQ(ParseInt("3"), 3);
  EXPECT_EQ(ParseInt(" 12abc"), 12);
  EXPECT_EQ(ParseInt("abc"), 0);
  EXPECT_EQ(ParseInt("-7"), -7);
  EXPECT_EQ(ParseInt("99999999999999999999"), INT_MAX);
  EXPECT_EQ(ParseInt("-99999999999999999999"), INT_MIN);
}

TEST(TruncToInt32, IsDefinedEverywhere) {
  EXPECT_EQ(TruncToInt32(2.9), 2);
  EXPECT_EQ(TruncToInt32(-2.9), -2);
  EXPECT_EQ(TruncToInt32(2147483647.5), INT_MAX);
  EXPECT_EQ(TruncToInt32(2147483648.0), INT_MIN);
  EXPECT_EQ(TruncToInt32(-2147483648.9), INT_MIN);
  EXPECT_EQ(TruncToInt32(std::nan("")), INT_MIN);
  EXPECT_EQ(TruncToInt32(1e300), INT_MIN);
}

TEST(Random, IsTheClassicGenerator) {
  Random rng;
  // The first values of the C library's rand() seeded with 1.
  EXPECT_EQ(rng.Next(), 41);
  EXPECT_EQ(rng.Next(), 18467);
  EXPECT_EQ(rng.Next(), 6334);
  EXPECT_EQ(rng.Next(), 26500);
}

TEST(Text, Utf8CharactersCountWhole) {
  EXPECT_EQ(CountCharacters("€"), 1u);
  EXPECT_EQ(CountCharacters("a€b"), 3u);
  EXPECT_EQ(CountCharacters("\xE2\x82"), 2u);  // a broken sequence counts byte by byte
  EXPECT_EQ(CutAtErrorTrailer("Error: x\r\n/Error checking"), "Error: x");
}

}  // namespace
}  // namespace orvo
