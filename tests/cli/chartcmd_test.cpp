// vornak-chart, called in-process: the sample file's charts as text and as
// JSON Lines against tests/data, line choice, errors and usage.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdlib>
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

// With full set, output that cannot be written: a stream without a buffer.
result run(const std::vector<std::string>& args, const std::string& input = "", bool full = false) {
  std::istringstream in(input);
  std::ostringstream out, err;
  std::ostream nowhere(nullptr);
  int status = chartcmd(args, in, full ? nowhere : out, err);
  return {status, out.str(), err.str()};
}

// Makes path a device that takes no bytes, like /dev/full: for root a node of
// its own, so that a fault that replaced the device in place of writing to it
// would not replace the system's; for others a link to /dev/full.
void makefull(const std::string& path) {
  unlink(path.c_str());
  if (geteuid() != 0 || mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
    EXPECT_EQ(symlink("/dev/full", path.c_str()), 0) << path;
  }
}

}  // namespace

TEST(ChartCmd, SampleChartsAsTextAndJson) {
  result text = run({VORNAK_SAMPLES}), json = run({"--json", "--", VORNAK_SAMPLES});
  EXPECT_EQ(text.status + json.status, 0) << text.err << json.err;
  golden("samples.txt", text.out);
  golden("samples.jsonl", json.out);
}

// Arguments and standard input, and the status, the number of lines out, the
// first of them and the messages. In "/", where there is no charts.vnk.
TEST(ChartCmd, LinesStatusAndMessages) {
  std::string many;
  for (int i = 0; i < 700; ++i) many += delhi + "\n";
  ASSERT_EQ(chdir("/"), 0);
  makefull("/tmp/vornak-cli-full");
  checktable("chartcmd.txt", 2, [&](const fields& in) {
    std::vector<std::string> args;
    std::istringstream words(in[0]);
    for (std::string word; words >> word;) args.push_back(word);
    for (std::string& a : args)
      if (a == "@samples") a = VORNAK_SAMPLES;
    bool full = !args.empty() && args[0] == ">/dev/full";
    bool closed = !args.empty() && args[0] == "<&-";
    const int in0 = closed ? dup(0) : -1;
    if (closed) close(0);
    result r = run({args.begin() + full + closed, args.end()},
                   in[1] == "@many" ? many + badmonth : in[1], full);
    if (closed && fcntl(0, F_GETFD) != -1) r.err += "descriptor 0 left open";
    if (closed) dup2(in0, 0), close(in0);
    return fields{std::to_string(r.status),
                  std::to_string(std::count(r.out.begin(), r.out.end(), '\n')),
                  r.out.substr(0, r.out.find('\n')), r.err};
  });
  unlink("/tmp/vornak-cli-full");
}

// Options after FILE, also where POSIXLY_CORRECT would stop getopt there.
TEST(ChartCmd, OptionsAfterFile) {
  setenv("POSIXLY_CORRECT", "1", 1);
  result r = run({"-", "--line", "1"}, j2000 + delhi);
  unsetenv("POSIXLY_CORRECT");
  EXPECT_EQ(r.out.substr(0, 23) + r.err, delhi.substr(0, 23));
}
