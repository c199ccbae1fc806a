// What the normaliser notes of the typed text it drops. Its canonical forms show in the answers
// of the golden transcripts (tests/transcripts/expressions.txt).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/detail/normalise.h"

namespace orvo::detail {
namespace {

// What the rules drop, as "position:length:rule" per note (rules numbered as DropRule).
TEST(Normalise, NotesWhatItDrops) {
  const std::pair<const char*, const char*> rows[] = {
      {"5*-2", "2:1:0"},
      {"10/-2", "3:1:0"},
      {"2^-1", "2:1:0"},
      {"pow(2,-1)", "6:1:1"},
      {"x>=-1", "3:1:2"},
      {"1<*2", "2:1:3"},
      {"5*/2", "2:1:3"},
      {"1+<2", "2:1:3"},
      {"2+!3", "2:1:3"},
      {"log10(5)*-1'0+atan2(1,-2)", "9:1:0 22:1:1"},
      {"1+--4", "2:1:0 3:1:0"},
      {"3*+=", "1:2:4"},
      {"5* -2", "3:1:0"},
      {"1+2=", ""},
      {"pow(2,(-1))+3%!+5%%-(-2)", ""},
      {"-3+x2-!(1)+3!2", ""},
      {"", ""},
  };
  for (auto [typed, expected] : rows) {
    std::vector<DroppedOperator> notes;
    std::string canonical = Normalise(typed, &notes);
    EXPECT_EQ(canonical, Normalise(typed)) << typed;
    std::string got;
    for (const DroppedOperator& note : notes) {
      got += (got.empty() ? "" : " ") + std::to_string(note.position) + ":" +
             std::to_string(note.length) + ":" + std::to_string(static_cast<int>(note.rule));
    }
    EXPECT_EQ(got, expected) << typed;
  }
}

}  // namespace
}  // namespace orvo::detail
