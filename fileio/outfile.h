// Files that Vornak writes: as a shell redirect would write them, but
// atomically. No toolkit, no cairo: the window program and vornak-chart
// both use it.
#pragma once

#include <cerrno>
#include <cstddef>
#include <string>

// One output file. A path that names a regular file, or nothing yet, is
// written under a short temporary name in the same folder (".vnk" and six
// characters) and renamed onto the path only when commit() has put it on
// disk, so that the path holds either its old content or the whole new one;
// the folder is put on disk after the rename where it can be. The replaced file is a new file: it
// keeps only the permission bits (0777) of the old one, and other hard links
// keep the old content. A symbolic link is followed, also when its target
// does not exist yet (the target is written, not the link). A file that the
// user could not open for writing is refused, as a redirect would refuse it.
// Whatever is not a regular file is written directly: a device, a FIFO, and
// a descriptor (/dev/stdout, /dev/fd/N, /proc/self/fd/N, which are written
// through a copy of the descriptor, keeping its offset and append mode).
// The temporary file is removed when the process is ended by SIGINT,
// SIGTERM or SIGHUP while it exists.
class outfile {
 public:
  outfile() = default;
  ~outfile() { discard(); }
  outfile(const outfile&) = delete;
  outfile& operator=(const outfile&) = delete;

  // Opens the output; false with the reason in why ("cannot write: ...").
  bool open(const std::string& path, std::string& why);
  // Writes n bytes (buffered); false once a write has failed.
  bool write(const void* data, std::size_t n);
  // Writes what is buffered, puts the file on disk and under its name;
  // false with the reason in why, the temporary file then removed.
  bool commit(std::string& why);
  // Drops an output that is not committed: the temporary file goes.
  void discard();
  // Whether a write has failed (commit then says why).
  bool writefailed() const { return err != 0; }
  // The temporary file's path, or "" when there is none.
  std::string temppath() const;

 private:
  int fd = -1;
  int dirfd = -1;         // the folder of the temporary file
  char tmpname[16] = "";  // its name there, "" when none
  std::string dir, base;  // the path written: dir + base
  int mode = 0;           // permission bits of the file made
  int slot = -1;          // where the signal handlers find it
  std::string buf;
  int err = 0;  // errno of the first failed step, 0 while none has failed
  void note(bool ok) {
    if (!ok && !err) err = errno ? errno : EIO;
  }
  bool flush();
  bool fail(std::string& why, const std::string& what);
};

// Whether writing to out would write into the regular file that in is
// read from: the same device and inode, through links, ".." or a
// descriptor's name. "-" is standard output for out, standard input for in.
bool isinput(const std::string& out, const std::string& in);

// Where a write to path would land: the path it names once the links of its
// last component are followed, in its folder's real path; "" when that
// folder cannot be resolved or path names a descriptor. Two names of one
// file, whether it exists yet or not, have the same landing.
std::string landing(const std::string& path);
