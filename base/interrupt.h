#pragma once

namespace orvo {

// Long loops ask this whether the user wants the running command stopped. A face may do
// housekeeping here (the window keeps repainting), so loops call it every so often, not per step.
class Interrupt {
 public:
  virtual ~Interrupt() = default;
  virtual bool Requested() = 0;
};

// For callers that cannot be interrupted (tests, nested evaluations).
class NeverInterrupt final : public Interrupt {
 public:
  bool Requested() override { return false; }
};

}  // namespace orvo
