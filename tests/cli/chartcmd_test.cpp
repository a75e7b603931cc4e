// vornak-chart, called in-process: text and JSON output, errors and usage.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/chartline.h"
#include "cli/chartcmd.h"

namespace {

// Chart lines as the window program saves them.
const std::string j2000 =
    "J2000 Epoch            Jan 01, 200012:00:00 PM    +00:00000W00'00 00N00'00 "
    "Greenwich Meridian      ";
const std::string delhi =
    "Delhi Noon UT          Jan 01, 200005:30:00 PM    -05:30077E12'00 28N36'00 "
    "New Delhi               ";
const std::string badmonth =
    "Bad Month              Xyz 01, 200012:00:00 PM    +00:00000W00'00 00N00'00 "
    "Nowhere                 ";

struct result {
  int status;
  std::string out, err;
};

result run(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  int status = chartcmd(args, in, out, err);
  return {status, out.str(), err.str()};
}

// The files written by tempfile, removed when the test program ends.
struct tempfiles {
  std::vector<std::string> paths;
  ~tempfiles() {
    for (auto& p : paths) std::remove(p.c_str());
  }
} made;

// Writes a file in the test's temporary directory and returns its path.
std::string tempfile(const std::string& name, const std::string& content) {
  std::string path = ::testing::TempDir() + "vornak_cli_" +
                     std::to_string(getpid()) + "_" + name;
  std::ofstream f(path, std::ios::binary);
  f << content;
  made.paths.push_back(path);
  return path;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> r;
  std::istringstream s(text);
  for (std::string l; std::getline(s, l);) r.push_back(l);
  return r;
}

// A small JSON reader that accepts only valid JSON text: raw control bytes,
// bad escapes and bytes that are not UTF-8 are rejected. Object keys keep
// their order.
struct jvalue {
  enum kind { null, boolean, number, string, array, object } k = null;
  std::string text;  // number as written, or decoded string
  std::vector<jvalue> items;
  std::vector<std::pair<std::string, jvalue>> members;

  const jvalue& operator[](const std::string& key) const {
    for (auto& m : members)
      if (m.first == key) return m.second;
    throw std::runtime_error("no key " + key);
  }
  const jvalue& operator[](std::size_t i) const { return items.at(i); }
  double num() const { return std::strtod(text.c_str(), nullptr); }
  std::vector<std::string> keys() const {
    std::vector<std::string> r;
    for (auto& m : members) r.push_back(m.first);
    return r;
  }
  std::vector<long> ints() const {
    std::vector<long> r;
    for (auto& v : items) r.push_back(std::stol(v.text));
    return r;
  }
  std::vector<std::string> strings() const {
    std::vector<std::string> r;
    for (auto& v : items) r.push_back(v.text);
    return r;
  }
};

struct jparser {
  const std::string& s;
  std::size_t i = 0;

