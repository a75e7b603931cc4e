// vornak-chart, called in-process: text output, line choice, errors, usage
// and JSON strings. The JSON values are checked on the program by
// program_test.py.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

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
const std::string fffd = "\xef\xbf\xbd";

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

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> r;
  std::istringstream s(text);
  for (std::string l; std::getline(s, l);) r.push_back(l);
  return r;
}

}  // namespace

// The page's header, table, navamsha line and dasha list as text.
TEST(ChartText, J2000AndDelhi) {
  result r = run({"-"}, j2000 + "\n");
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> out = lines(r.out);
  const std::vector<std::string> head = {
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
      // Moon at 11967: Rahu's last sub-period (Mars), then 8 periods of 9.
      "Ra/Ma Jan 01, 2000",
      "Ju/Ju Sep 28, 2000",
  };
  ASSERT_EQ(out.size(), 15u + 73u);
  EXPECT_EQ(std::vector<std::string>(out.begin(), out.begin() + head.size()), head);
  EXPECT_EQ(out.back(), "Ma/Mo Mar 01, 2102");

  // East longitude and zone "-" 5:30; a last line without its line feed counts.
  out = lines(run({"-"}, delhi).out);
  ASSERT_GE(out.size(), 4u);
  EXPECT_EQ(out[1], "Jan 1, 2000 17:30 Zone: -5:30");
  EXPECT_EQ(out[2], "New Delhi                77E12 28N36");
  EXPECT_EQ(out[3], "As   16Ge19  Ardra");

  // Control bytes in a name are shown as \xHH; other bytes pass as they are.
  std::string name = "Q\"B\\S\x01 \xff \xc3\xa9" "abcdefghijk\xc3";
  ASSERT_EQ(name.size(), 23u);
  r = run({"-"}, name + j2000.substr(23));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(lines(r.out)[0], "Q\"B\\S\\x01 \xff \xc3\xa9" "abcdefghijk\xc3");
}

// Standard input with "-", bad lines among good ones, and --line N counted
// from 0.
TEST(ChartCmd, LinesAndStatus) {
  const std::string three = j2000 + "\n" + badmonth + "\n" + delhi;
  const std::string nomonth =
      "vornak-chart: standard input: line 1: unknown month \"Xyz\"\n";
  struct {
    std::vector<std::string> args;
    std::string input;
    int status;
    std::size_t nout;   // lines of output
    std::string first;  // start of the first line of output
    std::string err;
  } cases[] = {
      // The bad line is reported, the others still cast, a blank line between.
      {{"-"}, three, 1, 88 + 1 + 88, "J2000 Epoch ", nomonth},
      {{"-"}, j2000 + "\n\n" + delhi, 1, 177, "J2000 Epoch ",
       "vornak-chart: standard input: line 1: line is empty\n"},
      {{"--line", "2", "-"}, three, 0, 88, "Delhi Noon UT ", ""},
      // Only the chosen line is read: the bad line 1 goes unreported.
      {{"-", "--line=0"}, three, 0, 88, "J2000 Epoch ", ""},
      {{"--line", "2", "--json", "-"}, three, 0, 1,
       "{\"line\": 2, \"name\": \"Delhi Noon UT ", ""},
      {{"--line", "3", "-"}, three, 1, 0, "",
       "vornak-chart: standard input: no line 3: the file has lines 0 to 2\n"},
      {{"--line", "0", "-"}, "", 1, 0, "",
       "vornak-chart: standard input: no line 0: the file has no lines\n"},
      {{"-"}, "", 0, 0, "", ""},  // nothing to cast, nothing wrong
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + std::to_string(c.input.size()));
    result r = run(c.args, c.input);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.err);
    std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), c.nout);
    if (!out.empty()) {
      EXPECT_EQ(out[0].substr(0, c.first.size()), c.first);
    }
  }

  // A number past any count saturates instead of wrapping round to line 1.
  result r = run({"--line", "18446744073709551617", "-"}, j2000 + "\n" + delhi);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
}

