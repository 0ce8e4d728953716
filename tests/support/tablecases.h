#pragma once

// Table-driven tests: every row of a table is a struct whose first member is
// `const char* name`. Give the struct
//     friend std::ostream& operator<<(std::ostream& os, const Row& r) { return os << r.name; }
// so that ctest lists rows by name, and pass CaseName to INSTANTIATE_TEST_SUITE_P.

#include <gtest/gtest.h>

#include <string>

template <typename Row>
std::string CaseName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}
