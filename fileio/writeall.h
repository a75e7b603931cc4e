// Whole writes through short and interrupted ones.
#pragma once

#include <cstddef>

// A write as write(2): tests put one in its place that fails part way.
using writefn = long (*)(int fd, const void* data, std::size_t n);

// Writes all n bytes at p to fd through short and interrupted writes, with w
// in place of write(2) when given. False when a write fails, with errno set
// (EIO for a write that made no progress).
bool writeall(int fd, const char* p, std::size_t n, writefn w = nullptr);
