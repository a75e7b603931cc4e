// The help's text as the help window shows it.
#include "gui/helptext.h"

#include "page/svgcanvas.h"

std::string helptext(std::string_view html, std::string_view path) {
  constexpr std::string_view mark = "<!--chartfile-->";
  const std::size_t at = html.find(mark);
  std::string t(html);
  if (at == std::string_view::npos || path.empty()) return t;
  return t.replace(at, mark.size(), "This time it is <tt>" + xmlescaped(path) + "</tt>.");
}
