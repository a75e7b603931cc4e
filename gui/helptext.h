// The help's text as the help window shows it.
#pragma once

#include <string>
#include <string_view>

// html with its first "<!--chartfile-->" replaced by a sentence that names
// path, the chart file this run reads and writes ("This time it is
// <tt>/home/a/charts.vnk</tt>."), with the HTML's special characters
// escaped; html as it is when it has no such mark or path is empty.
std::string helptext(std::string_view html, std::string_view path);
