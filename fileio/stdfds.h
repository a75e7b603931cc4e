// The standard descriptors, kept open.
#pragma once

// Opens /dev/null on whichever of the descriptors 0, 1 and 2 is closed, so
// that no file the program opens takes their place (and receives what is
// written to standard error).
void openstdfds();
