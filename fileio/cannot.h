// The one form of the messages about a file that cannot be read or written.
#pragma once

#include <string>

// "cannot WHAT: " and the system's reason for err ("cannot read: Is a
// directory"), or "cannot WHAT" alone when err is 0.
std::string cannot(const char* what, int err);
