// The chart line reader on arbitrary bytes: it never reads out of bounds, and
// what it accepts writes back as a line that reads again to the same line.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "chart/chartline.h"
#include "chart/fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lineread r = readchartline(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!r.ok) return 0;
  if (firstbad(r.rec) != nullptr) std::abort();
  char first[128], second[128];
  int n = writechartline(first, r.rec);
  lineread again = readchartline(std::string_view(first, n));
  if (!again.ok) std::abort();
  if (writechartline(second, again.rec) != n || std::memcmp(first, second, n) != 0) std::abort();
  return 0;
}