  [[noreturn]] void fail(const char* what) {
    throw std::runtime_error(std::string(what) + " at byte " + std::to_string(i));
  }
  void ws() {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n'))
      ++i;
  }
  void expect(char c) {
    ws();
    if (i >= s.size() || s[i] != c) fail("expected character");
    ++i;
  }
  static void utf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xc0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3f));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xe0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
      out += static_cast<char>(0x80 | (cp & 0x3f));
    } else {
      out += static_cast<char>(0xf0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3f));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
      out += static_cast<char>(0x80 | (cp & 0x3f));
    }
  }
  unsigned hex4() {
    if (i + 4 > s.size()) fail("short \\u escape");
    unsigned v = 0;
    for (int n = 0; n < 4; ++n) {
      char c = s[i++];
      v <<= 4;
      if (c >= '0' && c <= '9') v |= c - '0';
      else if (c >= 'a' && c <= 'f') v |= c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') v |= c - 'A' + 10;
      else fail("bad hex digit");
    }
    return v;
  }
  // One raw UTF-8 character, decoded and checked.
  void rawchar(std::string& out) {
    unsigned char c = s[i];
    int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) fail("bad UTF-8 lead byte");
    unsigned cp = n == 1 ? c : n == 2 ? c & 0x1f : n == 3 ? c & 0x0f : c & 0x07;
    for (int k = 1; k < n; ++k) {
      unsigned char d = s[i + k];
      if ((d >> 6) != 2) fail("bad UTF-8 continuation byte");
      cp = (cp << 6) | (d & 0x3f);
    }
    static const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[n] || cp > 0x10ffff || (cp >= 0xd800 && cp < 0xe000))
      fail("bad UTF-8 sequence");
    out.append(s, i, n);
    i += n;
  }
  std::string str() {
    expect('"');
    std::string out;
    for (;;) {
      if (i >= s.size()) fail("unterminated string");
      unsigned char c = s[i];
      if (c == '"') {
        ++i;
        return out;
      }
      if (c < 0x20) fail("raw control byte in string");
      if (c != '\\') {
        rawchar(out);
        continue;
      }
      if (++i >= s.size()) fail("dangling backslash");
      char e = s[i++];
      switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          unsigned cp = hex4();
          if (cp >= 0xd800 && cp < 0xdc00) {
            if (s.compare(i, 2, "\\u") != 0) fail("lone high surrogate");
            i += 2;
            unsigned lo = hex4();
            if (lo < 0xdc00 || lo >= 0xe000) fail("bad low surrogate");
            cp = 0x10000 + ((cp - 0xd800) << 10) + (lo - 0xdc00);
          } else if (cp >= 0xdc00 && cp < 0xe000) {
            fail("lone low surrogate");
          }
          utf8(out, cp);
          break;
        }
        default: fail("bad escape");
      }
    }
  }
  jvalue value() {
    ws();
    if (i >= s.size()) fail("missing value");
    jvalue v;
    char c = s[i];
    if (c == '{') {
      v.k = jvalue::object;
      ++i;
      ws();
      if (i < s.size() && s[i] == '}') {
        ++i;
        return v;
      }
      for (;;) {
        std::string key = str();
        expect(':');
        v.members.emplace_back(key, value());
        ws();
        if (i < s.size() && s[i] == ',') {
          ++i;
          continue;
        }
        expect('}');
        return v;
      }
    }
    if (c == '[') {
      v.k = jvalue::array;
      ++i;
      ws();
      if (i < s.size() && s[i] == ']') {
        ++i;
        return v;
      }
      for (;;) {
        v.items.push_back(value());
        ws();
        if (i < s.size() && s[i] == ',') {
          ++i;
          continue;
        }
        expect(']');
        return v;
      }
    }
    if (c == '"') {
      v.k = jvalue::string;
      v.text = str();
      return v;
    }
    if (s.compare(i, 4, "null") == 0) {
      i += 4;
      return v;
    }
    if (s.compare(i, 4, "true") == 0 || s.compare(i, 5, "false") == 0) {
      v.k = jvalue::boolean;
      i += s[i] == 't' ? 4 : 5;
      return v;
    }
    // Number: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    std::size_t start = i;
    auto digits = [&] {
      std::size_t d = i;
      while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
      if (i == d) fail("expected digits");
    };
    if (s[i] == '-') ++i;
    if (i < s.size() && s[i] == '0') ++i;
    else digits();
    if (i < s.size() && s[i] == '.') {
      ++i;
      digits();
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
      ++i;
      if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
      digits();
    }
    v.k = jvalue::number;
    v.text = s.substr(start, i - start);
    return v;
  }
};

// Parses one line of JSON Lines: exactly one value.
jvalue parsejson(const std::string& line) {
  jparser p{line};
  jvalue v = p.value();
  p.ws();
  if (p.i != line.size()) p.fail("text after the value");
  return v;
}

const std::vector<std::string> chartkeys = {"line", "name",      "place",    "date",
                                            "jd",   "tpos",      "tsp",      "nakshatra",
                                            "navamsha", "dashas"};

}  // namespace

