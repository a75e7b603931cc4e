// The CSV reader.
#include "atlas/csv.h"

namespace {
const char bom[] = "\xEF\xBB\xBF";
}

// The bytes that began like a byte-order mark but were not one are text.
void csvreader::replaybom() {
  begun = true;
  for (int i = 0; i < bommatched; ++i) put(bom[i]);  // neither ends a record
}

// Counts a byte of the record, fields and separators alike, so that a
// record of nothing but commas is bounded too; false past the bound.
bool csvreader::take() {
  if (size == maxrecord) {
    fail("the record is longer than 65536 bytes");
    return false;
  }
  ++size;
  return true;
}

void csvreader::add(char c) {
  if (take()) building.fields.back() += c;
}

void csvreader::fail(const char* why) {
  if (building.error.empty()) building.error = why;
}

bool csvreader::endrow() {
  done = std::move(building);
  done.number = ++count;
  building = csvrow();
  building.fields.emplace_back();
  state = start;
  size = 0;
  pending = false;
  return true;
}

bool csvreader::put(char c) {
  // A byte-order mark before the first record, as spreadsheets write it, is
  // not text: its bytes are held until they are known to be one.
  if (!begun) {
    if (c == bom[bommatched] && ++bommatched < 3) return false;
    if (bommatched == 3) {
      begun = true;
      return false;
    }
    replaybom();
  }
  pending = true;
  if (cr) {
    cr = false;
    if (c == '\n') return endrow();
    add('\r');  // a carriage return on its own is a byte of the field
    state = plain;
  }
  switch (state) {
    case quoted:
      if (c == '"')
        state = quote;
      else
        add(c);
      return false;
    case quote:  // after a quote in quotes: a second one, or the field's end
      if (c == '"') {
        add(c);
        state = quoted;
        return false;
      }
      if (c != ',' && c != '\r' && c != '\n') fail("text after the closing quote of a field");
      break;
    case start:
      if (c == '"') {
        state = quoted;
        return false;
      }
      break;
    case plain:
      break;
  }
  if (c == ',') {
    if (take()) building.fields.emplace_back();
    state = start;
  } else if (c == '\n') {
    return endrow();
  } else if (c == '\r') {
    cr = true;
  } else {
    if (c == '"' && state != quote) fail("a quote inside a field that does not start with one");
    add(c);
    state = plain;
  }
  return false;
}

bool csvreader::end() {
  if (!begun) replaybom();  // the text is the start of a mark and nothing else
  if (!pending) return false;
  if (state == quoted) fail("a quote that is not closed");
  return endrow();
}
