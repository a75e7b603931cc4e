// vornak-chart: casts the charts of a chart file and prints them as text or
// JSON Lines, or writes their pages to a PNG, SVG or PDF file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Runs the command. args are the arguments without the program name; in is
// read when the file is "-"; charts go to out (or to the page file), messages
// to err. Returns the exit status: 0 every chosen line was cast; 1 a line was
// not a chart, --line named a line the file does not have, or no chart was
// left to write a page of; 2 bad usage, a file that cannot be read, an output
// that is the input file, or output that cannot be written.
int chartcmd(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err);
