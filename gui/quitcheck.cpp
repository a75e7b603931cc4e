// What Quit asks before the chart shown would be lost.
#include "gui/quitcheck.h"

#include <cstring>
#include <string_view>

#include "chart/chartline.h"
#include "chart/escape.h"

std::string quitquestion(const birthdata& shown, const birthdata& kept) {
  // The date line and the derived zone and coordinates are not part of a
  // chart: two records are the same chart when they make the same line.
  char a[chartlineroom], b[chartlineroom];
  const int na = writechartline(a, shown), nb = writechartline(b, kept);
  if (na == nb && std::memcmp(a, b, static_cast<std::size_t>(na)) == 0) return "";
  std::string_view name(shown.name, strnlen(shown.name, sizeof shown.name));
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return "Quit without saving the chart \"" + escapebytes(name, escapes::control) + "\"?";
}
