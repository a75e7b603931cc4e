// vornak-chart's charts cast and given out, one at a time.
#include "cli/chartout.h"

#include <ostream>
#include <utility>

#include "chart/chartline.h"
#include "cli/messages.h"
#include "cli/textjson.h"

chartout::chartout(const chartopts& o, std::string inname, std::ostream& out, std::ostream& err)
    : o(o),
      inname(std::move(inname)),
      out(out),
      err(err),
      page(o.page(), out),
      topage(o.format != pageformat::none) {}

bool chartout::open() {
  std::string why;
  if (!topage || page.open(why)) return true;
  say(err, outputname(o.path), why);
  return false;
}

// Charts are gathered and written in large pieces; before a message the
// output so far goes out, to keep the two in order on a terminal.
bool chartout::flush() {
  if (!buf.empty()) out.write(buf.data(), static_cast<std::streamsize>(buf.size()));
  buf.clear();
  return static_cast<bool>(out);
}

bool chartout::add(std::uint64_t n, std::string_view line) {
  long long index = static_cast<long long>(n);
  lineread lr = readchartline(line);
  if (!lr.ok) {
    if (!flush()) {
      cantwrite(err);
      return false;
    }
    say(err, inname, "line " + std::to_string(index) + ": " + shown(lr.why));
    if (o.json) addjsonerror(buf, index, lr.why);
    status = 1;
  } else {
    chartstate s = castchart(lr.rec);
    if (topage) {
      page.add(lr.rec, s);
    } else if (o.json) {
      addjson(buf, index, lr.rec, s);
    } else {
      if (printed) buf += '\n';
      addtext(buf, lr.rec, s);
    }
    printed = true;
  }
  if (buf.size() < 65536 || flush()) return true;
  cantwrite(err);
  return false;
}

int chartout::finish() {
  std::string why;
  if (topage && !page.finish(why)) {
    say(err, outputname(o.path), why);
    return page.pages() == 0 ? 1 : 2;
  }
  flush();
  out.flush();
  if (!out) return cantwrite(err);
  return status;
}

int chartout::unreadable(const std::string& why) {
  flush();
  say(err, inname, why);
  return 2;
}
