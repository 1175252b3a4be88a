#include "system_file.h"

#include <fcntl.h>

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <signal.h>
#include <unistd.h>
#endif

namespace polydump {
namespace {

#ifdef _WIN32
// Text mode would turn CR LF into LF when reading and LF into CR LF when writing, and end a
// read at Ctrl-Z, all of which the streams already do in exactly the same way everywhere.
constexpr int kOpenFlags = O_BINARY | O_NOINHERIT;
#else
constexpr int kOpenFlags = O_CLOEXEC;
#endif

}  // namespace

int open_for_reading(const char* path) { return ::open(path, O_RDONLY | kOpenFlags); }

int create_for_writing(const char* path) { return ::open(path, O_WRONLY | O_CREAT | O_TRUNC | kOpenFlags, 0666); }

void use_binary_mode([[maybe_unused]] int fd) {
#ifdef _WIN32
  _setmode(fd, O_BINARY);
#endif
}

void survive_refused_writes() {
#ifndef _WIN32
  signal(SIGPIPE, SIG_IGN);
  signal(SIGXFSZ, SIG_IGN);
#endif
}

long read_some(int fd, char* data, std::size_t size) {
  long n;
  do {
    n = ::read(fd, data, size);
  } while (n < 0 && errno == EINTR);
  return n;
}

int write_all(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const long n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return 0;
}

int close_file(int fd) { return ::close(fd) == 0 ? 0 : (errno ? errno : EIO); }

}  // namespace polydump
