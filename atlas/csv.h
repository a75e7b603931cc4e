// Comma-separated values as RFC 4180 writes them: records of fields
// separated by commas, each record ended by a line break (CRLF or LF); a
// field in double quotes may hold commas, line breaks and quotes, a quote
// written twice ("") for one. A UTF-8 byte-order mark at the start of the
// text is skipped. The import of charts reads its file with it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One record of the file.
struct csvrow {
  std::vector<std::string> fields;
  long number = 0;    // its place among the records, from 1 (the header)
  std::string error;  // why it is not valid CSV; empty when it is
};

// Reads the text byte by byte, so that it may come in pieces of any size:
//   while (more) if (csv.put(c)) use(csv.row());
//   if (csv.end()) use(csv.row());
class csvreader {
 public:
  // Takes the next byte; true when it ends a record, which row() holds
  // until the next call.
  bool put(char c);
  // At the end of the text: true when a record without its line break is
  // left, which row() then holds (with an error if a quote is not closed).
  bool end();
  const csvrow& row() const { return done; }

  // The most bytes a record may hold, separators included; a longer one is
  // an error, and its bytes past the limit are dropped, so memory stays
  // bounded whether the record holds long fields or many empty ones.
  static constexpr std::size_t maxrecord = 65536;

 private:
  void replaybom();
  bool take();
  void add(char c);
  void fail(const char* why);
  bool endrow();

  enum { start, plain, quoted, quote } state = start;  // within the field
  bool cr = false;       // a carriage return outside quotes waits for its line feed
  bool pending = false;  // bytes taken since the last record ended
  std::size_t size = 0;  // bytes in the record's fields
  csvrow building{{""}, 0, {}};
  csvrow done;
  long count = 0;
  bool begun = false;  // past a byte-order mark, if the text starts with one
  int bommatched = 0;  // its bytes seen so far
};
