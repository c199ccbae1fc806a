#pragma once
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/random.h"
#include "userdef/userdef.h"

namespace orvo::test {

// A store holding the given definitions (head, body), each checked as #define checks it.
inline DefinitionStore Store(const std::vector<std::pair<std::string, std::string>>& definitions) {
  DefinitionStore store;
  Random rng;
  for (const auto& [head, body] : definitions) {
    FunctionDefinition definition;
    EXPECT_EQ(ValidateDefinition(definition, head, body, rng), "") << head;
    store.definitions[++store.lastDefinition] = definition;
  }
  SortDefinitions(store);
  return store;
}

}  // namespace orvo::test
