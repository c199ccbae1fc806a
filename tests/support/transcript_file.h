#pragma once
#include <ostream>
#include <string>
#include <vector>

// Golden transcripts: files of cases, each the lines a user types and the exact console text
// that follows.
//
//   === name of the case
//   1+2=
//   1/0=
//   --- console
//   "1+2=3\r\n\\\\\r\n"
//   "1/0=\r\nError: divided by zero\r\n\\\\\r\n"
//
// Input lines are typed as they stand (a line "<empty>" types nothing). The expected text is
// one or more C string literals, joined; lines starting with "#" outside a case are comments.
namespace orvo::test {

struct TranscriptCase {
  std::string file;
  std::string name;
  std::vector<std::string> lines;
  std::string expected;
};

// How a case shows in test output: its file and name, not its bytes.
void PrintTo(const TranscriptCase& c, std::ostream* out);

// Reads every case of a transcript file; a malformed file gives a case whose name says why.
std::vector<TranscriptCase> ReadTranscriptFile(const std::string& path);

// Writes a text as the C string literals of a transcript file, one per console line.
std::string ToLiterals(const std::string& text);

}  // namespace orvo::test