// The J2000 chart and the Delhi chart of the same instant: every key and
// value of the JSON objects.
TEST(ChartJson, J2000AndDelhi) {
  std::string path = tempfile("two.vnk", j2000 + "\n" + delhi + "\n");
  result r = run({"--json", path});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  std::vector<std::string> out = lines(r.out);
  ASSERT_EQ(out.size(), 2u);

  jvalue a = parsejson(out[0]);
  EXPECT_EQ(a.keys(), chartkeys);
  EXPECT_EQ(a["line"].text, "0");
  EXPECT_EQ(a["name"].text, "J2000 Epoch            ");
  EXPECT_EQ(a["place"].text, "Greenwich Meridian     ");
  EXPECT_EQ(a["date"].text, "Jan 1, 2000 12:00 Zone: 00:00");
  // The day count reads back to the same double.
  EXPECT_EQ(a["jd"].text, "2451545.5");
  EXPECT_EQ(a["jd"].num(), 2451545.5);
  EXPECT_EQ(a["tpos"].ints(), (std::vector<long>{20852, 15390, 11967, 18246, 14881, 83,
                                                 13062, 992, 6005, 16805}));
  EXPECT_EQ(a["tsp"].ints(),
            (std::vector<long>{0, 3669, 43288, 2792, 5602, 146, 4352, -71, -194, -194}));
  EXPECT_EQ(a["nakshatra"].strings(),
            (std::vector<std::string>{"Revati", "P.Shadya", "Swati", "Dhanishtha", "Mula",
                                      "Aswini", "Anuradha", "Bharani", "Pushya",
                                      "Shravana"}));
  EXPECT_EQ(a["navamsha"].ints(), (std::vector<long>{9, 5, 12, 8, 3, 1, 6, 5, 7, 1}));

  // Moon at 11967: Rahu's period, 6303.301875 of its 6574.5 days gone, in
  // its last sub-period (Mars), 271.198125 days left; 1 + 8 * 9 entries.
  const jvalue& d = a["dashas"];
  ASSERT_EQ(d.items.size(), 73u);
  EXPECT_EQ(d[0].strings(), (std::vector<std::string>{"Ra/Ma", "Jan 01, 2000"}));
  EXPECT_EQ(d[1].strings(), (std::vector<std::string>{"Ju/Ju", "Sep 28, 2000"}));
  EXPECT_EQ(d[72].strings(), (std::vector<std::string>{"Ma/Mo", "Mar 01, 2102"}));

  jvalue b = parsejson(out[1]);
  EXPECT_EQ(b.keys(), chartkeys);
  EXPECT_EQ(b["line"].text, "1");
  EXPECT_EQ(b["name"].text, "Delhi Noon UT          ");
  EXPECT_EQ(b["place"].text, "New Delhi              ");
  EXPECT_EQ(b["date"].text, "Jan 1, 2000 17:30 Zone: -5:30");
  EXPECT_EQ(b["jd"].num(), 2451545.5);
  EXPECT_EQ(b["tpos"].ints(), (std::vector<long>{4579, 15390, 11967, 18246, 14881, 83,
                                                 13062, 992, 6005, 16805}));
  EXPECT_EQ(b["tsp"].ints(), a["tsp"].ints());
  EXPECT_EQ(b["nakshatra"][0].text, "Ardra");
  EXPECT_EQ(b["navamsha"][0].text, "11");
  EXPECT_EQ(b["dashas"].items.size(), 73u);
}

// The plain text: the page's header, table, navamsha line and dasha list.
TEST(ChartText, J2000) {
  std::string path = tempfile("one.vnk", j2000 + "\n");
  result r = run({path});
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> out = lines(r.out);
  std::vector<std::string> head = {
      "J2000 Epoch            ",
      "Jan 1, 2000 12:00 Zone: 00:00",
      "Greenwich Meridian        0W00  0N00",
      "As   17Pi32  Revati",
      "Su   16Sg30  P.Shadya",
      "Mo   19Li27  Swati",
      "Ma    4Aq06  Dhanishtha",
      "Me    8Sg01  Mula",
      "Ju    1Ar23  Aswini",
      "Ve    7Sc42  Anuradha",
      "SaR  16Ar32  Bharani",
      "Ra   10Cn05  Pushya",
      "Ke   10Cp05  Shravana",
      "Navamsha Signs: As:9 Su:5 Mo:12 Ma:8 Me:3 Ju:1 Ve:6 Sa:5 Ra:7 Ke:1",
      "Vimshottari Dashas",
      "Ra/Ma Jan 01, 2000",
      "Ju/Ju Sep 28, 2000",
  };
  ASSERT_EQ(out.size(), 15u + 73u);
  EXPECT_EQ(std::vector<std::string>(out.begin(), out.begin() + head.size()), head);
  EXPECT_EQ(out.back(), "Ma/Mo Mar 01, 2102");
}

// The Delhi header: east longitude and the zone "-" 5:30.
TEST(ChartText, DelhiHeader) {
  std::string path = tempfile("delhi.vnk", delhi);  // no final line feed
  result r = run({path});
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> out = lines(r.out);
  ASSERT_GE(out.size(), 4u);
  EXPECT_EQ(out[1], "Jan 1, 2000 17:30 Zone: -5:30");
  EXPECT_EQ(out[2], "New Delhi                77E12 28N36");
  EXPECT_EQ(out[3], "As   16Ge19  Ardra");
}

