// Temporary files that the process removes when a signal ends it.
#include "fileio/livetemp.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// The temporary files that exist, for the signal handler: a folder's
// descriptor and a name in it, set and cleared with the signals blocked.
constexpr int nslots = 8;
struct liveslot {
  int dirfd;
  char name[16];
};
liveslot slots[nslots];
volatile sig_atomic_t used[nslots];
int nlive = 0;

// Every signal that can be caught and that ends a process by default
// without a core dump, and SIGQUIT, which dumps one after the clean-up;
// ours when our handler is installed for it.
struct endsignal {
  int sig;
  bool ours{};
} ends[] = {{SIGINT}, {SIGTERM}, {SIGHUP}, {SIGQUIT}, {SIGPIPE}, {SIGALRM}, {SIGUSR1}, {SIGUSR2}};

// Removes the temporary files, then ends the process by the same signal
// (the handler has been reset to the default on entry).
extern "C" void onendsignal(int sig) {
  int e = errno;
  for (int i = 0; i < nslots; ++i)
    if (used[i]) unlinkat(slots[i].dirfd, slots[i].name, 0);
  errno = e;
  raise(sig);
}

}  // namespace

int addlive(int dirfd, const char* name) {
  int slot = -1;
  for (int i = 0; i < nslots && slot < 0; ++i)
    if (!used[i]) slot = i;
  if (slot < 0) return -1;
  slots[slot].dirfd = dirfd;
  std::strcpy(slots[slot].name, name);
  used[slot] = 1;
  if (nlive++ == 0) {
    for (endsignal& e : ends) {
      struct sigaction old;
      if (sigaction(e.sig, nullptr, &old) != 0 || old.sa_handler != SIG_DFL) continue;
      struct sigaction act {};
      act.sa_handler = onendsignal;
      act.sa_flags = SA_RESETHAND | SA_NODEFER;
      sigemptyset(&act.sa_mask);
      e.ours = sigaction(e.sig, &act, nullptr) == 0;
    }
  }
  return slot;
}

void droplive(int slot) {
  if (slot < 0) return;
  used[slot] = 0;
  if (--nlive == 0) {
    for (endsignal& e : ends) {
      struct sigaction cur;
      if (e.ours && sigaction(e.sig, nullptr, &cur) == 0 && cur.sa_handler == onendsignal)
        signal(e.sig, SIG_DFL);
      e.ours = false;
    }
  }
}

sigset_t blockends() {
  sigset_t set, old;
  sigemptyset(&set);
  for (const endsignal& e : ends) sigaddset(&set, e.sig);
  sigprocmask(SIG_BLOCK, &set, &old);
  return old;
}
