// The chart file's splitter, item reader, list and loader on arbitrary file
// contents: the reader fed in pieces, the list and the loader agree with the
// splitter on every item, and an item they load is a chart within the
// dialog's ranges.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "chart/chartfile.h"
#include "chart/fields.h"
#include "tests/chart/items.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  auto items = splititems(text);
  for (std::string_view item : items)
    if (item.size() > 1023 || item.find('\n') != item.npos || item.find('\0') != item.npos)
      std::abort();

  // The same items from pieces of 1 to 1100 bytes, the size taken from the text.
  std::size_t piece = size ? 1 + (data[0] * 131u + size) % 1100 : 1;
  itemreader reader;
  std::size_t n = 0;
  for (std::size_t at = 0; at < size; at += piece) {
    reader.feed(text.substr(at, piece));
    for (std::string_view item; reader.next(item); ++n)
      if (n >= items.size() || item != items[n]) std::abort();
  }
  if (n + 1 != items.size() || reader.last() != items[n]) std::abort();

  static std::string path = "/tmp/vornak-fuzz-" + std::to_string(getpid()) + ".vnk";
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  bool opened = false;
  auto listed = listitems(path.c_str(), &opened);
  if (!opened || listed.size() != items.size()) std::abort();
  for (std::size_t i = 0; i < listed.size() && i < 8; ++i) {
    if (listed[i] != items[i]) std::abort();
    chartload r = loadchart(path.c_str(), static_cast<int>(i));
    if (r.state == loadstate::chart && firstbad(r.rec) != nullptr) std::abort();
  }
  if (loadchart(path.c_str(), static_cast<int>(items.size())).state != loadstate::nochart)
    std::abort();
  return 0;
}
