#pragma once
#include <array>
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "console/answer.h"
#include "console/console_state.h"
#include "console/session.h"

// The window's saved session: everything a console keeps, in one versioned, readable text file.
//
// Format, version 2 (version 1 had no answers and still loads). Lines end with "\n". Numbers are
// written as the shortest text that reads back as the same double ("inf" and "nan" included). Texts
// that may hold line breaks are written as a keyword, a byte count, a line break, exactly that many
// bytes and a line break.
//
//   orvo-session 2                   first line: the format and its version
//   x 0                              the variables x, y, z
//   y 2.718281828459045
//   z 3.141592653589793
//   precision 8                      6..16
//   brackets on                      bracket checking: on or off
//   function f(x,y);(x^2+y)          a defined function as a definition file writes it (without
//                                    "#define(" and the closing bracket); at most 10, in the
//                                    store's order; each is checked again when read
//   matrix 1 2 2 0 1 2 3 4           mat0..mat2: index, rows and columns (1..20), the elimination
//                                    steps it records, then rows x cols elements row by row
//   screen 3 5                       saved screen 3 (1..10): the next 5 bytes
//   1+2=3
//   recall 4                         a command for Up and Down, oldest first: 4 bytes
//   1+2=
//   answer 2 0 0 0 1 0               an answer's record, oldest first: its kind, placement,
//   command 4                        failed, warned, number of values and of notes (LineKind
//   1+2=                             and Placement as numbers), then the command as typed, the
//   bytes 5                          bytes the answer wrote and its block of the console...
//   3\r\n\\\\                        (here with its line break and prompt written as escapes)
//   block 7
//   1+2=3\r\n
//   value 1 3                        ...each value: main (1 or 0) and its number, then its name
//   name 0                           and its text as printed...
//
//   text 1
//   3
//   note 9                           ...and each note
//   read as 3
//   console 5                        the console text, once: 5 bytes
//   2*3=6
//   end                              last line: a file without it was cut short
//
// x, y, z, precision, brackets and console appear exactly once, a matrix or a screen at most
// once; the rest keep their defaults. A reader refuses anything else: an unknown keyword, a
// value out of range, an eleventh function, a 21 x 21 matrix, a byte count past the end, text
// after "end", a newer version.
namespace orvo {

inline constexpr int kSessionVersion = 2;
// The console text and each screen keep their last kMaxConsoleBytes, cut at a prompt line.
inline constexpr std::size_t kMaxConsoleBytes = std::size_t{1} << 20;
// A reader refuses a bigger file without reading it.
inline constexpr std::size_t kMaxSessionFileBytes = std::size_t{32} << 20;

// What a session file holds.
struct SessionData {
  double x = 0;
  double y = Evaluator::kE;
  double z = Evaluator::kPi;
  int precision = 8;
  bool bracketCheck = true;
  DefinitionStore definitions;
  MatrixSet matrices;
  std::array<std::string, ConsoleState::kScreenSlots> screens;
  std::vector<std::string> recall;
  std::deque<Answer> answers;
  std::string console;
};

// The state of a console session and its answers' records, its text and its recall list; the
// texts cut to kMaxConsoleBytes.
SessionData CaptureSession(const ConsoleSession& session, std::string_view console,
                           std::vector<std::string> recall);
// Puts the calculator state and the answers' records of `data` into `session` (the text and the
// recall list belong to the window).
void RestoreSession(const SessionData& data, ConsoleSession& session);

// The last `limit` bytes of `text` or less, starting on the line after a prompt line (else on a
// line of its own); all of it when it fits.
std::string_view CutConsoleText(std::string_view text, std::size_t limit = kMaxConsoleBytes);

std::string WriteSessionText(const SessionData& data);

// Reads a session file's text into `data`. Returns "" or why it was refused.
std::string ReadSessionText(std::string_view text, SessionData& data);

}  // namespace orvo
