#pragma once
#include "functions/functions.h"

namespace orvo {

// One operand of a prepared expression with what surrounds it. Plain data: copying a list of
// Terms never touches the heap.
struct Term {
  double value = 0;
  char kind = ' ';         // 'x', 'y' or 'z' for a variable, ' ' for a number
  Op op = Op::kNone;       // the operator after the operand
  char opText[3] = {' '};  // that operator as typed, for the "Unknow operator" message
  int bracket = 0;         // -1: "(" before the operand; +1: ")" after it; merges add marks
  int funcCode = 0;        // function whose bracket opens here; 0 none, -1 unknown name
  char funcName[11] = {};  // its name as typed (names have at most 10 characters)
};

}  // namespace orvo
