// vornak-chart on arbitrary bytes, as text and as JSON Lines: it never fails
// to run, and every line of its JSON output parses.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/chartcmd.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  for (bool json : {false, true}) {
    std::istringstream in(bytes);
    std::ostringstream out, err;
    std::vector<std::string> args = {"-"};
    if (json) args.insert(args.begin(), "--json");
    int status = chartcmd(args, in, out, err);
    if (status != 0 && status != 1) std::abort();
    if (!json) continue;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
      if (!nlohmann::json::accept(line)) std::abort();
  }
  return 0;
}
