// The help's text as the help window shows it.
#include "gui/helptext.h"

std::string helptext(std::string_view html, std::string_view path) {
  constexpr std::string_view mark = "<!--chartfile-->";
  const std::size_t at = html.find(mark);
  std::string t(html);
  if (at == std::string_view::npos || path.empty()) return t;
  std::string named = "This time it is <tt>";
  for (char c : path) {
    switch (c) {
      case '&':
        named += "&amp;";
        break;
      case '<':
        named += "&lt;";
        break;
      case '>':
        named += "&gt;";
        break;
      default:
        named += c;
    }
  }
  named += "</tt>.";
  return t.replace(at, mark.size(), named);
}
