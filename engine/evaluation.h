#pragma once
#include <cstdint>

namespace orvo {

// What went wrong in an evaluation, if anything.
enum class Fault : std::uint8_t {
  kNone,   // a value and no message
  kForm,   // the text failed its check: nothing was computed
  kValue,  // computed, but with an error status or a message (a count message comes with 0)
};

// How one evaluation ended. The value is -1 after a failure; a message can come with status 0
// (a count message, a negative factorial), so callers that must not go on look at `fault`.
struct Evaluation {
  double value = -1;
  int status = 0;
  Fault fault = Fault::kNone;

  // A value without any message.
  bool ok() const { return fault == Fault::kNone; }
};

}  // namespace orvo
