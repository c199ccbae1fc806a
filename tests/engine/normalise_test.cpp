// What the normaliser notes of the typed text it drops. Its canonical forms show in the answers
// of the golden transcripts (tests/transcripts/expressions.txt).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/detail/normalise.h"
#include "engine/tokens.h"

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

// The tokens of a typed line in its own positions: kind and typed text per token (a name the
// engine does not know is "?").
TEST(Tokens, PlaceTheEnginesReadingInTheTypedText) {
  const std::pair<const char*, const char*> rows[] = {
      {"2sin(x)+LOG10(100)", "2 f:sin ( x ) + f:LOG10 ( 100 )"},
      {"cos(pi/3)", "f:cos ( f:pi / 3 )"},
      {"1'000 + 2x", "1'000 + 2 x"},
      {"e+(2)*1e-3", "f:e+ ( 2 ) * 1e-3"},
      {"max=5", "?:ma x = 5"},
      {"sinus(1) and 5!", "?:sinus ( 1 ) and 5 !"},
      {"&is(0;", "& ?:is ( 0 ;"},
      {"[x]{y}", "[ x ] { y }"},
      {"pow(2,", "f:pow ( 2 ,"},
      {"2(3)+x(1)", "2 ( 3 ) + x ( 1 )"},  // the product the engine writes is not shown
      {"", ""},
  };
  for (auto [typed, expected] : rows) {
    std::string got;
    for (const Token& token : Tokens(typed)) {
      std::string text = std::string(typed).substr(token.position, token.length);
      if (token.kind == TokenKind::kName) text = (token.code < 0 ? "?:" : "f:") + text;
      got += (got.empty() ? "" : " ") + text;
    }
    EXPECT_EQ(got, expected) << typed;
  }
}

}  // namespace
}  // namespace orvo::detail
