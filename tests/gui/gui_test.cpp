// The window program's decisions: the entry that typed letters choose, the
// question Quit asks, and the zone's sign told the same way everywhere.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "gui/helptext.h"
#include "gui/quitcheck.h"
#include "gui/scale.h"
#include "gui/typeahead.h"
#include "gui/zonewords.h"
#include "tests/golden.h"

namespace {

const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",  "Jul",
                              "Aug", "Sep", "Oct", "Nov", "Dec", nullptr};
const char* const signs[] = {"+", "-", nullptr};
const char* const ew[] = {"W", "E", nullptr};

TEST(Typeahead, Keys) {
  struct {
    const char* const* items;
    std::string typed;
    const char* key;
    int want;
    std::string after;
  } cases[] = {
      {months, "", "A", 3, "A"},    {months, "A", "u", 7, "Au"},    {months, "Au", "g", 7, "Aug"},
      {months, "Aug", "S", 8, "S"}, {months, "J", "a", 0, "Ja"},    {months, "j", "U", 5, "jU"},
      {months, "M", "x", -1, "M"},  {months, "Jan", "", -1, "Jan"}, {signs, "", "-", 1, "-"},
      {signs, "-", "+", 0, "+"},    {ew, "", "e", 1, "e"},
  };
  for (auto& c : cases) {
    std::string typed = c.typed;
    EXPECT_EQ(typeahead(c.items, typed, c.key), c.want) << c.typed << " + " << c.key;
    EXPECT_EQ(typed, c.after) << c.typed << " + " << c.key;
  }
}

// The user's factor: --scale before VORNAK_SCALE, halves only, 1 to 4; then
// the desktop's: GDK_SCALE before Xft.dpi, which goes to the nearest half.
TEST(Scale, Chosen) {
  struct {
    std::optional<std::string> option;
    const char* env;
    double want;  // 0: the desktop's, -1: refused
  } cases[] = {
      {"2", "3", 2},         {"1.5", nullptr, 1.5},      {"4.0", nullptr, 4},
      {"4.5", nullptr, -1},  {"1.25", "2", -1},          {"", "2", -1},
      {"0", nullptr, -1},    {"4", nullptr, 4},          {"5", "2", -1},
      {"0.5", "2", -1},      {std::nullopt, "2.5", 2.5}, {std::nullopt, "x", -1},
      {std::nullopt, "", 0}, {std::nullopt, nullptr, 0}, {"1", nullptr, 1},
  };
  for (auto& c : cases) {
    std::string why;
    const std::optional<double> k = pickscale(c.option, c.env, why);
    EXPECT_EQ(k.value_or(why.empty() ? 0 : -1), c.want) << c.option.value_or("-");
  }
  struct {
    const char *gdk, *dpi;
    double want;
  } desk[] = {{"2", "96", 2},   {"5", "192", 2},      {"1", "192", 1},     {nullptr, "144", 1.5},
              {"", "120", 1.5}, {nullptr, "119", 1},  {nullptr, "480", 4}, {nullptr, "72", 1},
              {"x", "192x", 1}, {nullptr, nullptr, 1}};
  for (auto& d : desk)
    EXPECT_EQ(desktopscale(d.gdk, d.dpi), d.want) << (d.gdk ? d.gdk : "-") << " " << d.dpi;
}

// --scale and its value leave the switches that the toolkit reads.
TEST(Scale, Taken) {
  struct {
    std::vector<const char*> args;
    std::optional<std::string> want;
    std::vector<const char*> left;
  } cases[] = {
      {{"vornak", "-g", "+0+0", "--scale", "2", "-i"}, "2", {"vornak", "-g", "+0+0", "-i"}},
      {{"vornak", "--scale=1.5"}, "1.5", {"vornak"}},
      {{"vornak", "--scale"}, "", {"vornak"}},
      {{"vornak", "-scale", "2"}, std::nullopt, {"vornak", "-scale", "2"}},
  };
  for (auto& c : cases) {
    std::vector<char*> argv;
    for (const char* a : c.args) argv.push_back(const_cast<char*>(a));
    argv.push_back(nullptr);
    int argc = static_cast<int>(c.args.size());
    EXPECT_EQ(takescale(argc, argv.data()), c.want);
    EXPECT_EQ(std::vector<const char*>(argv.begin(), argv.begin() + argc), c.left);
    EXPECT_EQ(argv[argc], nullptr);
  }
}

// Lengths to the nearest pixel, halves up.
TEST(Scale, Px) {
  struct {
    double k;
    int n, want;
  } cases[] = {{1, 760, 760}, {2, 420, 840}, {1.5, 25, 38}, {1.5, 24, 36}, {2.5, 11, 28}};
  EXPECT_EQ(px(760), 760);  // before any factor is set
  for (auto& c : cases) {
    setscale(c.k);
    EXPECT_EQ(px(c.n), c.want) << c.k << " x " << c.n;
  }
  setscale(1);
}

TEST(Quitquestion, WhatWouldBeLost) {
  birthdata kept;
  copytext(kept.name, "Example Person");
  derive(kept);
  const auto with = [&](void (*change)(birthdata&)) {
    birthdata b = kept;
    change(b);
    derive(b);
    return b;
  };
  const std::string asked = "Quit without saving the chart \"Example Person\"?";
  struct {
    birthdata shown;
    std::string want;
  } cases[] = {
      {kept, ""},
      {with([](birthdata& b) { std::strcpy(b.dtstr, "Sat 12/05/26 12:22 +0000"); }), ""},
      {with([](birthdata& b) { b.zeast = true; }), ""},  // the sign of a zero zone is not kept
      {with([](birthdata& b) { b.day = 2; }), asked},
      {with([](birthdata& b) { b.zhour = 1, b.zeast = true; }), asked},
      {with([](birthdata& b) { copytext(b.name, "Padded   "); }),
       "Quit without saving the chart \"Padded\"?"},
      {with([](birthdata& b) { copytext(b.name, "Tab\there"); }),
       "Quit without saving the chart \"Tab\\x09here\"?"},
  };
  for (auto& c : cases) EXPECT_EQ(quitquestion(c.shown, kept), c.want) << c.shown.name;
}

TEST(Helptext, ChartFileNamed) {
  const char* html = "<p>Saved in charts.vnk.\n<!--chartfile-->\n</p><!--chartfile-->";
  EXPECT_EQ(
      helptext(html, "/tmp/<b>&c/charts.vnk"),
      "<p>Saved in charts.vnk.\nThis time it is <tt>/tmp/&lt;b&gt;&amp;c/charts.vnk</tt>.\n</p>"
      "<!--chartfile-->");
  EXPECT_EQ(helptext(html, ""), html);
}

// The file's text with runs of white space made one blank, and troff's minus
// signs plain.
std::string words(const char* path) {
  std::string t = readfile(std::string(VORNAK_SOURCE) + "/" + path);
  t = std::regex_replace(t, std::regex(R"(\\-)"), "-");
  return std::regex_replace(t, std::regex(R"(\s+)"), " ");
}

TEST(Zonewords, SameInTooltipHelpAndManual) {
  const std::string tip = std::regex_replace(zonetip, std::regex(R"(\s+)"), " ");
  for (const char* path : {"gui/help.html", "dist/vornak.1.in"})
    EXPECT_NE(words(path).find(tip), std::string::npos) << path;
}

}  // namespace
