// The window's File > Export Page without the window: the kind of file that
// the chooser's answer names, the chart file refused, failures named. (That
// the file is vornak-chart's page is tested in the window, tests/e2e.)
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "chart/chartfile.h"
#include "chart/chartline.h"
#include "page/pageexport.h"
#include "tests/golden.h"

namespace {

const char* const delhi =
    "Delhi Noon UT          Jan 01, 200005:30:00 PM    -05:30077E12'00 28N36'00 "
    "New Delhi               ";

std::string slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

struct folder {
  std::string path;
  folder() {
    char name[] = "/tmp/vornak-export-XXXXXX";
    path = mkdtemp(name);
  }
  ~folder() { std::filesystem::remove_all(path); }
  std::string operator/(const std::string& name) const { return path + "/" + name; }
};

struct chart {
  birthdata b;
  chartstate s;
  chart() {
    lineread r = readchartline(delhi);
    EXPECT_TRUE(r.ok) << r.why;
    b = r.rec;
    s = castchart(b);
  }
};

}  // namespace

// A name given in the chooser and its filter; the kind of file and its path.
TEST(Exportfile, KindFromExtensionElseFilter) {
  checktable("exportfile.txt", 2, [](const fields& in) {
    exporttarget t = exportfile(in[0], std::stoi(in[1]));
    const char* kind[] = {"none", "png", "svg", "pdf"};
    return fields{kind[static_cast<int>(t.format)], t.path, t.added ? "added" : "as given"};
  });
}

TEST(Exportpage, NeverTheChartFile) {
  folder dir;
  chart c;
  std::string file = dir / chartfilename, line = std::string(delhi) + "\n";
  std::ofstream(file) << line;
  ASSERT_EQ(link(file.c_str(), (dir / "hard.png").c_str()), 0);
  ASSERT_EQ(symlink(chartfilename, (dir / "soft.svg").c_str()), 0);
  ASSERT_EQ(mkdir((dir / "sub").c_str(), 0700), 0);
  for (const char* name : {"hard.png", "soft.svg", "sub/../charts.vnk"}) {
    exporttarget t;
    t.path = dir / name;
    std::string why;
    EXPECT_FALSE(exportpage(t, false, file, c.b, c.s, why)) << name;
    EXPECT_EQ(why, "Error exporting page!\n" + t.path + ": is the chart file; nothing written");
    EXPECT_EQ(slurp(file), line);
  }
}

TEST(Exportpage, FailureNamesTheFileAndTheReason) {
  folder dir;
  chart c;
  std::ofstream(dir / "plain") << "";
  // clang-format off
  struct {
    std::string path, why;
  } cases[] = {
      {dir / "none/page.png", dir / "none/page.png: cannot write: No such file or directory"},
      {dir / "plain/page.png", dir / "plain/page.png: cannot write: Not a directory"},
      {dir / "a\x01\n/page.pdf", dir / "a\\x01\\x0a/page.pdf: cannot write: No such file or directory"},
  };
  // clang-format on
  for (const auto& k : cases) {
    std::string why;
    EXPECT_FALSE(exportpage(exportfile(k.path, 0), false, dir / chartfilename, c.b, c.s, why));
    EXPECT_EQ(why, "Error exporting page!\n" + k.why);
  }
}
