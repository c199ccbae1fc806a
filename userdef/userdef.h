#pragma once
#include <array>
#include <string>

// User-defined functions.
namespace orvo {

// One definition: #define(f(x,y);x^2+y) is stored as name "f", parameters "X,Y", expression
// "(X^2+Y)".
struct FunctionDefinition {
  std::string name;
  std::string expression;
  std::string parameters;
  int lastParameter = 0;
};

// Up to ten definitions, slots 0..lastDefinition valid.
struct DefinitionStore {
  static constexpr int kSlots = 10;
  std::array<FunctionDefinition, kSlots> definitions;
  int lastDefinition = -1;
};

}  // namespace orvo
