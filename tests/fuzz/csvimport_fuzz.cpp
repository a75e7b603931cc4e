// vornak-chart's import on arbitrary CSV, with the atlas and tzdata of the
// machine: every line it prints is a chart line that reads back as a chart,
// and the status is 1 exactly when a row was refused (a note that a name was
// shortened refuses nothing).
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
  // A row whose name or place was shortened is still imported: its note is
  // no refusal.
  std::istringstream notes(err.str());
  bool refused = false;
  for (std::string note; std::getline(notes, note);) {
    const std::string_view why = std::string_view(note).substr(note.find(": ") + 2);
    refused |= why.rfind("name shortened to 23 bytes: \"", 0) != 0 &&
               why.rfind("place shortened to 23 bytes: \"", 0) != 0;
  }
  if ((status == 1) != refused) std::abort();
  return 0;
}
