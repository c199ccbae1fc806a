// After the first evaluation, evaluating a prepared expression again must not touch the heap:
// the numerical tools do it hundreds of thousands of times. This executable counts every
// allocation through the replaceable global operator new.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "base/random.h"
#include "engine/evaluator.h"

namespace {

// Allocations since the program started; only this test's thread allocates while it counts.
long allocations = 0;

}  // namespace

// None of the three is inlined: GCC would otherwise see malloc() or free() meet the other side
// of the pair and warn (-Wmismatched-new-delete), though they are replaced together.
[[gnu::noinline]] void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* memory) noexcept {
  std::free(memory);
}

[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace orvo {
namespace {

TEST(Replay, EvaluatesWithoutAllocating) {
  const char* expressions[] = {
      "x^2",
      "1/(1+x^2)",
      "sqrt(1-x^2)*4",
      "x^3-2*x^2+3*x-4",
      "(((1)*x+2)*x+3)*x+4",
      "sin(x)*exp(-x)",
      "atan2(x,2)+mean(x,1,2)+polyn(x,1,2)+log(x,2)",
      "x>1&&x<3||x==0",
      "sqrt(-x-1)+1/(x-x)",  // a message every time
      "sin(x,1)",            // the core's count message every time
      "invn(0.3)*x",
  };
  for (const char* text : expressions) {
    Random rng;
    Evaluator evaluator(rng);
    evaluator.SetExpression(text);
    std::string errors;
    evaluator.Evaluate(errors);  // prepares and records
    long before = allocations;
    for (int k = 0; k < 1000; ++k) {
      evaluator.SetX(0.001 * k);
      evaluator.Evaluate(errors);
    }
    EXPECT_EQ(allocations - before, 0) << text;
  }
}

}  // namespace
}  // namespace orvo
