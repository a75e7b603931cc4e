// The chart file: appending a chart, listing its lines, loading one.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "chart/birth.h"
#include "chart/chartline.h"

// Name of the chart file, in the working directory.
constexpr const char* chartfilename = "charts.vnk";

// The write that Save makes, as write(2): tests put one in its place that
// fails part way.
using writefn = long (*)(int fd, const void* data, std::size_t n);

// Writes all n bytes at p to fd through short and interrupted writes, with w
// in place of write(2) when given. False when a write fails, with errno set
// (EIO for a write that made no progress).
bool writeall(int fd, const char* p, std::size_t n, writefn w = nullptr);

// Appends the chart line of b to the file at path (created when missing),
// all or nothing. The file is held under an exclusive lock (flock) from the
// check of its last byte to the end of the write, so that two Saves (two
// windows, or a window and a script that locks) never interleave; when it
// does not end in a line feed, one is written before the line, so that its
// last line and the new one both stay whole. A write that fails or falls
// short cuts the file back to its former size. Returns false, with the file
// as it was, when it is not a regular file, cannot be opened, its last byte
// cannot be read, or the line cannot be written and put on disk.
bool appendchart(const char* path, const birthdata& b, writefn w = nullptr);

// A chart file's bytes split into the chart list's items: an item ends at a
// line feed, a zero byte or the end of the text (none of them kept), or when
// it holds 1023 bytes (the next byte is then dropped). So N lines give N + 1
// items, the last one empty, and an empty text gives one empty item; a
// carriage return stays in its item. The one splitter of chart files: the
// list, the loader and vornak-chart all count lines by it.
std::vector<std::string_view> splititems(std::string_view text);

// Where the item that starts at p ends, when it already holds `held` bytes
// (0 to 1023) from earlier text: the first byte of [p, end) that ends it (a
// line feed, a zero byte, or the byte after its 1023rd), or end when none
// of these bytes is there. The rule of splititems, which is built on it.
const char* itemend(const char* p, const char* end, std::size_t held);

// The items of splititems, cut from a text that comes in pieces (read in
// chunks), so that the whole text is never held: only an item cut by the
// end of a piece is copied, and an item holds at most 1023 bytes.
//   reader.feed(piece);  while (reader.next(item)) ...;  // for each piece
//   item = reader.last();                                 // after the last
class itemreader {
 public:
  // Takes the next piece; it must stay in place until next() returns false.
  void feed(std::string_view piece);
  // The next item that the pieces so far complete, valid until the next
  // call; false when the piece holds no more.
  bool next(std::string_view& item);
  // After the last piece: the text's last item (empty after a final line
  // feed, as splititems gives it).
  std::string_view last() const { return std::string_view(held, nheld); }

 private:
  const char* p = nullptr;
  const char* end = nullptr;
  char held[1023];  // the start of an item that a piece's end cut
  std::size_t nheld = 0;
  bool done = false;  // held was given out whole: empty it next time
};

// The items of a chart file read in chunks through an itemreader, so that
// only a chunk and one item are held however long the file.
class linereader {
 public:
  // Reads up to n bytes into buf: how many, 0 at the end of the text, or -1
  // when the read fails, with the reason in why.
  using readfn = std::function<long(char* buf, std::size_t n, std::string& why)>;
  // Reads the descriptor fd, which the caller closes; a failed read gives
  // "cannot read: " and the system's reason.
  explicit linereader(int fd);
  explicit linereader(readfn read);

  // The next item, valid until the next call; false after the last one, or
  // when a read fails (failed() then says why).
  bool next(std::string_view& item);
  // The next line: the items, less the empty one after a final line feed (or
  // of an empty file), so that N lines give N.
  bool nextline(std::string_view& line) { return next(line) && !(ended && line.empty()); }
  // Why a read failed, or "".
  const std::string& failed() const { return why; }

 private:
  readfn read;
  std::unique_ptr<char[]> chunk;
  itemreader items;
  bool ended = false;  // the last item was given
  std::string why;
};

// The most the chart list holds, so that its memory stays bounded whatever
// the file: items (a file of zero bytes is an item per byte) and bytes of
// their text (an item has up to 1023). A million chart lines fit.
struct listlimit {
  std::size_t items = 1000000;
  std::size_t bytes = std::size_t{128} << 20;
};

// How reading the chart file for the list went.
struct listing {
  bool opened = false;   // it was opened and read to its end or to the limit
  bool notfile = false;  // it is not a regular file (a FIFO, a device, a folder)
  bool cut = false;      // the list stopped at its limit
};

// Gives the chart list's items of the file at path (splititems), one by
// one in file order, to add: no more than limit, read in pieces so that
// the file is never held whole. A file that is not a regular file is not
// read at all (nor waited on, for a FIFO). Not opened when the file cannot
// be opened or a read fails (add may then have had some items); a null or
// empty path gives no items and opened.
listing listfile(const char* path, const std::function<void(std::string_view)>& add,
                 listlimit limit = {});

// The chart list's items of the file at path, as listfile gives them;
// opened is false (and the list empty) when the file cannot
// be opened or read, or is not a regular file.
std::vector<std::string> listitems(const char* path, bool* opened);

// Reads item n of the file (counted as listitems counts them) as a chart.
// Not ok, with why, when the file cannot be opened or is not a regular
// file ("Couldn't open chart file!"), when there is no item n or it is
// empty ("no chart at item N"), or when the item is not a valid chart line
// (readchartline). Only item n is held, however long the file.
lineread loadchart(const char* path, int n);
