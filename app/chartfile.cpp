// The chart file, with C stdio.
#include "app/chartfile.h"

#include <cstdio>

// Whether the file at path is non-empty and its last byte is not a line
// feed. A file that cannot be read is taken as ending well.
static bool lacksfinalnewline(const char* path) {
  std::FILE* f = std::fopen(path, "rb");
  if (!f) return false;
  bool lacks = false;
  if (std::fseek(f, -1, SEEK_END) == 0) {
    int c = std::getc(f);
    lacks = c != EOF && c != '\n';
  }
  std::fclose(f);
  return lacks;
}

bool appendchart(const char* path, const birthdata& b) {
  char line[128];
  writechartline(line, b);
  if (!path) return false;
  std::FILE* f = std::fopen(path, "a");
  if (!f) return false;
  bool bad = false;
  if (lacksfinalnewline(path)) bad = std::fputc('\n', f) == EOF;
  if (!bad) bad = std::fputs(line, f) == EOF;
  bad = std::ferror(f) || bad;
  // Buffered bytes reach the file only at the close, so its result counts.
  if (std::fclose(f) != 0) bad = true;
  return !bad;
}

// Splits the file into the list's items, calling item(text) for each in
// order until it returns false. Returns false when the file cannot be opened.
template <typename F>
static bool splititems(const char* path, F item) {
  std::FILE* f = std::fopen(path, "r");
  if (!f) return false;
  char buf[1024];
  int i = 0;
  for (;;) {
    int c = std::getc(f);
    if (c == '\n' || c == 0 || c == EOF || i == 1023) {
      if (!item(std::string(buf, i)) || c == EOF) break;
      i = 0;
    } else {
      buf[i++] = static_cast<char>(c);
    }
  }
  std::fclose(f);
  return true;
}

std::vector<std::string> listitems(const char* path, bool* opened) {
  std::vector<std::string> items;
  bool ok = true;
  if (path && *path)
    ok = splititems(path, [&](std::string s) {
      items.push_back(std::move(s));
      return true;
    });
  if (opened) *opened = ok;
  return items;
}

lineread loadchart(const char* path, int n) {
  lineread r;
  std::string text;
  bool found = false;
  int at = 0;
  bool opened = path && *path && splititems(path, [&](std::string s) {
    if (at++ < n) return true;
    text = std::move(s);
    found = true;
    return false;
  });
  if (!opened) {
    r.why = "Couldn't open chart file!";
    r.unreadable = true;
    return r;
  }
  if (n < 0 || !found || text.empty()) {
    r.why = "no chart at item " + std::to_string(n);
    r.nochart = true;
    return r;
  }
  return readchartline(text);
}
