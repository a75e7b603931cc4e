// The window program's decisions: the entry that typed letters choose, the
// question Quit asks, and the zone's sign told the same way everywhere.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "gui/helptext.h"
#include "gui/quitcheck.h"
#include "gui/typeahead.h"
#include "gui/zonewords.h"

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
  std::ifstream f(std::string(VORNAK_SOURCE) + "/" + path);
  std::stringstream s;
  s << f.rdbuf();
  std::string t = std::regex_replace(s.str(), std::regex(R"(\\-)"), "-");
  return std::regex_replace(t, std::regex(R"(\s+)"), " ");
}

TEST(Zonewords, SameInTooltipHelpAndManual) {
  const std::string tip = std::regex_replace(zonetip, std::regex(R"(\s+)"), " ");
  for (const char* path : {"gui/help.html", "dist/vornak.1.in"})
    EXPECT_NE(words(path).find(tip), std::string::npos) << path;
}

}  // namespace
