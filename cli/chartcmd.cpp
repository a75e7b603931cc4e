// vornak-chart: the charts of a chart file as text or JSON Lines.
#include "cli/chartcmd.h"

#include <charconv>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <istream>
#include <memory>
#include <ostream>

#include "version.h"
#include "chart/chartfile.h"
#include "chart/chartline.h"
#include "chart/dasha.h"
#include "chart/escape.h"
#include "engine/calendar.h"
#include "page/pagetext.h"
#include "cli/fdinput.h"
#include "cli/pageoption.h"
#include "page/outfile.h"

static const char* const prog = "vornak-chart";

static const char* const usage =
    "usage: vornak-chart [--json | --png FILE | --svg FILE | --pdf FILE] [--north]\n"
    "                    [--scale K] [--line N] [FILE]\n";

static const char* const helptext =
    "usage: vornak-chart [--json | --png FILE | --svg FILE | --pdf FILE] [--north]\n"
    "                    [--scale K] [--line N] [FILE]\n"
    "\n"
    "Casts the birth charts of a Vornak chart file and prints them, or writes\n"
    "their chart pages to a picture or a PDF.\n"
    "\n"
    "FILE is a chart file with one 99-character chart line per chart, as the\n"
    "window program's File > Save writes it. The default is charts.vnk in the\n"
    "current directory; \"-\" reads standard input. The file is split into lines\n"
    "as the window's chart list splits it, at line feeds and zero bytes and\n"
    "after 1023 bytes (the byte that follows is dropped); a last line without\n"
    "its line feed still counts, and lines are counted from 0, as in the list.\n"
    "\n"
    "Options:\n"
    "  --json      print one JSON object per line (JSON Lines) instead of text\n"
    "  --line N    cast only line N (counted from 0)\n"
    "  --png FILE  write the chart page as a PNG image, 760 x 600 pixels\n"
    "  --svg FILE  write the chart page as SVG, its texts kept as text\n"
    "  --pdf FILE  write a PDF with the page of every chosen chart, one A4\n"
    "              landscape page per chart in file order\n"
    "  --north     draw the North chart (the default is the South chart)\n"
    "  --scale K   with --png: the page at K times its size, K from 1 to 4\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "\n"
    "Text output: for each chart the texts of the chart page, one per line: the\n"
    "name, the date line and the place line; the ten points (As Su Mo Ma Me Ju\n"
    "Ve Sa Ra Ke), each with its retrograde mark R, its position as degree, sign\n"
    "and minute, and its nakshatra; the navamsha signs; the Vimshottari dashas\n"
    "with their start dates. A blank line separates charts. Control bytes in a\n"
    "name or place are shown as \\xHH.\n"
    "\n"
    "JSON output: one object per line with the keys line, name and place (as\n"
    "read, trailing blanks kept), date (the date line), jd (the chart's day count:\n"
    "the Julian Day plus one half, whose whole part is the day number of the civil\n"
    "date in Universal Time), jdut (the astronomical Julian Day of the instant,\n"
    "Universal Time, to pass to an astronomy library; both printed so that they\n"
    "read back exactly), tpos (ten positions in arc-minutes), tsp (ten\n"
    "daily motions in arc-seconds per day; the ascendant's is 0), nakshatra (ten\n"
    "names), navamsha (ten sign numbers 1 to 12) and dashas (pairs of label and\n"
    "start date). A line that is not a chart gives {\"line\": N, \"error\": \"...\"}.\n"
    "The output is valid UTF-8: quotes, backslashes and control bytes are\n"
    "escaped, and each byte of a name or place that is not part of valid UTF-8\n"
    "is replaced by U+FFFD.\n"
    "\n"
    "The zone of a chart line is what is added to the local time to give\n"
    "Universal Time, the opposite sign of ISO 8601: \"-\" is east of Greenwich\n"
    "(India is - 05:30), \"+\" is west (New York in winter is + 05:00).\n"
    "\n"
    "Pages: the page that the window shows, black on white, with DejaVu Sans\n"
    "for its texts. FILE \"-\" writes to standard output. A PNG or SVG holds\n"
    "one chart, so a file of more than one line needs --line N. The file is\n"
    "written under a temporary name beside FILE and renamed to FILE only when\n"
    "complete; devices, FIFOs and /dev/stdout are written directly. An output\n"
    "that is the input file is refused.\n"
    "\n"
    "A line that is not a chart is reported on standard error with its line\n"
    "number and the reason; the other lines are still cast (and still go into\n"
    "a PDF).\n"
    "\n"
    "Exit status:\n"
    "  0  every chosen line was cast\n"
    "  1  a line was not a chart, or the file has no line N, or no chart was\n"
    "     left to write a page of\n"
    "  2  bad usage (several charts for one PNG or SVG included), the file\n"
    "     could not be read, the output is the input file, or the output could\n"
    "     not be written\n";

