#pragma once

#include <gtest/gtest.h>

#include <string>

namespace talqo_test {

// Names each case of a parameterised test after the case's `name`, so that a test list
// says which case a test runs.
struct CaseName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};

}  // namespace talqo_test
