// The rule a tzdata file gives for the years after its last listed change:
// the footer of a TZif file (version 2 on), a POSIX TZ string such as
// "EST5EDT,M3.2.0,M11.1.0". The zone library only warns when it cannot read
// one, and then keeps the last listed offset for every later date, so the
// atlas checks it before it loads the zone.
#pragma once

#include <string>
#include <string_view>

// True when s is a TZ string as TZif footers write them (RFC 8536, 3.3):
// std offset [dst [offset] [,rule,rule]], names of three or more letters or
// in <>, offsets [+-]hh[:mm[:ss]] up to 24 hours, rules Jn, n or Mm.w.d with
// an optional /time of up to 167 hours either way; or s is empty.
bool tzrulevalid(std::string_view s);

// The footer of a TZif file's text: the bytes between the line feed that
// opens it and the one that ends the file (empty for version 1, which has
// none). False when the text is not a TZif file or its footer is cut off.
bool tzfooter(std::string_view file, std::string_view& footer);

// "" when the zone's file (under $TZDIR, else /usr/share/zoneinfo) can be
// read and its footer is a valid rule, or when there is no such file (the
// zone library then refuses the name); else the message for the user,
// naming the zone and the package tzdata. Each zone is checked once a run.
std::string checkzonefile(const std::string& tz);
