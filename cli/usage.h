// vornak-chart's usage lines and its --help text.
#pragma once

// The usage lines, each ending in a line feed.
extern const char usage[];

// The whole help: the usage lines, then what the command does, its options,
// its output and its exit statuses.
extern const char helptext[];
