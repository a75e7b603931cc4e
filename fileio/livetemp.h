// Temporary files that the process removes when a signal ends it.
#pragma once

#include <signal.h>

// Notes the temporary file name in the folder dirfd: SIGINT, SIGTERM,
// SIGHUP, SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1 and SIGUSR2, when they would end
// the process, remove it first (a signal that is ignored, or has a handler of
// its own, is left alone). Returns its slot for
// droplive, or -1 when all are taken. name has at most 15 bytes.
int addlive(int dirfd, const char* name);

// Forgets the file of a slot from addlive (-1 is no slot).
void droplive(int slot);

// Blocks those signals while a temporary file is made and
// noted; returns the mask to restore.
sigset_t blockends();
