// vornak-chart's page options: --png, --svg, --pdf, --north, --scale.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "page/pagefile.h"

// Reads one page option at args[i] (--png FILE, --svg FILE, --pdf FILE,
// --north, --scale K, also as --opt=VALUE), moving i past its value.
// Returns 0 when args[i] is none of them, 1 when it was read, -1 when it is
// wrong, with the reason in why.
int pageoption(const std::vector<std::string>& args, std::size_t& i, pageopts& o,
               std::string& why);

// The options together: a page format for --north and --scale, --scale only
// with --png. Returns the reason they do not go together, or "".
std::string pageoptscheck(const pageopts& o);
