// Golden files: a test's whole output compared with a file in tests/data.
// Run the tests with VORNAK_GOLDEN=write set to write the files instead.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

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

// Tables of cases: tests/data/name holds a case a line, its fields split by
// tabs, first the inputs and then the expected results; empty lines and lines
// that start with '#' are comments. In a field \t \n \r \\ and \xHH stand for
// their bytes.
using fields = std::vector<std::string>;

inline std::string unescaped(const std::string& s) {
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char c = s[i] == '\\' && i + 1 < s.size() ? s[++i] : 0;
    if (c == 'x')
      r += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16)), i += 2;
    else
      r += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c ? c : s[i];
  }
  return r;
}

inline std::string escaped(const std::string& s) {
  std::string r;
  for (unsigned char c : s) {
    const char* named = c == '\\' ? "\\\\" : c == '\t' ? "\\t" : c == '\n' ? "\\n" : nullptr;
    char hex[5];
    std::snprintf(hex, sizeof hex, c < 0x20 || c >= 0x7f ? "\\x%02x" : "%c", c);
    r += named ? named : c == '\r' ? "\\r" : hex;
  }
  return r;
}

// Calls f with the first `inputs` fields of each case and compares what it
// gives with the fields after them (VORNAK_GOLDEN=write writes them instead).
inline void checktable(const std::string& name, std::size_t inputs,
                       const std::function<fields(const fields&)>& f) {
  std::string path = VORNAK_TESTDATA "/" + name, text = readfile(path), out, line;
  std::size_t n = 0, cases = 0;
  for (std::size_t at = 0, end; at < text.size(); at = end + 1, out += line + "\n") {
    end = std::min(text.find('\n', at), text.size());
    line = text.substr(at, end - at);
    if (++n, line.empty() || line[0] == '#') continue;
    fields in, want, got;
    for (std::size_t from = 0, tab = 0; tab != std::string::npos; from = tab + 1)
      (in.size() < inputs ? in : want)
          .push_back(unescaped(line.substr(from, (tab = line.find('\t', from)) - from)));
    ++cases, got = f(in);
    EXPECT_EQ(got, want) << path << ":" << n << ": " << line;
    line.clear();
    for (const std::string& s : in) line += escaped(s) + "\t";
    for (const std::string& s : got) line += escaped(s) + (&s == &got.back() ? "" : "\t");
  }
  EXPECT_NE(cases, 0u) << path;
  if (std::getenv("VORNAK_GOLDEN")) std::ofstream(path, std::ios::binary) << out;
}
