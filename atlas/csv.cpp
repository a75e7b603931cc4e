// The CSV reader.
#include "atlas/csv.h"

void csvreader::add(char c) {
  if (size == maxrecord) {
    fail("the record is longer than 65536 bytes");
    return;
  }
  ++size;
  building.fields.back() += c;
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
    building.fields.emplace_back();
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
  if (!pending) return false;
  if (state == quoted) fail("a quote that is not closed");
  return endrow();
}
