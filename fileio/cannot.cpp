// The "cannot read/write" messages.
#include "fileio/cannot.h"

#include <cstring>

std::string cannot(const char* what, int err) {
  std::string s = std::string("cannot ") + what;
  return err ? s + ": " + std::strerror(err) : s;
}
