// Golden files: a test's whole output compared with a file in tests/data.
// Run the tests with VORNAK_GOLDEN=write set to write the files instead.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

inline std::string readfile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// Fails naming the first line where text and tests/data/name differ.
inline void golden(const std::string& name, const std::string& text) {
  std::string path = VORNAK_TESTDATA "/" + name, want = readfile(path);
  if (std::getenv("VORNAK_GOLDEN")) std::ofstream(path, std::ios::binary) << (want = text);
  std::size_t at =
      std::mismatch(text.begin(), text.end(), want.begin(), want.end()).first - text.begin();
  std::size_t line = std::count(text.begin(), text.begin() + at, '\n'), from = text.rfind('\n', at);
  from = from == std::string::npos || at == 0 ? 0 : from + 1;
  EXPECT_EQ(text, want) << path << ":" << line + 1 << ": " << text.substr(from, at - from + 40);
}
