#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The parts of an expression as the engine reads it, placed in the text the user typed, for
// showing the line while it is typed (colours, the call around the caret, suggestions).
namespace orvo {

enum class TokenKind : std::uint8_t {
  kNumber,    // 2, 1.5e-3
  kVariable,  // x, y, z
  kName,      // a function name, known or not
  kOperator,  // + - * / ^ : # % ! , < > = & | and or; ";" of the command lines
  kOpen,      // ( [ {
  kClose,     // ) ] }
};

struct Token {
  TokenKind kind;
  std::size_t position;  // in the typed text, in bytes
  std::size_t length;
  int code = -1;  // a name's function code, -1 when the engine knows no such name
};

// The tokens of `typed` in text order. Characters the normaliser drops (blanks, the digit
// separator) belong to no token; an unfinished line is read as far as it goes. Costs a
// normalisation: for showing the user, never for repeated evaluation.
std::vector<Token> Tokens(std::string_view typed);

}  // namespace orvo
