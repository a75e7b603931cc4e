// The chart file, with C stdio.
#include "chart/chartfile.h"

#include <cstdio>
#include <cstring>

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

const char* itemend(const char* p, const char* end, std::size_t held) {
  // The byte that follows the 1023rd ends the item, whichever it is.
  const char* full = static_cast<std::size_t>(end - p) > 1023 - held ? p + (1023 - held) : end;
  for (; p != full; ++p)
    if (*p == '\n' || *p == '\0') return p;
  return full;
}

std::vector<std::string_view> splititems(std::string_view text) {
  std::vector<std::string_view> items;
  const char* p = text.data();
  const char* end = p + text.size();
  for (;;) {
    const char* e = itemend(p, end, 0);
    items.emplace_back(p, static_cast<std::size_t>(e - p));
    if (e == end) break;
    // The byte that ends an item is not kept, whichever it is.
    p = e + 1;
  }
  return items;
}

void itemreader::feed(std::string_view piece) {
  p = piece.data();
  end = p + piece.size();
}

bool itemreader::next(std::string_view& item) {
  if (done) nheld = 0, done = false;
  if (p == end) return false;
  const char* e = itemend(p, end, nheld);
  std::size_t n = static_cast<std::size_t>(e - p);
  if (e == end) {
    // Cut by the piece's end: kept until the next piece completes it.
    std::memcpy(held + nheld, p, n);
    nheld += n;
    p = end;
    return false;
  }
  if (nheld == 0) {
    item = std::string_view(p, n);
  } else {
    std::memcpy(held + nheld, p, n);
    nheld += n;
    item = std::string_view(held, nheld);
    done = true;
  }
  p = e + 1;
  return true;
}

// The whole of the file at path; false when it cannot be opened (a read
// error ends the text where it happens).
static bool readall(const char* path, std::string& text) {
  std::FILE* f = path && *path ? std::fopen(path, "r") : nullptr;
  if (!f) return false;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  std::fclose(f);
  return true;
}

std::vector<std::string> listitems(const char* path, bool* opened) {
  std::vector<std::string> items;
  std::string text;
  bool ok = !(path && *path) || readall(path, text);
  if (ok && path && *path)
    for (std::string_view s : splititems(text)) items.emplace_back(s);
  if (opened) *opened = ok;
  return items;
}

lineread loadchart(const char* path, int n) {
  lineread r;
  std::string text;
  if (!readall(path, text)) {
    r.why = "Couldn't open chart file!";
    r.unreadable = true;
    return r;
  }
  std::vector<std::string_view> items = splititems(text);
  if (n < 0 || static_cast<std::size_t>(n) >= items.size() || items[n].empty()) {
    r.why = "no chart at item " + std::to_string(n);
    r.nochart = true;
    return r;
  }
  return readchartline(items[n]);
}
