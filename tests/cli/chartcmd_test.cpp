// vornak-chart, called in-process: the sample file's charts as text and as
// JSON Lines against tests/data, line choice, errors and usage.
#include <gtest/gtest.h>

#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/chartcmd.h"
#include "tests/golden.h"

namespace {

const std::string samples = readfile(VORNAK_SAMPLES);
const std::string j2000 = samples.substr(0, 100), delhi = samples.substr(100, 99);
const std::string badmonth = j2000.substr(0, 23) + "Xyz" + j2000.substr(26);

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

}  // namespace

TEST(ChartCmd, SampleChartsAsTextAndJson) {
  result text = run({VORNAK_SAMPLES}), json = run({"--json", "--", VORNAK_SAMPLES});
  EXPECT_EQ(text.status + json.status, 0) << text.err << json.err;
  golden("samples.txt", text.out);
  golden("samples.jsonl", json.out);
}

TEST(ChartCmd, LinesStatusAndMessages) {
  const std::string three = j2000 + badmonth + delhi, in = "vornak-chart: standard input: ";
  const std::string name =
      "Q\"B\\S\x01 \xff \xc3\xa9"
      "abcdefghijk\xc3";
  const std::string usage =
      "\nusage: vornak-chart [--json | --png FILE | --svg FILE | --pdf FILE] [--north]\n"
      "                    [--scale K] [--line N] [FILE]\n"
      "       vornak-chart --find TEXT [--json]\n"
      "       vornak-chart --import FILE\n"
      "Try 'vornak-chart --help' for more information.\n";
  const std::string prog = "vornak-chart: ", number = prog + "--line needs a line number";
  const std::string missing = ": cannot open: No such file or directory\n";
  const std::string pdf = ::testing::TempDir() + "vornak-nochart.pdf";
  std::string many;
  for (int i = 0; i < 700; ++i) many += delhi + "\n";
  const std::string csv =
      "name,date,time,place\r\nA,1990-01-01,12:00,Pune\r\n"
      "B,1990-01-01,12:00,Nowhereville\r\n";
  // clang-format off
  const struct {
    std::vector<std::string> args;
    std::string input;
    int status;
    std::size_t nout;   // lines of output
    std::string first;  // start of the output
    std::string err;
  } cases[] = {
      // A bad line is reported, the others still cast, a blank line between.
      {{"-"}, three, 1, 88 + 1 + 88, "J2000 Epoch ", in + "line 1: unknown month \"Xyz\"\n"},
      {{"--json", "-"}, three, 1, 3, "{\"line\": 0, \"name\": \"J2000 Epoch ",
       in + "line 1: unknown month \"Xyz\"\n"},
      {{"-"}, j2000 + "\n" + delhi, 1, 177, "J2000 Epoch ", in + "line 1: line is empty\n"},
      // Lines are the chart list's items: a zero byte ends one too.
      {{"--line", "1", "-"}, j2000.substr(0, 99) + '\0' + delhi, 0, 88, "Delhi Noon UT ", ""},
      // Only the chosen line is read: the bad line 1 goes unreported.
      {{"-", "--line=0"}, three, 0, 88, "J2000 Epoch ", ""},
      {{"--line=2", "--json", "-"}, three, 0, 1, "{\"line\": 2, \"name\": \"Delhi Noon UT ", ""},
      {{"--line", "3", "-"}, three, 1, 0, "", in + "no line 3: the file has lines 0 to 2\n"},
      {{"--line", "0", "-"}, "", 1, 0, "", in + "no line 0: the file has no lines\n"},
      // A number past any count saturates instead of wrapping round to line
      // 1; the number is shown as given.
      {{"--line", "18446744073709551617", "-"}, three, 1, 0, "",
       in + "no line 18446744073709551617: the file has lines 0 to 2\n"},
      {{"--line", "0003", "-"}, three, 1, 0, "", in + "no line 0003: the file has lines 0 to 2\n"},
      {{"-"}, "", 0, 0, "", ""},  // nothing to cast, nothing wrong
      // The file is read in pieces of 64 KiB: line 655 spans two of them.
      {{"--json", "-"}, many + badmonth, 1, 701, "{\"line\": 0, \"name\": \"Delhi Noon UT ",
       in + "line 700: unknown month \"Xyz\"\n"},
      // Control bytes are shown as \xHH in text; JSON stays valid UTF-8.
      {{"-"}, name + j2000.substr(23), 0, 88, "Q\"B\\S\\x01 \xff \xc3\xa9" "abcdefghijk\xc3\n", ""},
      {{"--json", "-"}, name + j2000.substr(23), 0, 1,
       "{\"line\": 0, \"name\": \"Q\\\"B\\\\S\\u0001 \xef\xbf\xbd \xc3\xa9"
       "abcdefghijk\xef\xbf\xbd\", ", ""},
      // Bad usage and files that cannot be read: status 2.
      {{"--line"}, "", 2, 0, "", number + usage},
      {{"--line", "-1"}, "", 2, 0, "", number + " from 0 on, not \"-1\"" + usage},
      {{"--line="}, "", 2, 0, "", number + " from 0 on, not \"\"" + usage},
      {{"--line=1x"}, "", 2, 0, "", number + " from 0 on, not \"1x\"" + usage},
      {{"--bogus\x1b"}, "", 2, 0, "", prog + "unknown option \"--bogus\\x1b\"" + usage},
      {{"a.vnk", "b.vnk"}, "", 2, 0, "", prog + "only one FILE, please" + usage},
      {{"/none/charts.vnk"}, "", 2, 0, "", prog + "/none/charts.vnk" + missing},
      {{"--", "--json"}, "", 2, 0, "", prog + "--json" + missing},
      {{"/"}, "", 2, 0, "", prog + "/: cannot read: Is a directory\n"},
      // Page files: the option's value after "=" too; no chart left to draw.
      {{"--pdf=/none/x.pdf", "-"}, three, 2, 0, "",
       prog + "/none/x.pdf: cannot write: No such file or directory\n"},
      {{"--pdf", pdf, "-"}, badmonth, 1, 0, "",
       in + "line 0: unknown month \"Xyz\"\n" + prog + pdf + ": no chart to write; nothing written\n"},
      // Page options that do not go together.
      {{"--north"}, "", 2, 0, "", prog + "--north and --scale go with --png, --svg or --pdf" + usage},
      {{"--scale", "2", "--svg", "a"}, "", 2, 0, "", prog + "--scale goes with --png only" + usage},
      {{"--png", "a", "--scale", "5"}, "", 2, 0, "", prog + "--scale needs a number from 1 to 4, not \"5\"" + usage},
      {{"--png", "a", "--pdf", "b"}, "", 2, 0, "", prog + "only one of --png, --svg and --pdf, please" + usage},
      {{"--json", "--pdf", "a"}, "", 2, 0, "", prog + "--json or a page file, not both" + usage},
      // The atlas's places, and chart lines from CSV (the reasons of rows
      // are atlas/csvimport's).
      {{"--find", "madras"}, "", 0, 3,
       "Chennai, Tamil Nadu, India  80E17 13N05  Asia/Kolkata  4328063\n", ""},
      {{"--json", "--find=poona"}, "", 0, 2, "{\"name\":\"Pune\",\"state\":\"Maharashtra\",", ""},
      {{"--find", "xyzzy"}, "", 1, 0, "",
       prog + "no place of 15,000 people or more has a name that starts with \"xyzzy\"\n"},
      {{"--import", "-"}, csv, 1, 1,
       "A                      Jan 01, 199012:00:00 PM    -05:30073E51'00 18N31'00 Pune",
       in + "row 3: place \"Nowhereville\" is not in the atlas (places of 15,000 people or "
            "more): give lon, lat and zone\n"},
      {{"--import", "/"}, "", 2, 0, "", prog + "/: cannot read: Is a directory\n"},
      {{"--import", "a.csv", "--line", "0"}, "", 2, 0, "",
       prog + "--import writes chart lines: no other option or FILE goes with it" + usage},
      {{"--find", "x", "f.vnk"}, "", 2, 0, "", prog + "--find goes with --json only" + usage},
      {{"--find", "x", "--import", "-"}, "", 2, 0, "",
       prog + "only one of --find and --import, please" + usage},
  };
  // clang-format on
  for (const auto& c : cases) {
    result r = run(c.args, c.input);
    EXPECT_EQ(r.status, c.status) << c.args[0];
    EXPECT_EQ(r.err, c.err) << c.args[0];
    EXPECT_EQ(static_cast<std::size_t>(std::count(r.out.begin(), r.out.end(), '\n')), c.nout);
    EXPECT_EQ(r.out.substr(0, c.first.size()), c.first);
  }
}

TEST(ChartCmd, HelpVersionAndFailures) {
  result r = run({"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "vornak-chart Version 1.1\n");
  r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("U+FFFD"), std::string::npos);
  // Output that cannot be written is a failure, told once, however many
  // charts are left.
  std::string many;
  for (int i = 0; i < 40; ++i) many += j2000;
  std::istringstream in(many);
  std::ostream out(nullptr);
  std::ostringstream err;
  EXPECT_EQ(chartcmd({"-"}, in, out, err), 2);
  EXPECT_EQ(err.str(), "vornak-chart: cannot write the output\n");
  std::istringstream again(j2000);
  std::ostringstream err2;
  EXPECT_EQ(chartcmd({"--svg", "-", "-"}, again, out, err2), 2);
  EXPECT_EQ(err2.str(), "vornak-chart: standard output: cannot write\n");
  // Without FILE, charts.vnk in the working directory.
  ASSERT_EQ(chdir("/"), 0);
  EXPECT_EQ(run({}).err, "vornak-chart: charts.vnk: cannot open: No such file or directory\n");
}
