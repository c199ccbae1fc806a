// The unit table against values worked out from the exact definitions (data/conversions.txt,
// written by make_conversions.py), and the spelling rules the lookup promises. The answers as
// the console prints them are pinned by the units golden transcript.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "base/random.h"
#include "units/detail/unit_table.h"
#include "units/units.h"

namespace orvo {
namespace {

TEST(Units, ConversionsAgreeWithTheExactDefinitions) {
  std::ifstream file(std::string(ORVO_UNITS_DATA) + "/conversions.txt");
  ASSERT_TRUE(file) << "no conversions table";
  int rows = 0;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::size_t bar = line.find(" | ");
    ASSERT_NE(bar, std::string::npos) << line;
    std::string text = line.substr(0, bar);
    double expected = std::stod(line.substr(bar + 3));
    Random rng;
    UnitsAnswer answer = UnitsCommand(text, 16, rng);
    ASSERT_FALSE(answer.failed) << text << ": " << answer.text;
    // The factors are doubles, so a conversion may be a few roundings off the exact value.
    EXPECT_NEAR(answer.value, expected, std::fabs(expected) * 1e-14) << text;
    ++rows;
  }
  EXPECT_GT(rows, 90);
}

// Every spelling names one row, and is found as itself, never as a prefix and another unit.
TEST(Units, EverySpellingIsFoundExactly) {
  for (const detail::UnitRow& row : detail::UnitRows()) {
    std::string_view names = row.names;
    while (!names.empty()) {
      std::string_view name = names.substr(0, names.find(' '));
      std::optional<detail::FoundUnit> found = detail::FindUnit(name);
      ASSERT_TRUE(found.has_value()) << name;
      EXPECT_EQ(found->row, &row) << name;
      EXPECT_EQ(found->prefix, 1) << name;
      names.remove_prefix(std::min(names.size(), name.size() + 1));
    }
  }
}

// Each prefix with a unit that takes it; a unit without prefixes and a fraction of a byte refuse.
TEST(Units, PrefixesFollowTheirUnitsRule) {
  for (const detail::Prefix& prefix : detail::Prefixes()) {
    std::string unit = prefix.binary ? "B" : "m";
    std::optional<detail::FoundUnit> found = detail::FindUnit(std::string(prefix.symbol) + unit);
    ASSERT_TRUE(found.has_value()) << prefix.symbol << unit;
    EXPECT_EQ(found->prefix, prefix.factor) << prefix.symbol;
    EXPECT_FALSE(detail::FindUnit(std::string(prefix.symbol) + "min").has_value());
  }
  EXPECT_FALSE(detail::FindUnit("dB").has_value());
  EXPECT_FALSE(detail::FindUnit("KiJ").has_value());
}

}  // namespace
}  // namespace orvo
