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

// Arguments and standard input, and the status, the number of lines out, the
// first of them and the messages.
TEST(ChartCmd, LinesStatusAndMessages) {
  std::string many;
  for (int i = 0; i < 700; ++i) many += delhi + "\n";
  checktable("chartcmd.txt", 2, [&](const fields& in) {
    std::vector<std::string> args;
    for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 1)
      args.push_back(in[0].substr(at, (end = in[0].find(' ', at)) - at));
    result r = run(args, in[1] == "@many" ? many + badmonth : in[1]);
    return fields{std::to_string(r.status),
                  std::to_string(std::count(r.out.begin(), r.out.end(), '\n')),
                  r.out.substr(0, r.out.find('\n')), r.err};
  });
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
