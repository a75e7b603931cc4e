// The window's File > Export Page without the window: the kind of file that
// the chooser's answer names, the chart file refused, failures named. (That
// the file is vornak-chart's page is tested in the window, tests/e2e.)
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "chart/chartfile.h"
#include "chart/chartline.h"
#include "page/pageexport.h"
#include "tests/golden.h"

namespace {

const char* const delhi =
    "Delhi Noon UT          Jan 01, 200005:30:00 PM    -05:30077E12'00 28N36'00 "
    "New Delhi               ";

struct folder {
  std::string path = mkdtemp(std::string("/tmp/vornak-export-XXXXXX").data());
  ~folder() { std::filesystem::remove_all(path); }
  std::string operator/(const std::string& name) const { return path + "/" + name; }
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

// The chart file by other names, a hard link, a symbolic link and a path
// through a folder, is refused and left as it was; any other failure names
// the file, its control bytes escaped, and the reason.
TEST(Exportpage, NeverTheChartFileAndFailuresNamed) {
  folder dir;
  lineread r = readchartline(delhi);
  ASSERT_TRUE(r.ok) << r.why;
  std::string file = dir / chartfilename, line = std::string(delhi) + "\n";
  std::ofstream(file) << line;
  std::ofstream(dir / "plain") << "";
  ASSERT_EQ(link(file.c_str(), (dir / "hard.png").c_str()), 0);
  ASSERT_EQ(symlink(chartfilename, (dir / "soft.svg").c_str()), 0);
  ASSERT_EQ(mkdir((dir / "sub").c_str(), 0700), 0);
  const std::string chart = ": is the chart file; nothing written",
                    none = ": cannot write: No such file or directory";
  // clang-format off
  struct {
    std::string name, why;
  } cases[] = {
      {"hard.png", "hard.png" + chart},
      {"soft.svg", "soft.svg" + chart},
      {"sub/../charts.vnk", "sub/../charts.vnk" + chart},
      {"none/page.png", "none/page.png" + none},
      {"plain/page.png", "plain/page.png: cannot write: Not a directory"},
      {"a\x01\n/page.pdf", "a\\x01\\x0a/page.pdf" + none},
  };
  // clang-format on
  for (const auto& k : cases) {
    // The kind from the extension (PNG for charts.vnk), the path as given.
    exporttarget t = exportfile(dir / k.name, 0);
    t.path = dir / k.name;
    std::string why;
    EXPECT_FALSE(exportpage(t, false, file, r.rec, castchart(r.rec), why)) << k.name;
    EXPECT_EQ(why, "Error exporting page!\n" + dir.path + "/" + k.why);
  }
  EXPECT_EQ(readfile(file), line);
  // A link to where the chart file is not yet, and a FIFO: nothing written.
  ASSERT_EQ(unlink(file.c_str()), 0);
  ASSERT_EQ(symlink(chartfilename, (dir / "ahead.png").c_str()), 0);
  ASSERT_EQ(mkfifo((dir / "fifo.pdf").c_str(), 0600), 0);
  for (const char* name : {"ahead.png", "fifo.pdf"}) {
    std::string why;
    EXPECT_FALSE(exportpage(exportfile(dir / name, 0), false, file, r.rec, castchart(r.rec), why));
    EXPECT_EQ(why, "Error exporting page!\n" + dir.path + "/" + name +
                       (name[0] == 'a' ? chart : ": is not a regular file; nothing written"));
  }
  EXPECT_EQ(access(file.c_str(), F_OK), -1);
}