// A line that is not a chart among good ones: its message names the line,
// the others are still cast and the status is 1.
TEST(ChartCmd, BadLineAmongGood) {
  std::string path = tempfile("bad.vnk", j2000 + "\n" + badmonth + "\n" + delhi + "\n");
  result r = run({path});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "vornak-chart: " + path + ": line 1: unknown month \"Xyz\"\n");
  std::vector<std::string> out = lines(r.out);
  ASSERT_EQ(out.size(), 88u + 1u + 88u);
  EXPECT_EQ(out[0], "J2000 Epoch            ");
  EXPECT_EQ(out[88], "");  // one blank line between the two charts
  EXPECT_EQ(out[89], "Delhi Noon UT          ");

  r = run({"--json", path});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "vornak-chart: " + path + ": line 1: unknown month \"Xyz\"\n");
  out = lines(r.out);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[1], "{\"line\": 1, \"error\": \"unknown month \\\"Xyz\\\"\"}");
  EXPECT_EQ(parsejson(out[0])["line"].text, "0");
  EXPECT_EQ(parsejson(out[2])["line"].text, "2");

  // An empty line in the middle is a line too.
  path = tempfile("gap.vnk", j2000 + "\n\n" + delhi + "\n");
  r = run({"--json", path});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "vornak-chart: " + path + ": line 1: line is empty\n");
  EXPECT_EQ(parsejson(lines(r.out)[2])["name"].text, "Delhi Noon UT          ");
}

// Standard input with "-", and --line N counted from 0.
TEST(ChartCmd, StdinAndLine) {
  std::string input = j2000 + "\n" + badmonth + "\n" + delhi;  // last without "\n"
  result r = run({"--json", "-"}, input);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "vornak-chart: standard input: line 1: unknown month \"Xyz\"\n");
  EXPECT_EQ(lines(r.out).size(), 3u);

  r = run({"--line", "2", "--json", "-"}, input);
  EXPECT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(lines(r.out).size(), 1u);
  jvalue v = parsejson(lines(r.out)[0]);
  EXPECT_EQ(v["line"].text, "2");
  EXPECT_EQ(v["tpos"][0].text, "4579");

  r = run({"-", "--line=0"}, input);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(lines(r.out)[0], "J2000 Epoch            ");
  EXPECT_EQ(lines(r.out).size(), 88u);

  // Only the chosen line is read: the bad line 1 goes unreported.
  r = run({"--line", "0", "-"}, input);
  EXPECT_EQ(r.err, "");

  r = run({"--line", "3", "-"}, input);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "vornak-chart: standard input: no line 3: the file has lines 0 to 2\n");

  r = run({"--line", "0", "-"}, "");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "vornak-chart: standard input: no line 0: the file has no lines\n");

  // An empty file has nothing to cast and nothing wrong.
  r = run({"-"}, "");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out + r.err, "");
}

// Lines split at line feeds; the empty piece after the last one is no line.
TEST(ChartCmd, SplitLines) {
  using v = std::vector<std::string_view>;
  EXPECT_EQ(splitlines(""), v{});
  EXPECT_EQ(splitlines("a"), v{"a"});
  EXPECT_EQ(splitlines("a\n"), v{"a"});
  EXPECT_EQ(splitlines("a\nb"), (v{"a", "b"}));
  EXPECT_EQ(splitlines("a\n\n"), (v{"a", ""}));
  EXPECT_EQ(splitlines("\n"), v{""});
  EXPECT_EQ(splitlines("a\r\nb\n"), (v{"a\r", "b"}));
}

