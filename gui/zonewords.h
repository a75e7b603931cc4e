// Which way the zone's sign goes, in the words that the dialog's tooltip,
// the help (gui/help.html) and the manual page (dist/vornak.1.in) share.
#pragma once

constexpr const char* zonetip =
    "The zone is added to the local time\n"
    "to give Universal Time:\n"
    "- east of Greenwich (India - 05:30),\n"
    "+ west (New York in winter + 05:00).";
