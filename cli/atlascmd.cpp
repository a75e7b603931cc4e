// vornak-chart's --find and --import.
#include "cli/atlascmd.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <ostream>
#include <streambuf>

#include "atlas/atlas.h"
#include "atlas/csvimport.h"
#include "cli/input.h"
#include "cli/messages.h"
#include "cli/textjson.h"
#include "fileio/cannot.h"
#include "fileio/outfile.h"

int findplaces(const chartopts& o, std::ostream& out, std::ostream& err) {
  atlas& a = worldatlas();
  if (!a.load().empty()) {
    say(err, a.load());
    return 2;
  }
  const placesfound found = a.search(o.find, SIZE_MAX);
  for (const place* p : found.places) out << (o.json ? findjson(*p) : findline(*p));
  out.flush();
  if (!out) return cantwrite(err);
  if (found.places.empty()) {
    std::string close;
    for (const place* p : found.close) close += (close.empty() ? "" : "; ") + placetext(*p);
    say(err, "no place of 15,000 people or more has a name that starts with \"" + excerpt(o.find, 80) +
                 "\"" + (close.empty() ? "" : "; close names: " + close));
    return 1;
  }
  return 0;
}

namespace {

// The import's lines into a chart file opened to append to, 64 KiB at a
// time, counted.
class appendbuf : public std::streambuf {
 public:
  explicit appendbuf(chartappend& f) : f(f) {}
  bool putheld() {
    const bool ok = f.add(held);
    held.clear();
    return ok;
  }
  long lines = 0;

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    held.append(s, static_cast<std::size_t>(n));
    lines += std::count(s, s + n, '\n');
    return held.size() < 65536 || putheld() ? n : 0;
  }
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
  }

 private:
  chartappend& f;
  std::string held;
};

// --import FILE --append CHARTFILE: every row's line added to the chart
// file, or none when a row is refused or a write fails. The file is locked
// for the whole import, so that no Save lands between its lines.
int appendimport(const chartopts& o, std::istream& csv, std::ostream& err,
                 const std::string& inname) {
  const std::string name = shown(*o.append);
  chartappend f;
  if (!f.open(o.append->c_str(), -1)) {
    say(err, name, errno == EINVAL ? "cannot write: not a regular file" : cannot("write", errno));
    return 2;
  }
  appendbuf buf(f);
  std::ostream out(&buf);
  const int status = importcsv(csv, out, err, worldatlas(), "vornak-chart: " + inname + ": ");
  if (csv.bad()) {
    say(err, inname, readfailure(csv));
    return 2;
  }
  if (status != 0) {
    say(err, name, "nothing added, as a row was refused");
    return status;
  }
  if (!out || !buf.putheld() || !f.commit()) {
    say(err, name, cannot("write", errno) + "; nothing added");
    return 2;
  }
  say(err, name,
      std::to_string(buf.lines) + (buf.lines == 1 ? " chart line" : " chart lines") + " added");
  return 0;
}

}  // namespace

int importcharts(const chartopts& o, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::string inname = inputname(o.csv);
  if (o.append && isinput(*o.append, o.csv)) {
    say(err, shown(*o.append), "is the input file; nothing written");
    return 2;
  }
  std::string why;
  inputbytes input;
  if (!input.open(o.csv, in, why)) {
    say(err, inname, why);
    return 2;
  }
  std::istream& csv = input.stream();
  if (o.append) return appendimport(o, csv, err, inname);
  const int status = importcsv(csv, out, err, worldatlas(), "vornak-chart: " + inname + ": ");
  if (csv.bad()) {
    say(err, inname, readfailure(csv));
    return 2;
  }
  out.flush();
  if (!out) return cantwrite(err);
  return status;
}
