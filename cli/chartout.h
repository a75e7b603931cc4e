// Where vornak-chart's charts go: text or JSON Lines on standard output, or
// their pages into a page file; a line that is not a chart is told on
// standard error.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "cli/options.h"
#include "page/pagefile.h"

class chartout {
 public:
  // inname is the input as messages name it.
  chartout(const chartopts& o, std::string inname, std::ostream& out, std::ostream& err);

  // Opens the page file, when there is one; false after saying why.
  bool open();
  // Casts line n of the input and gives out its chart: its text, its JSON
  // object or its page. A line that is not a chart is told on err (and in
  // JSON), and the status becomes 1. False when the output cannot be
  // written, after saying so.
  bool add(std::uint64_t n, std::string_view line);
  // Completes the output once the input is read to its end; the exit status.
  int finish();
  // When the input cannot be read to its end: what is gathered goes out,
  // the page file is dropped, and why is told; status 2.
  int unreadable(const std::string& why);

 private:
  const chartopts& o;
  std::string inname;
  std::ostream& out;
  std::ostream& err;
  pagefile page;
  bool topage;
  std::string buf;  // text or JSON not yet written
  bool printed = false;
  int status = 0;
  bool flush();
};