// Lines split at line feeds; the empty piece after the last one is no line.
TEST(ChartCmd, SplitLines) {
  using v = std::vector<std::string_view>;
  struct {
    const char* text;
    v want;
  } cases[] = {
      {"", {}},         {"a", {"a"}},           {"a\n", {"a"}},
      {"\n", {""}},     {"a\nb", {"a", "b"}},   {"a\n\n", {"a", ""}},
      {"a\r\nb\n", {"a\r", "b"}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitlines(c.text), c.want) << c.text;
}

// Bad usage and unreadable files: status 2 with a message; --help, --version.
TEST(ChartCmd, UsageAndFiles) {
  for (auto args : std::vector<std::vector<std::string>>{
           {"--line"}, {"--line", "-1"}, {"--line", "x"}, {"--line", ""},
           {"--line=1x"}, {"--bogus"}, {"-j"}, {"a.vnk", "b.vnk"},
           {"--png"}, {"--svg="}, {"--north"}, {"--scale", "2", "--svg", "a"},
           {"--png", "a", "--scale", "5"}, {"--png", "a", "--pdf", "b"},
           {"--json", "--pdf", "a"}}) {
    result r = run(args);
    EXPECT_EQ(r.status, 2) << args[0];
    EXPECT_NE(r.err.find("usage: vornak-chart [--json | --png FILE"),
              std::string::npos)
        << args[0];
    EXPECT_EQ(r.out, "");
  }
  EXPECT_EQ(run({"--bogus"}).err.substr(0, 38), "vornak-chart: unknown option \"--bogus\"");

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
  r = run({"--json", "--", VORNAK_SAMPLES});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, 12), "{\"line\": 0, ");

  r = run({"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "vornak-chart Version 1.1\n");
  r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("U+FFFD"), std::string::npos);
}

// Output that cannot be written is a failure.
TEST(ChartCmd, WriteFailure) {
  std::istringstream in(j2000);
  std::ostream out(nullptr);  // every write fails
  std::ostringstream err;
  EXPECT_EQ(chartcmd({"-"}, in, out, err), 2);
  EXPECT_EQ(err.str(), "vornak-chart: cannot write the output\n");
}

// JSON strings: escapes, and U+FFFD for each byte that is not valid UTF-8.
TEST(ChartJson, Strings) {
  struct {
    std::string in, want;
  } cases[] = {
      {"plain", "\"plain\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {std::string("\x01\t\n\x1f\x7f", 5), "\"\\u0001\\u0009\\u000a\\u001f\x7f\""},
      {std::string("a\0b", 3), "\"a\\u0000b\""},
      {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\""},
      {"\xff", "\"" + fffd + "\""},
      {"\xc0\xaf", "\"" + fffd + fffd + "\""},                         // overlong
      {"\xed\xa0\x80", "\"" + fffd + fffd + fffd + "\""},              // surrogate
      {"\xf4\x90\x80\x80", "\"" + fffd + fffd + fffd + fffd + "\""},   // past U+10FFFF
      {"x\xe2\x82", "\"x" + fffd + fffd + "\""},                       // cut short
      {"\x80\xc3\xa9", "\"" + fffd + "\xc3\xa9\""},
  };
  for (const auto& c : cases) EXPECT_EQ(jsonstr(c.in), c.want) << c.in;
}

// The place line stays within 63 characters whatever the record holds.
TEST(ChartText, PlaceLineBounded) {
  birthdata b;
  std::memset(b.place, 'x', sizeof b.place - 1);
  b.londg = b.lonmn = b.latdg = b.latmn = INT_MIN;
  EXPECT_EQ(placeline(b).size(), 63u);
}

// The sample chart file: every line is a chart line of 99 characters that
// the writer reproduces byte for byte, and every one casts.
TEST(Samples, ChartsFile) {
  std::ifstream f(VORNAK_SAMPLES, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  std::vector<std::string_view> ls = splitlines(text);
  ASSERT_GE(ls.size(), 3u) << VORNAK_SAMPLES;
  EXPECT_EQ(text.back(), '\n');
  for (std::string_view l : ls) {
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
  EXPECT_EQ(run({VORNAK_SAMPLES}).status, 0);
}
