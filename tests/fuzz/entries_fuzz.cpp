// The dialog's checks and commit on arbitrary entries: whatever passes the
// checks commits to a record whose chart line reads back, and a name or
// place that was valid UTF-8 stays valid UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "chart/chartline.h"
#include "chart/entrycheck.h"
#include "chart/escape.h"

static bool validutf8(std::string_view s) {
  for (std::size_t i = 0, n; i < s.size(); i += n)
    if ((n = utf8len(s.substr(i))) == 0) return false;
  return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Fields separated by '|', choices from the first four bytes.
  if (size < 4) return 0;
  entries e;
  e.mon = data[0] % 12;
  e.zone = data[1] % 2;
  e.lonew = data[2] % 2;
  e.latns = data[3] % 2;
  std::string* fields[] = {&e.name,  &e.place, &e.day,  &e.year, &e.hour, &e.min,
                           &e.zhour, &e.zmin,  &e.lond, &e.lonm, &e.latd, &e.latm};
  std::size_t f = 0;
  for (std::size_t i = 4; i < size && f < std::size(fields); ++i) {
    if (data[i] == '|')
      ++f;
    else
      fields[f]->push_back(static_cast<char>(data[i]));
  }
  if (checkentries(e) != nullptr) return 0;
  birthdata b = commitentries(e);
  char line[128];
  int n = writechartline(line, b);
  if (!readchartline(std::string_view(line, n)).ok) std::abort();
  if (validutf8(e.name) && !validutf8(b.name)) std::abort();
  if (validutf8(e.place) && !validutf8(b.place)) std::abort();
  return 0;
}
