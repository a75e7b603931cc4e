// The window program's decisions: the entry that typed letters choose, the
// question Quit asks, and the zone's sign told the same way everywhere.
#include <gtest/gtest.h>

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
      {months, "Aug", "S", 8, "S"}, {months, "", "j", 0, "j"},      {months, "j", "U", 5, "jU"},
      {months, "M", "x", -1, "M"},  {months, "Jan", "", -1, "Jan"}, {signs, "", "-", 1, "-"},
      {signs, "-", "+", 0, "+"},    {ew, "", "e", 1, "e"},
  };
  for (auto& c : cases) {
    std::string typed = c.typed;
    EXPECT_EQ(typeahead(c.items, typed, c.key), c.want) << c.typed << " + " << c.key;
    EXPECT_EQ(typed, c.after) << c.typed << " + " << c.key;
  }
}

birthdata record(const char* name, int day, bool zeast) {
  birthdata b;
  copytext(b.name, name);
  copytext(b.place, "Sample Town");
  b.mon = 3;
  b.day = day;
  b.year = 1987;
  b.hour = 18;
  b.zhour = 1;
  b.zeast = zeast;
  derive(b);
  dateline(b.dtstr, b);
  return b;
}

TEST(Quitquestion, WhatWouldBeLost) {
  const birthdata kept = record("Example Person", 14, true);
  birthdata dated = kept;  // the date line is no part of the chart
  std::snprintf(dated.dtstr, sizeof dated.dtstr, "Sat 12/05/26 12:22 +0000");
  struct {
    birthdata shown;
    std::string want;
  } cases[] = {
      {kept, ""},
      {dated, ""},
      {record("Example Person", 15, true), "Quit without saving the chart \"Example Person\"?"},
      {record("Example Person", 14, false), "Quit without saving the chart \"Example Person\"?"},
      {record("Padded   ", 14, true), "Quit without saving the chart \"Padded\"?"},
      {record("Tab\there ", 14, true), "Quit without saving the chart \"Tab\\x09here\"?"},
      {record("", 14, true), "Quit without saving the chart \"\"?"},
  };
  for (auto& c : cases) EXPECT_EQ(quitquestion(c.shown, kept), c.want) << c.shown.name;
}

TEST(Helptext, ChartFileNamed) {
  const char* html = "<p>Saved in charts.vnk.\n<!--chartfile-->\n</p><!--chartfile-->";
  struct {
    const char* path;
    std::string want;
  } cases[] = {
      {"/home/a/charts.vnk",
       "<p>Saved in charts.vnk.\nThis time it is "
       "<tt>/home/a/charts.vnk</tt>.\n</p><!--chartfile-->"},
      {"/tmp/<b>&c/charts.vnk",
       "<p>Saved in charts.vnk.\nThis time it is <tt>/tmp/&lt;b&gt;&amp;c/charts.vnk</tt>.\n</p>"
       "<!--chartfile-->"},
      {"", html},
  };
  for (auto& c : cases) EXPECT_EQ(helptext(html, c.path), c.want) << c.path;
  EXPECT_EQ(helptext("<p>No mark</p>", "/x"), "<p>No mark</p>");
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