// Control bytes as \xHH, so that a chart file cannot drive the terminal.
static std::string shown(std::string_view s) {
  return escapebytes(s, escapes::control);
}

static void addshown(std::string& r, std::string_view s) {
  escapeinto(r, s, escapes::control);
}

static void addjsonstr(std::string& r, std::string_view s) {
  r += '"';
  escapeinto(r, s, escapes::json);
  r += '"';
}

std::string jsonstr(std::string_view s) {
  std::string r;
  addjsonstr(r, s);
  return r;
}

static void addint(std::string& r, long long v) {
  char buf[24];
  r.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

std::string placeline(const birthdata& b) {
  char buf[64];
  placetext(buf, sizeof buf, b);
  return buf;
}

// A period's label and start date, as "Ve/Su" and "May 29, 2000".
static void addlabel(std::string& r, const dashaperiod& p) {
  r += dashnam[p.major];
  r += '/';
  r += dashnam[p.sub];
}

static std::string_view datetext(char* buf, const dashaperiod& p) {
  return std::string_view(buf, jd2date(buf, p.day));
}

// The text of a chart added to r (charttext).
static void addcharttext(std::string& r, const birthdata& b, const chartstate& s) {
  char place[64];
  placetext(place, sizeof place, b);
  addshown(r, b.name);
  r += '\n';
  addshown(r, b.dtstr);
  r += '\n';
  addshown(r, place);
  r += '\n';

  // Rows of "%-3s  %s  %s": the label padded to three, the position, the
  // nakshatra.
  for (int i = 0; i < nbody; ++i) {
    char pos[8];
    prtdhm(pos, s.tpos[i]);
    r += plnam[i];
    r += isretro(i, s) ? "R  " : "   ";
    r += pos;
    r += "  ";
    r += naknam[nakshatra(s.tpos[i])];
    r += '\n';
  }

  // The page's entries each end in a blank; here single blanks part them.
  r += "Navamsha Signs:";
  for (int i = 0; i < nbody; ++i) {
    r += ' ';
    r += plnam[i];
    r += ':';
    addint(r, navamsha(s.tpos[i]));
  }
  r += "\nVimshottari Dashas\n";
  dashaperiod list[maxdashas];
  char date[jd2date_size];
  for (int k = 0, n = dashaperiods(s, list); k < n; ++k) {
    addlabel(r, list[k]);
    r += ' ';
    r += datetext(date, list[k]);
    r += '\n';
  }
}

std::string charttext(const birthdata& b, const chartstate& s) {
  std::string r;
  addcharttext(r, b, s);
  return r;
}

// The JSON object of a chart added to r (chartjson).
static void addchartjson(std::string& r, long long line, const birthdata& b,
                         const chartstate& s) {
  r += "{\"line\": ";
  addint(r, line);
  r += ", \"name\": ";
  addjsonstr(r, b.name);
  r += ", \"place\": ";
  addjsonstr(r, b.place);
  r += ", \"date\": ";
  addjsonstr(r, b.dtstr);
  // The shortest form that reads back exactly would do as well, but the
  // printed form stays as it has always been.
  char jd[40];
  std::snprintf(jd, sizeof jd, "%.17g", s.jd);
  r += ", \"jd\": ";
  r += jd;
  // The astronomical Julian Day (UT) of the instant: jd less one half, exact.
  std::snprintf(jd, sizeof jd, "%.17g", s.jd - 0.5);
  r += ", \"jdut\": ";
  r += jd;

  auto ints = [&](const char* key, const int32_t* v) {
    r += ", \"";
    r += key;
    r += "\": [";
    for (int i = 0; i < nbody; ++i) {
      if (i) r += ", ";
      addint(r, v[i]);
    }
    r += ']';
  };
  ints("tpos", s.tpos);
  ints("tsp", s.tsp);

  r += ", \"nakshatra\": [";
  for (int i = 0; i < nbody; ++i) {
    if (i) r += ", ";
    addjsonstr(r, naknam[nakshatra(s.tpos[i])]);
  }
  r += "], \"navamsha\": [";
  for (int i = 0; i < nbody; ++i) {
    if (i) r += ", ";
    addint(r, navamsha(s.tpos[i]));
  }
  r += "], \"dashas\": [";
  dashaperiod list[maxdashas];
  char date[jd2date_size];
  for (int k = 0, n = dashaperiods(s, list); k < n; ++k) {
    r += k ? ", [\"" : "[\"";
    addlabel(r, list[k]);
    r += "\", ";
    addjsonstr(r, datetext(date, list[k]));
    r += ']';
  }
  r += "]}\n";
}

std::string chartjson(long long line, const birthdata& b, const chartstate& s) {
  std::string r;
  addchartjson(r, line, b, s);
  return r;
}

namespace {

// The lines of a chart file, read in chunks: the chart list's items, less
// the empty one after a final line feed. Only a chunk and one line are held,
// however long the file.
class linesource {
 public:
  linesource(const std::string& path, std::istream& in)
      : path(path), in(in), chunk(new char[chunksize]) {}
  ~linesource() {
    if (f) std::fclose(f);
  }
  linesource(const linesource&) = delete;
  linesource& operator=(const linesource&) = delete;

  // Opens the file (standard input for "-"); false with the reason in why.
  bool open(std::string& why) {
    if (path == "-") return true;
    f = std::fopen(path.c_str(), "rb");
    if (!f) why = std::string("cannot open: ") + std::strerror(errno);
    return f != nullptr;
  }

  // The next line, valid until the next call; false at the end of the file
  // or when it cannot be read (failed).
  bool next(std::string_view& line) {
    for (;;) {
      if (items.next(line)) return true;
      if (ended) return false;
      std::size_t n = read();
      if (n > 0) {
        items.feed(std::string_view(chunk.get(), n));
      } else {
        ended = true;
        line = items.last();
        return why.empty() && !line.empty();
      }
    }
  }

  // Why the file could not be read, or "".
  const std::string& failed() const { return why; }

 private:
  static constexpr std::size_t chunksize = 65536;
  const std::string& path;
  std::istream& in;
  std::FILE* f = nullptr;
  std::unique_ptr<char[]> chunk;
  itemreader items;
  bool ended = false;
  std::string why;

  // The next chunk's bytes into chunk; 0 at the end or on an error.
  std::size_t read() {
    if (!f) {
      in.read(chunk.get(), chunksize);
      if (in.bad()) why = readfailure(in);
      return why.empty() ? static_cast<std::size_t>(in.gcount()) : 0;
    }
    std::size_t n = std::fread(chunk.get(), 1, chunksize, f);
    if (n == 0 && std::ferror(f)) why = std::string("cannot read: ") + std::strerror(errno);
    return n;
  }
};

}  // namespace

// Parses the N of --line: decimal digits only. Values too large for the
// count saturate; no file has that many lines.
static bool parseline(const std::string& s, std::uint64_t& n) {
  if (s.empty()) return false;
  n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    if (n < UINT64_MAX / 10) n = n * 10 + static_cast<unsigned>(c - '0');
  }
  return true;
}

