#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/random.h"
#include "userdef/userdef.h"

// What Enter would do with a line, told before it is pressed: the value of an expression and,
// when the forgiving syntax drops a sign or an operator, how the line is read.
namespace orvo {

class ConsoleSession;

// How an expression is read when the normaliser dropped part of it.
struct Reading {
  std::string readAs;   // the expression without what was dropped; empty when nothing was
  std::string reasons;  // each rule that dropped something, once: "a sign after a comma is dropped"
  std::string write;    // how to type it to keep the signs: 5*(-2); empty when no sign was dropped
};

// The reading of `expression` (a command as the console cleaned it, without its final "=").
Reading ReadingOf(std::string_view expression);

// "read as 5*2 (a sign right after an operator is dropped: write 5*(-2))"; empty when the
// expression reads as typed.
std::string ReadingNote(const Reading& reading);

// A copy of what a preview needs from the session. Taken on the session's thread, it may be
// worked on anywhere: nothing of the session changes (the variables, the random generator and
// the definitions are copies).
struct PreviewSnapshot {
  double x = 0;
  double y = 0;
  double z = 0;
  int precision = 8;
  DefinitionStore definitions;
  Random rng;
  std::vector<double> answers;  // what ans(1), ans(2), ... stand for
};

PreviewSnapshot SnapshotForPreview(const ConsoleSession& session);

// Lines longer than this are not previewed: the preview runs at every pause in typing.
inline constexpr std::size_t kMaxPreviewLength = 4000;

// The status-line text for the line being typed: "= 3" (or the first error message), followed
// by the reading note when the line reads otherwise than typed; for commands, what they are
// (they run only on Enter). Empty for an empty line or one too long to preview.
std::string PreviewLine(PreviewSnapshot snapshot, std::string_view line);

inline std::string PreviewLine(const ConsoleSession& session, std::string_view line) {
  return PreviewLine(SnapshotForPreview(session), line);
}

}  // namespace orvo
