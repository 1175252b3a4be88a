// How a fuzz target reports a broken invariant: libFuzzer takes the abort as a finding and
// keeps the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

/// Prints what went wrong and the text it concerns, then aborts.
[[noreturn]] inline void finding(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "\n*** %s\n%.*s\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}