static int badusage(std::ostream& err, const std::string& what) {
  err << prog << ": " << shown(what) << "\n" << usage
      << "Try 'vornak-chart --help' for more information.\n";
  return 2;
}

int chartcmd(const std::vector<std::string>& args, std::istream& in,
             std::ostream& out, std::ostream& err) {
  bool json = false;
  bool one = false;
  std::uint64_t only = 0;
  std::string onlyarg;  // as given, for the messages
  std::vector<std::string> files;
  bool optsdone = false;
  pageopts page;
  std::string why;

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optsdone || a == "-" || a.empty() || a[0] != '-') {
      files.push_back(a);
    } else if (a == "--") {
      optsdone = true;
    } else if (a == "--help") {
      out << helptext;
      out.flush();
      return out ? 0 : 2;
    } else if (a == "--version") {
      out << "vornak-chart Version " VORNAK_VERSION "\n";
      out.flush();
      return out ? 0 : 2;
    } else if (a == "--json") {
      json = true;
    } else if (a == "--line" || a.rfind("--line=", 0) == 0) {
      std::string v;
      if (a == "--line") {
        if (i + 1 >= args.size()) return badusage(err, "--line needs a line number");
        v = args[++i];
      } else {
        v = a.substr(7);
      }
      if (!parseline(v, only))
        return badusage(err, "--line needs a line number from 0 on, not \"" + v + "\"");
      one = true;
      onlyarg = v;
    } else if (int r = pageoption(args, i, page, why)) {
      if (r < 0) return badusage(err, why);
    } else {
      return badusage(err, "unknown option \"" + a + "\"");
    }
  }
  if (files.size() > 1) return badusage(err, "only one FILE, please");
  if (json && page.format != pageformat::none)
    return badusage(err, "--json or a page file, not both");
  if (!(why = pageoptscheck(page)).empty()) return badusage(err, why);

  std::string path = files.empty() ? "charts.vnk" : files[0];
  std::string shownpath = path == "-" ? "standard input" : shown(path);
  // The input is never written over, whatever name the output has.
  std::string outpath = page.format == pageformat::none ? "-" : page.path;
  if (isinput(outpath, path)) {
    err << prog << ": " << (outpath == "-" ? "standard output" : shown(outpath))
        << ": is the input file; nothing written\n";
    return 2;
  }
  linesource src(path, in);
  if (!src.open(why)) {
    err << prog << ": " << shownpath << ": " << why << "\n";
    return 2;
  }
  auto unreadable = [&] {
    err << prog << ": " << shownpath << ": " << src.failed() << "\n";
    return 2;
  };

  // One chosen line (--line N, or the one line of a PNG or SVG) is read
  // with the whole file first, so that a file that cannot be read, a line
  // it does not have or a second chart is told before anything is written.
  bool onepage = page.format == pageformat::png || page.format == pageformat::svg;
  bool chosen = one || onepage;
  std::string chosenline;
  std::uint64_t count = 0;
  std::string_view line;
  if (chosen) {
    bool found = false;
    for (; src.next(line); ++count) {
      if (count == only) {
        chosenline.assign(line);
        found = true;
      }
    }
    if (!src.failed().empty()) return unreadable();
    if (one && !found) {
      err << prog << ": " << shownpath << ": no line " << shown(onlyarg);
      if (count == 0)
        err << ": the file has no lines\n";
      else
        err << ": the file has lines 0 to " << count - 1 << "\n";
      return 1;
    }
    if (!one && count > 1) {
      err << prog << ": " << shownpath << " has " << count
          << " lines, and a PNG or SVG holds one chart: choose one with --line N\n";
      return 2;
    }
    count = found ? 1 : 0;
  }

  // Otherwise every line in turn, the first read before a page file is
  // begun, so that a file that cannot be read leaves none behind.
  bool have = chosen ? count == 1 : src.next(line);
  if (chosen) line = chosenline;
  if (!src.failed().empty()) return unreadable();

  pagefile pf(page, out);
  std::string shownout = page.path == "-" ? "standard output" : shown(page.path);
  if (page.format != pageformat::none && !pf.open(why)) {
    err << prog << ": " << shownout << ": " << why << "\n";
    return 2;
  }

  // Charts are gathered and written in large pieces; before a message the
  // output so far goes out, to keep the two in order on a terminal.
  std::string buf;
  auto flush = [&] {
    if (!buf.empty()) out.write(buf.data(), static_cast<std::streamsize>(buf.size()));
    buf.clear();
    return static_cast<bool>(out);
  };
  auto cantwrite = [&] {
    err << prog << ": cannot write the output\n";
    return 2;
  };

  int status = 0;
  bool printed = false;
  for (std::uint64_t n = chosen ? only : 0; have; ++n) {
    long long index = static_cast<long long>(n);
    lineread lr = readchartline(line);
    if (!lr.ok) {
      if (!flush()) return cantwrite();
      err << prog << ": " << shownpath << ": line " << index << ": " << shown(lr.why)
          << "\n";
      if (json) {
        buf += "{\"line\": ";
        addint(buf, index);
        buf += ", \"error\": ";
        addjsonstr(buf, lr.why);
        buf += "}\n";
      }
      status = 1;
    } else {
      chartstate s = castchart(lr.rec);
      if (page.format != pageformat::none) {
        pf.add(lr.rec, s);
      } else if (json) {
        addchartjson(buf, index, lr.rec, s);
      } else {
        if (printed) buf += '\n';
        addcharttext(buf, lr.rec, s);
      }
      printed = true;
    }
    if (buf.size() >= 65536 && !flush()) return cantwrite();
    have = !chosen && src.next(line);
  }
  // A file that cannot be read to its end leaves no page file behind.
  if (!src.failed().empty()) {
    flush();
    return unreadable();
  }

  if (page.format != pageformat::none && !pf.finish(why)) {
    err << prog << ": " << shownout << ": " << why << "\n";
    return pf.pages() == 0 ? 1 : 2;
  }
  flush();
  out.flush();
  if (!out) return cantwrite();
  return status;
}
