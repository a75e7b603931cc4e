// vornak-chart's import on arbitrary CSV, with the atlas and tzdata of the
// machine: every line it prints is a chart line that reads back as a chart,
// and the status is 1 exactly when a row was refused.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "atlas/csvimport.h"
#include "chart/chartline.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  const int status = importcsv(in, out, err, worldatlas());
  const std::string lines = out.str();
  if (lines.size() % 100 != 0) std::abort();
  for (std::size_t at = 0; at < lines.size(); at += 100)
    if (!readchartline(std::string_view(lines).substr(at, 100)).ok) std::abort();
  if ((status == 1) != !err.str().empty()) std::abort();
  return 0;
}
