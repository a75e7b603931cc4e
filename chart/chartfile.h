// The chart file: appending a chart, listing its lines, loading one.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "chart/birth.h"
#include "chart/chartline.h"
#include "fileio/writeall.h"

// Name of the chart file, in the working directory.
constexpr const char* chartfilename = "charts.vnk";

// Chart lines appended to a chart file (created when missing), all or
// nothing. The file is held under an exclusive lock (flock) from the check
// of its last byte to the end of the writes, so that two Saves (two windows,
// a window and an import, or a script that locks) never interleave; when it
// does not end in a line feed, one is written before the first line, so
// that its last line and the new ones all stay whole. A write that fails or
// falls short, or lines not committed, are cut off again: the file is left
// at its former size.
class chartappend {
 public:
  chartappend() = default;
  chartappend(const chartappend&) = delete;
  chartappend& operator=(const chartappend&) = delete;
  ~chartappend();  // not committed: the lines are cut off again
  // Opens and locks the file, waiting for another program's lock at most
  // waitms ms (-1: as long as it takes). False, with errno set, when it
  // cannot be opened, is still locked (EAGAIN), is not a regular file
  // (EINVAL), or its last byte cannot be read.
  bool open(const char* path, int waitms);
  // Writes whole lines by writeall, through w when given (a test's failing
  // write); false when a write fails, now or before.
  bool add(std::string_view lines, writefn w = nullptr);
  // Puts the lines on disk and lets the file go; false, with the lines cut
  // off, when a write or the sync failed.
  bool commit();

 private:
  void abandon();
  int fd = -1;
  long long size = 0;    // the file's size before the lines
  bool newline = false;  // its last byte is not a line feed
  bool failed = false;
};

// How long Save waits for another program's lock on the chart file.
constexpr int savewaitms = 3000;

// Appends the chart line of b to the file at path through chartappend,
// waiting for a lock at most waitms ms. Returns false, with the file as it
// was, when it is not a regular file, cannot be opened, stays locked, its
// last byte cannot be read, or the line cannot be written and put on disk.
bool appendchart(const char* path, const birthdata& b, writefn w = nullptr,
                 int waitms = savewaitms);

// Where the item that starts at p ends, when it already holds `held` bytes
// (0 to 1023) from earlier text: the first byte of [p, end) that ends it (a
// line feed, a zero byte, or the byte after its 1023rd), or end when none
// of these bytes is there. A chart file's items end at a line feed, a zero
// byte or the end of the text (none of them kept), or when they hold 1023
// bytes (the next byte is then dropped): N lines give N + 1 items, the last
// one empty, an empty text one empty item, and a carriage return stays in
// its item. The window's list and loader count items by this rule, through
// itemreader; vornak-chart reads its lines through it too, but counts them
// without the empty item after a final line feed (linereader::nextline).
const char* itemend(const char* p, const char* end, std::size_t held);

// The items of a text that comes in pieces (read in chunks), cut by
// itemend, so that the whole text is never held: only an item cut by the
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
  // feed).
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
  // The next piece of the text, which stays in place until the next call:
  // true with a piece that is not empty, false at the end of the text, or
  // with the reason in why when a read fails.
  using readfn = std::function<bool(std::string_view& piece, std::string& why)>;
  // Reads the descriptor fd (chunkreader), which the caller closes; a
  // failed read gives "cannot read: " and the system's reason.
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
  // Why a file that is there could not be opened or read to its end ("cannot
  // read: Permission denied"); "" when it was, or when there is no file.
  std::string why;
};

// Gives the chart list's items of the file at path (itemend), one by one
// in file order, to add: no more than limit, read in pieces so that the
// file is never held whole. A file that is not a regular file is not read
// at all (nor waited on, for a FIFO). Not opened when the file cannot be
// opened or a read fails (add may then have had some items); a null or
// empty path gives no items and opened.
listing listfile(const char* path, const std::function<void(std::string_view)>& add,
                 listlimit limit = {});

// What loadchart found at the item asked for.
enum class loadstate {
  chart,       // a valid chart line
  badline,     // an item that is not a valid chart line
  nochart,     // no chart there: none chosen (n < 0), the empty last item, or no item n
  unreadable,  // the file cannot be opened or read, or is not a regular file
};
struct chartload {
  loadstate state = loadstate::unreadable;
  std::string why;  // what is wrong (one line of text), "" for a chart
  birthdata rec;    // the chart, with zone, lon, lat and dtstr derived
};

// Reads item n of the file (counted as listfile counts them) as a chart.
// Unreadable with "Couldn't open chart file!", no chart with "no chart at
// item N", a bad line with readchartline's reason. Only item n is held,
// however long the file.
chartload loadchart(const char* path, int n);