// Bad usage and unreadable files: status 2 with a message.
TEST(ChartCmd, UsageAndFiles) {
  for (auto args : std::vector<std::vector<std::string>>{
           {"--line"}, {"--line", "-1"}, {"--line", "x"}, {"--line", ""},
           {"--line=1x"}, {"--bogus"}, {"-j"}, {"a.vnk", "b.vnk"}}) {
    result r = run(args);
    EXPECT_EQ(r.status, 2) << args[0];
    EXPECT_NE(r.err.find("usage: vornak-chart [--json] [--line N] [FILE]"),
              std::string::npos)
        << args[0];
    EXPECT_EQ(r.out, "");
  }
  EXPECT_EQ(run({"--bogus"}).err.substr(0, 37), "vornak-chart: unknown option \"--bogus");

  result r = run({"/nonexistent/charts.vnk"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "vornak-chart: /nonexistent/charts.vnk: cannot open: No such file or directory\n");

  r = run({::testing::TempDir()});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("cannot read: Is a directory"), std::string::npos) << r.err;

  // After "--" every argument is a file.
  r = run({"--", "--json"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "vornak-chart: --json: cannot open: No such file or directory\n");
  std::string path = tempfile("dd.vnk", j2000 + "\n");
  r = run({"--json", "--", path});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(parsejson(r.out)["line"].text, "0");

  r = run({"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "vornak-chart Version 1.1\n");

  r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("U+FFFD"), std::string::npos);
  EXPECT_NE(r.out.find("--line N"), std::string::npos);
}

// Output that cannot be written is a failure.
TEST(ChartCmd, WriteFailure) {
  std::string path = tempfile("w.vnk", j2000 + "\n");
  std::istringstream in;
  std::ostream out(nullptr);  // every write fails
  std::ostringstream err;
  EXPECT_EQ(chartcmd({path}, in, out, err), 2);
  EXPECT_EQ(err.str(), "vornak-chart: cannot write the output\n");
}

// JSON strings: escapes, and U+FFFD for each byte that is not valid UTF-8.
TEST(ChartJson, Strings) {
  const std::string fffd = "\xef\xbf\xbd";
  EXPECT_EQ(jsonstr("plain"), "\"plain\"");
  EXPECT_EQ(jsonstr("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(jsonstr(std::string_view("\x01\t\n\x1f\x7f", 5)), "\"\\u0001\\u0009\\u000a\\u001f\x7f\"");
  EXPECT_EQ(jsonstr(std::string_view("a\0b", 3)), "\"a\\u0000b\"");
  EXPECT_EQ(jsonstr("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"),
            "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\"");
  EXPECT_EQ(jsonstr("\xff"), "\"" + fffd + "\"");
  EXPECT_EQ(jsonstr("\xc0\xaf"), "\"" + fffd + fffd + "\"");          // overlong
  EXPECT_EQ(jsonstr("\xed\xa0\x80"), "\"" + fffd + fffd + fffd + "\""); // surrogate
  EXPECT_EQ(jsonstr("\xf4\x90\x80\x80"), "\"" + fffd + fffd + fffd + fffd + "\"");
  EXPECT_EQ(jsonstr("x\xe2\x82"), "\"x" + fffd + fffd + "\"");        // cut short
  EXPECT_EQ(jsonstr("\x80\xc3\xa9"), "\"" + fffd + "\xc3\xa9\"");
}

// A name with a quote, a backslash, a control byte, a byte that is not
// UTF-8 and a character cut at the 23rd byte still gives valid JSON; the
// text output shows the control byte as \x01.
TEST(ChartJson, AwkwardName) {
  std::string name = std::string("Q\"B\\S\x01 \xff \xc3\xa9") + "abcdefghijk\xc3";
  ASSERT_EQ(name.size(), 23u);
  std::string line = name + j2000.substr(23);
  std::string path = tempfile("awkward.vnk", line + "\n");
  result r = run({"--json", path});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string fffd = "\xef\xbf\xbd";
  std::string expect = "{\"line\": 0, \"name\": \"Q\\\"B\\\\S\\u0001 " + fffd +
                       " \xc3\xa9" "abcdefghijk" + fffd + "\", ";
  EXPECT_EQ(r.out.substr(0, expect.size()), expect);
  jvalue v = parsejson(lines(r.out)[0]);
  EXPECT_EQ(v["name"].text, "Q\"B\\S\x01 " + fffd + " \xc3\xa9" "abcdefghijk" + fffd);
  EXPECT_EQ(v["tpos"][1].text, "15390");

  r = run({path});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(lines(r.out)[0], "Q\"B\\S\\x01 \xff \xc3\xa9" "abcdefghijk\xc3");
}

// The sample chart file: every line is a chart line of 99 characters that
// the writer reproduces byte for byte, and every one casts.
TEST(Samples, ChartsFile) {
  std::ifstream f(VORNAK_SAMPLES, std::ios::binary);
  ASSERT_TRUE(f) << VORNAK_SAMPLES;
  std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(text.empty());
  ASSERT_EQ(text.back(), '\n');
  std::vector<std::string_view> ls = splitlines(text);
  EXPECT_GE(ls.size(), 3u);
  for (std::string_view l : ls) {
    ASSERT_EQ(l.size(), 99u) << l;
    lineread lr = readchartline(l);
    ASSERT_TRUE(lr.ok) << lr.why;
    char buf[128];
    ASSERT_EQ(writechartline(buf, lr.rec), 100);
    EXPECT_EQ(std::string(buf), std::string(l) + "\n");
  }
  EXPECT_EQ(ls[0], j2000);
  EXPECT_EQ(ls[1], delhi);
  EXPECT_EQ(ls[2],
            "Example Person         Mar 14, 198706:05:00 PM    -01:00012E30'00 41N54'00 "
            "Sample Town             ");

  result r = run({"--json", VORNAK_SAMPLES});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(lines(r.out).size(), ls.size());
}
