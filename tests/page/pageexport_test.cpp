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

TEST(Exportfile, KindFromExtensionElseFilter) {
  struct {
    const char* name;
    int filter;
    pageformat format;
    const char* path;
  } cases[] = {
      {"page.png", 1, pageformat::png, "page.png"},        // the extension wins
      {"/x/page.SVG", 0, pageformat::svg, "/x/page.SVG"},  // in any case
      {"Page.Pdf", 1, pageformat::pdf, "Page.Pdf"},
      {"page", 0, pageformat::png, "page.png"},  // else the filter's
      {"page", 1, pageformat::svg, "page.svg"},
      {"page", 2, pageformat::pdf, "page.pdf"},
      {"charts.vnk", 0, pageformat::png, "charts.vnk.png"},
      {"page.jpeg", 2, pageformat::pdf, "page.jpeg.pdf"},
      {"page.pngx", 1, pageformat::svg, "page.pngx.svg"},
      {"pages.pdf/page", 1, pageformat::svg, "pages.pdf/page.svg"},  // a folder's
      {"/x/.png", 2, pageformat::pdf, "/x/.png.pdf"},                // a hidden name
      {"page", 3, pageformat::png, "page.png"},                      // an unknown filter
      {"page", -1, pageformat::png, "page.png"},
  };
  for (const auto& c : cases) {
    exporttarget t = exportfile(c.name, c.filter);
    EXPECT_EQ(t.format, c.format) << c.name;
    EXPECT_EQ(t.path, c.path) << c.name;
    EXPECT_EQ(t.added, t.path != c.name) << c.name;
  }
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
