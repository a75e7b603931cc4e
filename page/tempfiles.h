// The temporary files that Vornak writes beside their final name: their
// names, and their removal when SIGINT, SIGTERM or SIGHUP ends the process.
#pragma once

#include <signal.h>

// Blocks the three signals; returns the mask to put back (sigprocmask).
sigset_t blockends();

// Notes a temporary file, the name in the folder dirfd (up to 15 bytes);
// a signal that the process would end by removes it first (a signal that is
// ignored, or has a handler of its own, is left alone). Returns its slot, or
// -1 when all are taken. Called with the signals blocked, as is droplive.
int addlive(int dirfd, const char* name);

// Forgets the file of a slot (nothing for -1).
void droplive(int slot);

// Six letters or digits for a temporary name, and a terminator, into out.
void randomname(char* out);
