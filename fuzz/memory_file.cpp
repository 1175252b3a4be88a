#include "memory_file.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "finding.h"

MemoryFile::MemoryFile() : fd_(memfd_create("polydump-fuzz", 0)) {
  if (fd_ < 0) finding("memfd_create failed");
  path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemoryFile::~MemoryFile() { ::close(fd_); }

void MemoryFile::assign(std::string_view bytes) {
  if (ftruncate(fd_, 0) != 0) finding("ftruncate failed");
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n <= 0) finding("pwrite failed");
    done += static_cast<std::size_t>(n);
  }
  rewind();
}

void MemoryFile::rewind() const { lseek(fd_, 0, SEEK_SET); }

std::string MemoryFile::contents() const {
  struct stat info {};
  fstat(fd_, &info);
  std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
  if (pread(fd_, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) finding("pread failed");
  return bytes;
}

long MemoryFile::offset() const { return static_cast<long>(lseek(fd_, 0, SEEK_CUR)); }
