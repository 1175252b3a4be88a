#include "console.h"

#include <unistd.h>

#include <cerrno>

namespace polydump {
namespace {

void write_all(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(STDOUT_FILENO, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // nobody reads the console any more; the run goes on regardless
    data += n;
    size -= static_cast<std::size_t>(n);
  }
}

}  // namespace

void console_write(std::string_view text) {
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t newline = text.find('\n', start);
    const std::size_t stop = newline == std::string_view::npos ? text.size() : newline;
    write_all(text.data() + start, stop - start);
    if (newline == std::string_view::npos) return;
    write_all("\r\n", 2);
    start = newline + 1;
  }
}

void console_write(std::string_view format, std::string_view arg) {
  const std::size_t at = format.find("%s");
  if (at == std::string_view::npos) return console_write(format);
  console_write(format.substr(0, at));
  console_write(arg);
  console_write(format.substr(at + 2));
}

}  // namespace polydump
