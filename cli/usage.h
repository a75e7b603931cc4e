// vornak-chart's usage lines and its --help text, made from the option table.
#pragma once

#include <string>

// The usage lines, each ending in a line feed.
std::string usagelines();

// The short help: the usage lines, what the command does, one line per
// option, the exit statuses, and where the full reference is.
std::string helptext();
