// The process's set-up for its files: the standard descriptors kept open,
// and a write past the file-size limit an error like any other.
#pragma once

// Opens /dev/null on whichever of the descriptors 0, 1 and 2 is closed, so
// that no file the program opens takes their place (and receives what is
// written to standard error).
void openstdfds();

// Ignores SIGXFSZ, so that a write past the file-size limit (ulimit -f)
// fails with EFBIG and is reported and cleaned up as any failed write,
// instead of ending the process and leaving its temporary file.
void ignorefilesizesignal();
